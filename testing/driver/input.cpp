#include "testing/driver/input.h"

#include <string>
#include <vector>

#include "testing/driver/linux_shell.h"
#include "testing/driver/wait.h"

namespace driver {
namespace {

constexpr DWORD kReadyTimeoutMs = 20000;

std::string MoveTo(POINT screen) {
  return " mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " sleep 0.05";
}

bool TakesInput(HWND window) {
  return IsWindowVisible(window) && IsWindowEnabled(window) &&
         IsWindowEnabled(GetAncestor(window, GA_ROOT));
}

bool WaitUntilTakesInput(HWND window) {
  return window && WaitUntil([&] { return TakesInput(window); }, kReadyTimeoutMs);
}

}  // namespace

// The user's press makes the window it lands in the foreground one before the button hears
// of it, and a skinned button ignores a press while its form is inactive. A form that a busy
// machine shows becomes active late (Wine follows the X server's focus events), so a posted
// press waits for that, asking for it as the user's press would.
bool InForeground(HWND window) {
  const HWND top = GetAncestor(window, GA_ROOT);
  if (GetForegroundWindow() != top) SetForegroundWindow(top);
  return GetForegroundWindow() == top;
}

bool ClickButton(HWND button) {
  return button &&
         WaitUntil([&] { return TakesInput(button) && InForeground(button); }, kReadyTimeoutMs) &&
         PostMessageA(button, BM_CLICK, 0, 0);
}

bool PostCommand(HWND window, int id, HWND control) {
  return WaitUntilTakesInput(window) &&
         PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(control));
}

bool ClickAt(HWND window, POINT client) {
  if (!PointAt(window, client)) return false;
  HWND target = window;
  POINT point = client;
  for (;;) {
    const HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == target) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  const LPARAM at = MAKELPARAM(point.x, point.y);
  return WaitUntilTakesInput(target) && PostMessageA(target, WM_MOUSEMOVE, 0, at) &&
         PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
         PostMessageA(target, WM_LBUTTONUP, 0, at);
}

bool PointAt(HWND window, POINT client) {
  POINT screen = client;
  return WaitUntilTakesInput(window) && ClientToScreen(window, &screen) &&
         SetCursorPos(screen.x, screen.y);
}

bool ClickScreen(POINT screen, bool rightButton) {
  if (!SetCursorPos(screen.x, screen.y)) return false;
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool PressKeys(HWND window, std::initializer_list<WORD> keys) {
  if (!window || !WaitUntil([&] { return TakesInput(window) && InForeground(window); }, kReadyTimeoutMs))
    return false;
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

bool MouseDrag(POINT from, POINT to) {
  std::string moves = "xdotool" + MoveTo(from) + " mousedown 1";
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step)
    moves += MoveTo({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  return RunLinuxShell(moves + " mouseup 1");
}

}  // namespace driver
