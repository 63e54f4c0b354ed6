#pragma once
// The progress cell: a bar of the done part and the rest, each in its own colours, with the
// percentage centred across both, in a grey frame one pixel inside the cell.
#include <string>

#include "listview/core/Colors.h"
#include "listview/core/Geometry.h"

namespace listview {

// What the painter draws on. TextRect fills r with the brush and draws text at (x, y) clipped
// to r; FrameRect outlines r with the brush.
class TProgressCanvas {
public:
  virtual ~TProgressCanvas() = default;
  virtual void SetColors(TColor brushAndPen, TColor font) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void TextRect(const TRect& r, int x, int y, const std::string& text) = 0;
  virtual void FrameRect(const TRect& r) = 0;
};

// The done part reaches percent of the inner width (rounded, ties to even). Percentages outside
// 0 to 100 are not clamped: the done part then runs past the inner right edge, or is empty
// with the rest starting left of the inner rectangle.
void PaintProgressCell(TProgressCanvas& canvas, const TRect& cell, TColor colorFrom, TColor fontColorFrom,
                       TColor colorTo, TColor fontColorTo, int percent);

// The percentage of a progress cell "{|n": n as a decimal integer; 0 when it is not one.
int ProgressPercentOf(const std::string& cellText);

}  // namespace listview
