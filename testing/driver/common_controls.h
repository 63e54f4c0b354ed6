#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

// The texts of a status bar's panels, in order, read across processes.
std::vector<std::string> StatusBarTexts(HWND statusBar);

// A list view row's rectangle in the list's client coordinates, read across processes;
// part is LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL. None when the row has no place on screen.
std::optional<RECT> ListViewRowBounds(HWND listView, int row, int part);

// A left click on the label of a list view's row, as the user makes it: alone it selects
// just that row; with Ctrl held it adds the row to the selection (or takes it out). Posted;
// false when the row has no place on screen or the click could not be posted.
bool ClickListViewRow(HWND listView, int row, bool withCtrl = false);

}  // namespace driver
