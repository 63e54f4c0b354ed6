#pragma once
#include <array>

namespace converter {

// The task list's columns: the caption (input path), then sub-items siLength, siSize and siStatus.
struct TaskColumn {
  const char* Caption;
  int Width;  // at start
};

inline constexpr std::array<TaskColumn, 4> kTaskColumns{
    {{"Input File", 260}, {"Length", 90}, {"Size", 80}, {"Status", 100}}};

// The column widths after the list's width changed by widthChange pixels: each column takes its
// own share of the change (49, 17, 15 and 19 %).
std::array<int, 4> ResizedColumnWidths(const std::array<int, 4>& widths, int widthChange);

}  // namespace converter
