#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Message boxes and other standard dialogs: top-level windows of class "#32770".

HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId = 0);
// The texts of the dialog's static controls that have one (a message box has just its
// message), joined by line ends.
std::string MessageBoxText(HWND dialog);
// The dialog's buttons' texts as shown, without their "&" marks.
std::vector<std::string> DialogButtonTexts(HWND dialog);
// Presses the button whose text, without "&" marks, is the given one (e.g. "Yes").
bool PressDialogButton(HWND dialog, const std::string& text);
// Presses the button with the id (IDOK, IDYES, ...).
bool PressDialogButton(HWND dialog, int id);

}  // namespace driver
