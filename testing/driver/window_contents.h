#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Window and control texts of any process: the messages go to the window's own thread,
// with a time limit, so a hung program fails a test instead of hanging it.
std::string WindowText(HWND window);

int ListViewRowCount(HWND listView);
int ListViewColumnCount(HWND listView);
// Item (column 0) or sub-item text, read through a buffer in the list view's process.
std::string ListViewItemText(HWND listView, int row, int column);
// Every row, each with the texts of every column.
std::vector<std::vector<std::string>> ListViewRows(HWND listView);

std::vector<std::string> ComboBoxItems(HWND comboBox);

// The items of a tree view that show, from the top: their texts, where the texts are in the
// tree's client coordinates, and which one is selected.
struct TreeViewItem {
  std::string text;
  RECT textRect;
  bool selected = false;
};
std::vector<TreeViewItem> TreeViewVisibleItems(HWND treeView);

// The text of the tooltip window's first tool, whether the tip is shown or not.
std::string TooltipText(HWND tooltip);

}  // namespace driver
