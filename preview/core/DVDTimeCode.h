#pragma once
#include <cstdint>

namespace preview {

// A DVD time code split into its digits: units and tens of each quantity, then the frame rate
// code. (The platform's own record of the same name packs them into bit fields.)
struct tagDVD_TIMECODE {
  uint8_t Hours1, Hours10, Minutes1, Minutes10, Seconds1, Seconds10, Frames1, Frames10;
  uint8_t FrameRateCode;
};

// Fields from the least significant bits: four bits each, Frames10 two, FrameRateCode the top two.
tagDVD_TIMECODE SplitDVDTimeCode(uint32_t timeCode);

// Hours, minutes, seconds and frames in one byte each, hours in the lowest.
struct tagDVD_HMSF_TIMECODE {
  uint8_t bHours, bMinutes, bSeconds, bFrames;
};
tagDVD_HMSF_TIMECODE HMSFTimeCodeOf(uint32_t value);

// A time code as the DVD time event reports it; the frame rate is 25, 30, or 0 when the code
// names neither.
struct TDVDTime {
  int Hours, Minutes, Seconds, Frames, FrameRate;
};
TDVDTime DVDTimeOf(uint32_t timeCode);

}  // namespace preview
