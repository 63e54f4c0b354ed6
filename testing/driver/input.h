#pragma once
#include <windows.h>

#include <initializer_list>

namespace driver {

// Input is posted, never sent, so that a handler that opens a modal box does not block the
// test. It goes only to a window that can take it, as the user's would: shown and enabled,
// in a top-level window that is enabled too; each waits for that (a window that a busy
// machine shows late) and returns whether the messages were posted.

// Whether the window's top-level window is the foreground one, asking for it when not; waited
// on before a press, which a skinned control ignores while its form is inactive.
bool InForeground(HWND window);

// BM_CLICK: the button presses itself and notifies its parent. Its top-level window is made
// the foreground one first, as the user's press would.
bool ClickButton(HWND button);
// WM_COMMAND with the id and BN_CLICKED, as a control or menu item would send it.
bool PostCommand(HWND window, int id, HWND control = nullptr);
// A left click at a client point of the window, delivered to the deepest visible child
// there, in that child's client coordinates. The pointer is moved there first, so that a
// program that asks where the pointer is finds it where the user's click would have been.
bool ClickAt(HWND window, POINT client);
// Moves the pointer to a client point of the window through the system's input, as the
// user's hand would: the window under it gets a mouse move (a tooltip shows on one).
bool PointAt(HWND window, POINT client);
// A real click at a screen point, with the left button or the right: the cursor goes there
// and the button goes down and up through the platform's input queue, so the window under the
// point hit-tests it as a user's.
bool ClickScreen(POINT screen, bool rightButton = false);

// Keys pressed together through the platform's input queue, as the keyboard gives them: each
// goes down in order, then up in reverse ({VK_CONTROL, 'N'} is Ctrl+N), so the program reads
// the modifiers as held. They reach the focused window of the foreground window: window's
// top-level window is made the foreground one first.
bool PressKeys(HWND window, std::initializer_list<WORD> keys);

// A real drag with the left button, by the X server's own pointer (xdotool): pressed at
// from, moved to to in steps and let go there, through the platform's whole input path.
// Returns once the X server has taken the events, not once the program has handled them.
bool MouseDrag(POINT from, POINT to);

}  // namespace driver
