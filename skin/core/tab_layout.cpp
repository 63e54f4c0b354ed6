#include "skin/core/tab_layout.h"

#include <algorithm>

namespace skin {

TabPagePlan TabPage(const Rect& display, TabSide side, int barWidth, int barHeight) {
  const Rect p{display.Left - 2, display.Top - 2, display.Right + 2, display.Bottom + 2};
  switch (side) {
    case TabSide::Top:
      return {p, {{p.Left + 1, p.Top}, {p.Right - 1, p.Top}}, {p.Left, p.Top - 1, p.Right, p.Top - 1 + barHeight}};
    case TabSide::Bottom:
      return {p, {{p.Left + 1, p.Bottom - 1}, {p.Right - 1, p.Bottom - 1}},
              {p.Left, p.Bottom + 1 - barHeight, p.Right, p.Bottom + 1}};
    case TabSide::Left:
      return {p, {{p.Left, p.Top + 1}, {p.Left, p.Bottom - 1}}, {p.Left - 1, p.Top, p.Left - 1 + barWidth, p.Bottom}};
    case TabSide::Right:
      break;
  }
  return {p, {{p.Right - 1, p.Top + 1}, {p.Right - 1, p.Bottom - 1}},
          {p.Right + 1 - barWidth, p.Top, p.Right + 1, p.Bottom}};
}

TabFace TabFaceOf(const Rect& tab, TabSide side, int tabImageHeight, Size caption,
                  std::optional<Size> icon) {
  const bool across = side == TabSide::Left || side == TabSide::Right;
  TabFace face;
  face.Face = across ? Size{tab.Height(), tab.Width()} : Size{tab.Width(), tab.Height()};
  const int w = face.Face.Width, h = face.Face.Height;
  if (tabImageHeight < h - 1)
    face.Image.push_back({0, h - tabImageHeight - 1, w, h});
  face.Image.push_back({0, 0, w, h});
  face.Caption = {(w - caption.Width) / 2, 2, w, h};
  if (icon) {
    const int x = (w - (caption.Width + icon->Width + 4)) / 2;
    const int y = (h - std::max(caption.Height, icon->Height)) / 2;
    face.Icon = Point{x, side == TabSide::Bottom ? std::max(y, 1) : std::max(y, 0) + 1};
    face.Caption.Left = x + icon->Width + 4;
  }
  return face;
}

}  // namespace skin
