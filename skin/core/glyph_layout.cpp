#include "skin/core/glyph_layout.h"

namespace skin {

GlyphPlacement PlaceGlyph(const Rect& client, Size glyph, Size text, GlyphSide side, int margin,
                          int spacing) {
  const bool horizontal = side == GlyphSide::Left || side == GlyphSide::Right;
  auto along = [&](Size s) { return horizontal ? s.Width : s.Height; };
  auto across = [&](Size s) { return horizontal ? s.Height : s.Width; };
  const Size room{client.Width(), client.Height()};
  const int S = along(room), G = along(glyph), T = along(text);
  if (margin == -1 && spacing == -1) {
    margin = (S - (G + T)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (S - (G + spacing + T) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (S - margin - G - T) / 2;
  }
  int glyphAt = margin, textAt = margin + G + spacing;
  if (side == GlyphSide::Right || side == GlyphSide::Bottom) {
    glyphAt = S - margin - G;
    textAt = glyphAt - spacing - T;
  }
  auto at = [&](int a, int c) {
    return horizontal ? Point{client.Left + a, client.Top + c} : Point{client.Left + c, client.Top + a};
  };
  const Point glyphPoint = at(glyphAt, (across(room) - across(glyph) + 1) / 2);
  const Point textPoint = at(textAt, (across(room) - across(text) + 1) / 2);
  return {glyphPoint,
          {textPoint.X, textPoint.Y, textPoint.X + text.Width, textPoint.Y + text.Height}};
}

}  // namespace skin
