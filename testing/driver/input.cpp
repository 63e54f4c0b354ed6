#include "testing/driver/input.h"

#include <string>

#include "testing/driver/linux_shell.h"

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

static std::string MoveTo(POINT screen) {
  return " mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " sleep 0.05";
}

bool MouseClick(POINT screen) { return RunLinuxShell("xdotool" + MoveTo(screen) + " click 1"); }

bool MouseDrag(POINT from, POINT to) {
  std::string moves = "xdotool" + MoveTo(from) + " mousedown 1";
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step)
    moves += MoveTo({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  return RunLinuxShell(moves + " mouseup 1");
}

}  // namespace driver
