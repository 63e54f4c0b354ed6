#pragma once
#include <cstdint>

namespace preview {

// The mixing renderer's modes as the video window's options name them.
enum TVMRVideoMode { vmrWindowed, vmrWindowless, vmrRenderless };

// Bit i of a preference set is element i.
enum TVMRPreference {
  vpForceOffscreen, vpForceOverlays, vpForceMixer, vpDoNotRenderColorKeyAndBorder,
  vpRestrictToInitialMonitor, vpPreferAGPMemWhenMixing
};
using TVMRPreferences = uint8_t;
constexpr TVMRPreferences PreferenceBit(TVMRPreference p) { return TVMRPreferences(1u << p); }
constexpr TVMRPreferences kDefaultVMRPreferences = PreferenceBit(vpForceMixer);

// The renderer mixes 1 to 16 streams; any other count asked for is 1.
uint32_t ClampStreams(uint32_t streams);
// The stream count is handed to the renderer only when it differs from the renderer's own
// default of 4, or when the mixer is forced.
bool SetsStreams(uint32_t streams, TVMRPreferences preferences);

// What is handed to the renderer as its rendering preferences: the set without the mixer,
// which is not a preference of the renderer but a reason to set the stream count.
uint32_t RenderingPrefsOf(TVMRPreferences preferences);
// The set after the renderer answered: the preferences in the answer's low byte, the mixer
// kept when it was asked for. Bits that name no preference are dropped.
TVMRPreferences PreferencesReadBack(uint32_t answer, TVMRPreferences before);

}  // namespace preview
