// How the video window makes its renderer: the platform's class, unless a test put a factory
// of its own in place.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <functional>

#include "framework/ComObj.h"

namespace preview {

// Makes the renderer of a class within context (CLSCTX_*) into filter; the creation's result.
using TRendererFactory =
    std::function<HRESULT(REFCLSID renderer, DWORD context, TComRef<IBaseFilter>& filter)>;

HRESULT CreateRenderer(REFCLSID renderer, DWORD context, TComRef<IBaseFilter>& filter);
// Replaces how renderers are made; an empty factory restores the platform's.
void SetRendererFactory(TRendererFactory factory);

}  // namespace preview
