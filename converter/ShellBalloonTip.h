#pragma once
#include <windows.h>

#include <string>

namespace converter {

// Shows a balloon tip with the icon (TTI_INFO, ...), title and text on the window, replacing
// the tip shown before, so tips never pile up. The tip goes with its window.
void ShowBalloonTip(HWND window, int icon, const std::string& title, const std::string& text);

}  // namespace converter
