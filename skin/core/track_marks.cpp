#include "skin/core/track_marks.h"

namespace skin {
namespace {

constexpr int kTickLength = 3, kEndInset = 8;

}  // namespace

Rect TrackChannel(const Rect& reported, bool vertical, int barWidth, int barHeight) {
  if (vertical) {
    Rect r{reported.Top, reported.Left, reported.Bottom, reported.Right};
    r.Left += (r.Width() - barWidth) / 2 + 2;
    r.Right = r.Left + barWidth;
    return r;
  }
  Rect r = reported;
  r.Top += (r.Height() - barHeight) / 2;
  r.Bottom = r.Top + barHeight;
  return r;
}

Rect TrackMarkFrame(const Rect& channel, const Rect& thumb, bool vertical) {
  if (vertical)
    return {thumb.Left - 2, channel.Top - 4, thumb.Right + 2, channel.Bottom + 4};
  return {channel.Left - 4, thumb.Top - 2, channel.Right + 4, thumb.Bottom + 2};
}

std::vector<Line> TrackTicks(const Rect& frame, bool vertical, TickSides sides, int tickCount,
                             const std::function<int(int index)>& position) {
  std::vector<int> at;
  for (int i = 0; i < tickCount - 2; ++i)
    at.push_back(position(i));
  at.push_back(vertical ? frame.Top + kEndInset : frame.Left + kEndInset);
  at.push_back(vertical ? frame.Bottom - kEndInset : frame.Right - kEndInset);
  std::vector<Line> lines;
  auto add = [&](int along, int from, int to) {
    lines.push_back(vertical ? Line{{from, along}, {to, along}} : Line{{along, from}, {along, to}});
  };
  const int before = vertical ? frame.Left : frame.Top;
  const int after = vertical ? frame.Right : frame.Bottom;
  for (int along : at) {
    if (sides != TickSides::BottomRight)
      add(along, before - 1, before - 1 - kTickLength);
    if (sides != TickSides::TopLeft)
      add(along, after, after + kTickLength);
  }
  return lines;
}

}  // namespace skin
