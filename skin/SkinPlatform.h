// Platform helpers of the skinners: system fonts, window borders, and the window-information
// calls that older systems lack, bound when first used.
#pragma once

#include <windows.h>

#include "framework/Graphics.h"

namespace skin {

// The system's menu font in the menu text colour; the font stays as it was when the system
// metrics can't be read.
void SetMenuFont(TFont* font);
// The system's caption font; the colour is left alone.
void SetCaptionFont(TFont* font);

// One-pixel frames drawn on the whole window, non-client area included.
void DrawWindowBorder(HWND handle, TColor outerColor, TColor innerColor, bool drawInner);

// The platform calls of these names, false where the system lacks them. One failed binding
// disables both for the rest of the run.
bool GetScrollBarInfo(HWND handle, LONG objectId, SCROLLBARINFO& info);
bool GetComboBoxInfo(HWND handle, COMBOBOXINFO& info);

// Whether the system is the first release of the 4.0 desktop line.
bool IsWin95();

}  // namespace skin
