#include "testing/driver/keyboard.h"

#include <vector>

#include "testing/driver/input.h"
#include "testing/driver/wait.h"

namespace driver {
namespace {

constexpr DWORD kFocusTimeoutMs = 20000;

bool HasFocus(HWND window) {
  return WaitUntil([&] { return InForeground(window) && FocusedWindow() == window; },
                   kFocusTimeoutMs);
}

bool Send(std::vector<INPUT>& inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

INPUT Key(WORD virtualKey, WORD character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

HWND FocusedWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(0, &info) ? info.hwndFocus : nullptr;
}

bool TypeText(HWND focus, const std::string& text) {
  if (!HasFocus(focus)) return false;
  std::vector<INPUT> inputs;
  for (unsigned char c : text) {
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

bool PressKey(HWND focus, WORD virtualKey, int count) {
  if (!HasFocus(focus)) return false;
  std::vector<INPUT> inputs;
  for (int i = 0; i < count; ++i) {
    inputs.push_back(Key(virtualKey, 0, 0));
    inputs.push_back(Key(virtualKey, 0, KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

}  // namespace driver
