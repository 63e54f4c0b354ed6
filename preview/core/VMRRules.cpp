#include "preview/core/VMRRules.h"

namespace preview {

namespace {
constexpr uint32_t kRendererDefaultStreams = 4;
constexpr TVMRPreferences kEveryPreference = 0x3F;
}  // namespace

uint32_t ClampStreams(uint32_t streams) { return streams >= 1 && streams <= 16 ? streams : 1; }

bool SetsStreams(uint32_t streams, TVMRPreferences preferences) {
  return streams != kRendererDefaultStreams || (preferences & PreferenceBit(vpForceMixer));
}

uint32_t RenderingPrefsOf(TVMRPreferences preferences) {
  return preferences & ~PreferenceBit(vpForceMixer) & kEveryPreference;
}

TVMRPreferences PreferencesReadBack(uint32_t answer, TVMRPreferences before) {
  return TVMRPreferences((answer & kEveryPreference) | (before & PreferenceBit(vpForceMixer)));
}

}  // namespace preview
