#include "preview/core/MediaValues.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace preview {

namespace {
const int kVolumeRange = 10000;

// nearbyint rounds in the default mode, to nearest with ties to even.
int LogScale(int magnitude) { return (int)std::nearbyint(std::log(magnitude + 1.0) * 1085.73); }
}  // namespace

int64_t RefTimeToMs(int64_t refTime) { return refTime / 10000; }

int LinearToVolume(int volume) { return LogScale(volume) - kVolumeRange; }

int LinearToBalance(int balance) {
  const int m = LogScale(std::abs(balance));
  return balance < 0 ? -m : m;
}

int ClampVolume(int volume) { return std::clamp(volume, 0, kVolumeRange); }
int ClampBalance(int balance) { return std::clamp(balance, -kVolumeRange, kVolumeRange); }

int PlatformVolume(int storedVolume, bool linear) {
  return linear ? LinearToVolume(storedVolume) : storedVolume - kVolumeRange;
}

int PlatformBalance(int storedBalance, bool linear) {
  return linear ? LinearToBalance(storedBalance) : storedBalance;
}

}  // namespace preview
