// Media framework declarations that the platform headers lack or get wrong.
#pragma once
#include <windows.h>
#include <dshow.h>

namespace preview {

// The graph builder's callback for a pin it cannot render. The platform headers declare its
// method without the standard calling convention (so thiscall on 32-bit) and define no IID.
struct IAMFilterGraphCallback : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE UnableToRender(IPin* pPin) = 0;
};
inline const IID IID_IAMFilterGraphCallback = {
    0x56a868fd, 0x0ad4, 0x11ce, {0xb0, 0xa3, 0x00, 0x20, 0xaf, 0x0b, 0xa7, 0x70}};

}  // namespace preview
