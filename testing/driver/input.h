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
// A real left click at a screen point: the cursor goes there and the button goes down and up
// through the platform's input queue, so the window under the point hit-tests it as a user's.
bool ClickScreen(POINT screen);

}  // namespace driver
