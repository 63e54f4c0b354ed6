#include "skin/core/box_layout.h"

namespace skin {

Point CheckBoxPlace(int width, int clientHeight, int imageWidth, int imageHeight,
                    bool captionOnRight) {
  return {captionOnRight ? 0 : width - imageWidth - 1, (clientHeight - imageHeight) / 2};
}

UpDownHalves UpDownHalvesOf(int width, int height, bool vertical) {
  if (vertical)
    return {{0, 0, width, height / 2}, {0, height / 2 + 1, width, height}};
  return {{0, 0, width / 2, height}, {width / 2 + 1, 0, width, height}};
}

int UpDownHalfAt(const UpDownHalves& halves, Point p) {
  if (PointInRect(p, halves.First))
    return -1;
  return PointInRect(p, halves.Second) ? 1 : 0;
}

PlacedArrow UpDownArrow(const UpDownHalves& halves, bool vertical, bool second, bool pressed) {
  const Rect& r = second ? halves.Second : halves.First;
  PlacedArrow arrow;
  if (vertical && !second)
    arrow = {ArrowDirection::Up, {r.Left + (r.Width() - 6) / 2 + 3, r.Top + (r.Height() - 6) / 2 + 1}};
  else if (vertical)
    arrow = {ArrowDirection::Down, {r.Left + (r.Width() - 6) / 2, r.Top + (r.Height() - 6) / 2 + 1}};
  else if (!second)
    arrow = {ArrowDirection::Left, {r.Left + (r.Width() - 3) / 2, r.Top + r.Height() / 2}};
  else
    arrow = {ArrowDirection::Right, {r.Left + (r.Width() - 3) / 2, r.Top + (r.Height() - 6) / 2}};
  if (pressed)
    arrow.At = {arrow.At.X + 1, arrow.At.Y + 1};
  return arrow;
}

Rect ProgressFill(const Rect& client, std::int32_t min, std::int32_t max, std::int32_t position,
                  bool vertical) {
  Rect fill = client;
  if (min >= max) {
    fill.Right = fill.Left;
    return fill;
  }
  const std::int64_t done = std::int64_t(position) - min, range = std::int64_t(max) - min;
  if (vertical)
    fill.Top = int(client.Bottom - done * client.Height() / range);
  else
    fill.Right = int(client.Left + done * client.Width() / range);
  return fill;
}

}  // namespace skin
