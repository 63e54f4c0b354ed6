#pragma once
// Stretching the last column over the rest of the client area, and the names the column
// widths are saved under.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace listview {

// The last column's new width, or none when nothing changes: with one column the client width;
// with more, what the others leave less 1 pixel, unless they already fill the client area.
std::optional<int> StretchedLastColumnWidth(const std::vector<int>& widths, int clientWidth);

// Each column's width under the name "col" and its number from 0.
std::vector<std::pair<std::string, int>> SavedColumnWidths(const std::vector<int>& widths);

// While a row is dragged, the scroll timer moves the list a line up (-1) when the pointer is
// within a row's height below the header, a line down (+1) when within a row's height of the
// bottom, else not at all (0).
int DragScrollLines(int y, int clientTop, int clientBottom, int itemHeight, int headerHeight);

}  // namespace listview
