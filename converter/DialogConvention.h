// The dialogs of both programs are modeless: each disables the main window while it is shown
// and enables it again when it closes.
#pragma once
#include "framework/Forms.h"

inline void EnableMainWindow(bool enabled) {
  if (TCustomForm* main = Application->MainForm()) main->SetEnabled(enabled);
}
