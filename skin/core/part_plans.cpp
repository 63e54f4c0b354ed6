#include "skin/core/part_plans.h"

#include <algorithm>

namespace skin {
namespace {

bool Draws(const Rect& r) { return r.Width() > 0 && r.Height() > 0; }

void Add(std::vector<Piece>& plan, const Rect& source, const Rect& dest, Masking mask) {
  if (Draws(source) && Draws(dest))
    plan.push_back({source, dest, mask});
}

// The sides of the bitmap a corner or an edge keeps when it has to be cut.
enum Side { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };

// Fits a corner of the bitmap into its limit at natural size, cut to the corner's own side
// when the limit is smaller, and placed against those sides of the target rect. Returns the
// area it covers.
Rect PlaceCorner(std::vector<Piece>& plan, const Rect& source, const Rect& limit,
                 const Rect& rect, int sides, Masking mask) {
  const int width = std::max(0, std::min(source.Width(), limit.Width()));
  const int height = std::max(0, std::min(source.Height(), limit.Height()));
  const int sx = sides & kRight ? source.Right - width : source.Left;
  const int sy = sides & kBottom ? source.Bottom - height : source.Top;
  const int dx = sides & kRight ? rect.Right - width : 0;
  const int dy = sides & kBottom ? rect.Bottom - height : 0;
  const Rect area{dx, dy, dx + width, dy + height};
  Add(plan, {sx, sy, sx + width, sy + height}, area, mask);
  return area;
}

// Stretches an edge along its length; across it, a target thinner than the source strip
// takes the strip's outer side only.
void StretchEdge(std::vector<Piece>& plan, Rect source, const Rect& dest, Side outer) {
  if (dest.Width() < source.Width()) {
    if (outer == kLeft)
      source.Right = source.Left + dest.Width();
    if (outer == kRight)
      source.Left = source.Right - dest.Width();
  }
  if (dest.Height() < source.Height()) {
    if (outer == kTop)
      source.Bottom = source.Top + dest.Height();
    if (outer == kBottom)
      source.Top = source.Bottom - dest.Height();
  }
  Add(plan, source, dest, Masking::Magenta);
}

}  // namespace

std::vector<Piece> HorzThreePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                     bool keyFromCorner) {
  const Masking mask = keyFromCorner ? Masking::CornerColor : Masking::Magenta;
  const int f = bitmapWidth / 3;
  const int left = rect.Left, top = rect.Top, right = rect.Right, bottom = top + bitmapHeight;
  std::vector<Piece> plan;
  if (rect.Width() < f) {
    Add(plan, {0, 0, rect.Width(), bitmapHeight}, {left, top, right, bottom}, mask);
    return plan;
  }
  Add(plan, {0, 0, f, bitmapHeight}, {left, top, left + f, bottom}, mask);
  Add(plan, {2 * f, 0, 3 * f, bitmapHeight}, {right - f, top, right, bottom}, mask);
  Add(plan, {f, 0, 2 * f, bitmapHeight}, {left + f, top, right - f, bottom}, mask);
  return plan;
}

std::vector<Piece> VertThreePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                     bool transparent) {
  const Masking mask = transparent ? Masking::Magenta : Masking::Opaque;
  const int p = bitmapHeight / 3, d = rect.Height();
  const int left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
  std::vector<Piece> plan;
  if (left < 0)
    return plan;
  const int cap = std::min(p, d);
  Add(plan, {0, 0, bitmapWidth, cap}, {left, top, right, top + cap}, mask);
  if (d < p)
    return plan;
  Add(plan, {0, bitmapHeight - p, bitmapWidth, bitmapHeight}, {left, bottom - p, right, bottom},
      mask);
  Add(plan, {0, p, bitmapWidth, bitmapHeight - p}, {left, top + p, right, bottom - p}, mask);
  return plan;
}

// The source rects keep the face's proportions as the skins were drawn for them: the
// corners are half the bitmap less one pixel on the right and bottom, and the edges and the
// centre are the strips between.
std::vector<Piece> NinePartPlan(int bitmapWidth, int bitmapHeight, const Rect& rect,
                                bool transparent) {
  std::vector<Piece> plan;
  const int w = rect.Width(), h = rect.Height();
  if (h <= 0)
    return plan;
  const int bw = bitmapWidth, bh = bitmapHeight, bw2 = bw / 2, bh2 = bh / 2;
  const int w2 = w / 2, h2 = h / 2;
  const int farX = bw - bw2 + 1, farY = bh - bh2 + 1;  // where the right and bottom corners start
  const Masking corner = transparent ? Masking::Magenta : Masking::Opaque;

  // A corner whose limit has no height ends the drawing there.
  const Rect tlLimit{0, 0, w2, h2};
  if (tlLimit.Height() <= 0)
    return plan;
  const Rect tl = PlaceCorner(plan, {0, 0, bw2, bh2}, tlLimit, rect, kLeft | kTop, corner);

  const Rect blLimit{0, h - h2 + 1, w2, h};
  if (blLimit.Height() <= 0)
    return plan;
  const Rect bl = PlaceCorner(plan, {0, farY, bw2, bh}, blLimit, rect, kLeft | kBottom, corner);
  StretchEdge(plan, {0, bh2, bw2, bh - bh2}, {0, tl.Bottom, tl.Right, bl.Top}, kLeft);

  const Rect trLimit{w - w2 + 1, 0, w, h2};
  if (trLimit.Height() <= 0)
    return plan;
  const Rect tr = PlaceCorner(plan, {farX, 0, bw, bh2}, trLimit, rect, kRight | kTop, corner);

  const Rect brLimit{w - w2 + 1, h - h2 + 1, w, h};
  if (brLimit.Height() <= 0)
    return plan;
  const Rect br =
      PlaceCorner(plan, {farX, farY, bw, bh}, brLimit, rect, kRight | kBottom, corner);

  StretchEdge(plan, {farX, bh - bh2, bw, bh2 + 2}, {tr.Left, tr.Bottom, tr.Right, br.Top}, kRight);
  StretchEdge(plan, {bw2, 0, farX, bh2}, {tl.Right, 0, tr.Left, tl.Bottom}, kTop);
  Add(plan, {bw2, bh2, farX, bh - bh2}, {tl.Right, tl.Bottom, tr.Left, br.Top - 1},
      Masking::Magenta);
  StretchEdge(plan, {bw2, bh - bh2, farX, bh}, {tl.Right - 1, bl.Top - 1, br.Left, br.Bottom},
              kBottom);
  return plan;
}

}  // namespace skin
