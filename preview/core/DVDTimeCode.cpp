#include "preview/core/DVDTimeCode.h"

namespace preview {

tagDVD_TIMECODE SplitDVDTimeCode(uint32_t t) {
  auto digit = [t](int shift) { return (uint8_t)((t >> shift) & 0xF); };
  return {digit(0),  digit(4),  digit(8),  digit(12), digit(16),
          digit(20), digit(24), (uint8_t)((t >> 28) & 0x3), (uint8_t)(t >> 30)};
}

tagDVD_HMSF_TIMECODE HMSFTimeCodeOf(uint32_t v) {
  return {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
}

TDVDTime DVDTimeOf(uint32_t timeCode) {
  const tagDVD_TIMECODE c = SplitDVDTimeCode(timeCode);
  const int frameRate = c.FrameRateCode == 1 ? 25 : c.FrameRateCode == 3 ? 30 : 0;
  return {c.Hours1 + 10 * c.Hours10, c.Minutes1 + 10 * c.Minutes10,
          c.Seconds1 + 10 * c.Seconds10, c.Frames1 + 10 * c.Frames10, frameRate};
}

}  // namespace preview
