#pragma once
#include <windows.h>

#include <string>

namespace driver {

// Keys pressed through the platform's input queue (SendInput), as the user's keyboard presses
// them: they reach whichever window has the keyboard focus in the foreground window. Each
// first waits until the window given has that focus (asking for its top-level window to be
// the foreground one), and returns whether it came and the keys were taken.

// The window that has the keyboard focus in the foreground window; null when none has.
HWND FocusedWindow();
// Types each character of the text.
bool TypeText(HWND focus, const std::string& text);
// Presses and lets go of one key (VK_RETURN, VK_BACK, ...), count times.
bool PressKey(HWND focus, WORD virtualKey, int count = 1);

}  // namespace driver
