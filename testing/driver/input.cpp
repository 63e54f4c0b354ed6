#include "testing/driver/input.h"

namespace driver {

bool ClickButton(HWND button) { return PostMessageA(button, BM_CLICK, 0, 0) != 0; }

bool PostCommand(HWND window, int id, HWND control) {
  return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(control)) != 0;
}

bool ClickAt(HWND window, POINT client) {
  HWND target = window;
  POINT point = client;
  for (;;) {
    const HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == target) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  const LPARAM at = MAKELPARAM(point.x, point.y);
  return PostMessageA(target, WM_MOUSEMOVE, 0, at) &&
         PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
         PostMessageA(target, WM_LBUTTONUP, 0, at);
}

bool PressKey(HWND window, UINT virtualKey) {
  const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
  return PostMessageA(window, WM_KEYDOWN, virtualKey, scanCode | 1) &&
         PostMessageA(window, WM_KEYUP, virtualKey, scanCode | 1 | 0xC0000000);
}

bool TypeText(HWND window, const std::string& text) {
  for (unsigned char c : text)
    if (!PostMessageA(window, WM_CHAR, c, 1)) return false;
  return true;
}

}  // namespace driver
