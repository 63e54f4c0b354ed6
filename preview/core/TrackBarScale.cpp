#include "preview/core/TrackBarScale.h"

namespace preview {

std::optional<TTrackScale> ScaleOf(uint32_t durationMs, uint32_t currentMs, uint32_t intervalMs) {
  if (intervalMs == 0) return std::nullopt;
  return TTrackScale{durationMs / intervalMs, currentMs / intervalMs};
}

std::optional<int64_t> SeekTarget(int64_t stopPosition, int64_t position, int64_t max) {
  if (max == 0) return std::nullopt;
  // stop * position / max without the product: hours of reference time times a position of
  // millions would leave 64 bits. Exact for the slider's non-negative values.
  return stopPosition / max * position + stopPosition % max * position / max;
}

}  // namespace preview
