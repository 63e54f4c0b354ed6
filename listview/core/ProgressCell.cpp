#include "listview/core/ProgressCell.h"

#include <cstdlib>

#include "listview/core/HTMLText.h"

namespace listview {

void PaintProgressCell(TProgressCanvas& canvas, const TRect& cell, TColor colorFrom, TColor fontColorFrom,
                       TColor colorTo, TColor fontColorTo, int percent) {
  canvas.SetColors(colorFrom, fontColorFrom);
  const TRect inner{cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2};
  TRect done = inner;
  done.Right = inner.Left + RoundToEven(percent * static_cast<double>(inner.Width()) / 100);
  const std::string label = std::to_string(percent) + "%";
  const int x = inner.Left + (inner.Width() - canvas.TextWidth(label)) / 2;
  const int y = inner.Top + (inner.Height() - canvas.TextHeight(label)) / 2;
  canvas.TextRect(done, x, y, label);
  canvas.SetColors(colorTo, fontColorTo);
  canvas.TextRect({done.Right, inner.Top, inner.Right, inner.Bottom}, x, y, label);
  canvas.SetColors(clGray, fontColorTo);
  canvas.FrameRect({inner.Left - 1, inner.Top - 1, inner.Right + 1, inner.Bottom + 1});
}

int ProgressPercentOf(const std::string& cellText) {
  const std::string number = cellText.size() > 2 ? cellText.substr(2) : "";
  char* end = nullptr;
  const long value = std::strtol(number.c_str(), &end, 10);
  const bool whole = !number.empty() && *end == '\0' && number[0] != ' ';
  return whole && value >= -1000000 && value <= 1000000 ? static_cast<int>(value) : 0;
}

}  // namespace listview
