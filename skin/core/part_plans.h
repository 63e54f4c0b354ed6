#pragma once
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// How a piece is laid on the canvas: opaque, or leaving out the pixels of magenta or of the
// colour of the bitmap's top-left pixel.
enum class Masking { Opaque, Magenta, CornerColor };

// One copy of a bitmap area onto the canvas, stretched when the two sizes differ.
struct Piece {
  Rect Source;
  Rect Dest;
  Masking Mask;
  bool operator==(const Piece& o) const {
    return Source == o.Source && Dest == o.Dest && Mask == o.Mask;
  }
};

// The plans below list their pieces in drawing order and leave out pieces that would draw
// nothing (an empty source or destination).

// A bitmap of three frames side by side (left cap, middle, right cap) spread over the width
// of rect at the bitmap's own height; a rect narrower than one frame gets the left cap cut
// to its width. Masked on the top-left pixel's colour when keyFromCorner, else on magenta.
std::vector<Piece> HorzThreePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                     bool keyFromCorner);

// A bitmap of three parts one above the other, each stretched to the full width of rect,
// the caps at their own height and the middle between them. Nothing when rect.Left < 0.
std::vector<Piece> VertThreePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                     bool transparent);

// A skin bitmap (a button face) drawn into a rect that starts at the canvas origin: the four
// corners at natural size (cut when the rect is smaller), the edges stretched along their
// length only and the centre stretched both ways. Corners are masked on magenta when
// transparent, the other pieces always.
std::vector<Piece> NinePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                bool transparent);

}  // namespace skin
