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

bool ClickScreen(POINT screen) {
  if (!SetCursorPos(screen.x, screen.y)) return false;
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

}  // namespace driver
