// A skinned track bar's channel and tick marks.
#pragma once

#include <functional>
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

enum class TickSides { BottomRight, TopLeft, Both };

// The channel as the bar image covers it: the platform's channel rectangle (which a vertical
// track bar reports as if it lay across, so it is turned here) narrowed to the bar image and
// centred on the platform's one.
Rect TrackChannel(const Rect& reported, bool vertical, int barWidth, int barHeight);

// The marks' frame: the thumb's extent across (2 pixels more each side), the channel's along
// (4 pixels more each end).
Rect TrackMarkFrame(const Rect& channel, const Rect& thumb, bool vertical);

// Three-pixel lines just outside the frame on the chosen sides: one for each of the tickCount
// ticks but the first and the last, at position(0), position(1), ... along the bar (the
// platform numbers the inner ticks from 0), then the two end marks 8 pixels in from the
// frame's ends.
std::vector<Line> TrackTicks(const Rect& frame, bool vertical, TickSides sides, int tickCount,
                             const std::function<int(int index)>& position);

}  // namespace skin
