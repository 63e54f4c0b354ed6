#include "listview/HeaderStrip.h"

#include <exception>

#include "framework/Forms.h"

namespace {
const char kProp[] = "THeaderStrip";
}

THeaderStrip::THeaderStrip(HWND header, std::function<void(HWND)> afterPaint)
    : FHeader(header), FAfterPaint(std::move(afterPaint)) {
  SetPropA(header, kProp, this);
  FOldProc = (WNDPROC)SetWindowLongPtrA(header, GWLP_WNDPROC, (LONG_PTR)Proc);
}

THeaderStrip::~THeaderStrip() { Restore(); }

void THeaderStrip::Restore() {
  if (!FHeader || GetPropA(FHeader, kProp) != this) return;
  SetWindowLongPtrA(FHeader, GWLP_WNDPROC, (LONG_PTR)FOldProc);
  RemovePropA(FHeader, kProp);
  FHeader = nullptr;
}

LRESULT CALLBACK THeaderStrip::Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = static_cast<THeaderStrip*>(GetPropA(wnd, kProp));
  const WNDPROC old = self->FOldProc;
  if (msg == WM_NCDESTROY) self->Restore();
  const LRESULT result = CallWindowProcA(old, wnd, msg, w, l);
  if (msg == WM_PAINT) {
    // Exceptions never cross a window procedure.
    try {
      self->FAfterPaint(wnd);
    } catch (const std::exception&) {
      Application->HandleException(nullptr);
    }
  }
  return result;
}
