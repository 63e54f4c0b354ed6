#pragma once
#include <windows.h>

namespace driver {

// Input is posted, never sent, so that a handler that opens a modal box does not block the
// test. Each returns whether the messages could be posted.

// BM_CLICK: the button presses itself and notifies its parent.
bool ClickButton(HWND button);
// WM_COMMAND with the id and BN_CLICKED, as a control or menu item would send it.
bool PostCommand(HWND window, int id, HWND control = nullptr);
// A left click at a client point of the window, delivered to the deepest visible child
// there, in that child's client coordinates.
bool ClickAt(HWND window, POINT client);

// The X server's real pointer (xdotool), as a user moves it: the input goes to the window
// on top at those screen points, through the platform's whole input path. Each returns once
// the X server has taken the events, not once the program has handled them.
bool MouseClick(POINT screen);
// Presses the left button at from, moves to to in steps and lets go there.
bool MouseDrag(POINT from, POINT to);

}  // namespace driver
