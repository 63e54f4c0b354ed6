#include "converter/core/RunClock.h"

#include <cmath>

namespace converter {

void RunClock::Tick(int totalPercent) {
  ++elapsed_;
  if (totalPercent != 0)
    remaining_ = static_cast<int>(std::nearbyint(elapsed_ / (totalPercent / 100.0) - elapsed_));
}

}  // namespace converter
