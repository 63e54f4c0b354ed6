// Where a button's glyph and caption go: glyph and text side by side along the layout axis,
// each centred across it.
#pragma once

#include "skin/core/geometry.h"

namespace skin {

enum class GlyphSide { Left, Right, Top, Bottom };

struct Size {
  int Width;
  int Height;
};

struct GlyphPlacement {
  Point Glyph;
  Rect Text;
  bool operator==(const GlyphPlacement& o) const { return Glyph == o.Glyph && Text == o.Text; }
};

// Margin and spacing of -1 are worked out from the free room on every call (both: a third of
// it each); the caller's values are left as they are, so an automatic layout stays automatic.
GlyphPlacement PlaceGlyph(const Rect& client, Size glyph, Size text, GlyphSide side, int margin,
                          int spacing);

}  // namespace skin
