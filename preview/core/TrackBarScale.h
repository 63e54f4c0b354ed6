#pragma once
#include <cstdint>
#include <optional>

namespace preview {

// The slider of a playing medium, one step per timer interval.
struct TTrackScale {
  uint32_t Max;
  uint32_t Position;
};

// Both times in milliseconds, truncated to whole intervals (a clip of 90,500 ms playing at
// 45,200 ms with 1000 ms steps is 90 and 45). Nothing for an interval of 0.
std::optional<TTrackScale> ScaleOf(uint32_t durationMs, uint32_t currentMs, uint32_t intervalMs);

// Where a release of the slider at position of max seeks to: that share of the stop position
// (reference time), truncated. Nothing when max is 0, as for a medium shorter than one
// interval, where the slider stands for no time at all.
std::optional<int64_t> SeekTarget(int64_t stopPosition, int64_t position, int64_t max);

}  // namespace preview
