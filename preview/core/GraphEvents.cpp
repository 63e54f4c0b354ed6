#include "preview/core/GraphEvents.h"

#include <cstring>

namespace preview {

namespace {

using H = TGraphEventHandler;

// What an event's parameters become beyond passing as they stand.
enum class TShape {
  Plain, VideoSize, P1IsOne, P1NotZero, P2IsZero, StreamTime, Rate, Time, HMSFTime,
  // The handler depends on Param1: the row holds the first of a run counted from Param1 = 1.
  ByParam1
};

struct TRow {
  int32_t code;
  H handler;
  TShape shape;
  int variants = 0;  // for ByParam1: how many values of Param1 have a handler
};

const TRow kRows[] = {
    {0x01, H::GraphComplete, TShape::Plain},
    {0x02, H::GraphUserAbort, TShape::Plain},
    {0x03, H::GraphErrorAbort, TShape::Plain},
    {0x06, H::GraphStreamErrorStopped, TShape::Plain},
    {0x07, H::GraphStreamErrorStillPlaying, TShape::Plain},
    {0x08, H::GraphErrorStillPlaying, TShape::Plain},
    {0x09, H::GraphPaletteChanged, TShape::Plain},
    {0x0A, H::GraphVideoSizeChanged, TShape::VideoSize},
    {0x0B, H::GraphQualityChange, TShape::Plain},
    {0x0D, H::GraphClockChanged, TShape::Plain},
    {0x0E, H::GraphPaused, TShape::Plain},
    {0x10, H::GraphOpeningFile, TShape::P1IsOne},
    {0x11, H::GraphBufferingData, TShape::P1IsOne},
    {0x12, H::GraphFullscreenLost, TShape::Plain},
    {0x18, H::GraphOleEvent, TShape::Plain},
    {0x1A, H::GraphStreamControlStopped, TShape::Plain},
    {0x1B, H::GraphStreamControlStarted, TShape::Plain},
    {0x1C, H::GraphEndOfSegment, TShape::StreamTime},
    {0x1F, H::GraphDeviceLost, TShape::P2IsZero},
    {0x24, H::GraphStepComplete, TShape::Plain},
    {0x30, H::GraphTimeCodeAvailable, TShape::Plain},
    {0x31, H::GraphEXTDeviceModeChange, TShape::Plain},
    {0x50, H::GraphChanged, TShape::Plain},
    {0x51, H::GraphClockUnset, TShape::Plain},
    {0x53, H::GraphVMRRenderDevice, TShape::Plain},
    {0x101, H::DVDDomainFirstPlay, TShape::ByParam1, 5},
    {0x102, H::DVDTitleChange, TShape::Plain},
    {0x103, H::DVDChapterStart, TShape::Plain},
    {0x104, H::DVDAudioStreamChange, TShape::Plain},
    {0x105, H::DVDSubpictureStreamChange, TShape::Plain},
    {0x106, H::DVDAngleChange, TShape::Plain},
    {0x107, H::DVDButtonChange, TShape::Plain},
    {0x108, H::DVDValidUOPSChange, TShape::Plain},
    {0x109, H::DVDStillOn, TShape::P1IsOne},
    {0x10A, H::DVDStillOff, TShape::Plain},
    {0x10B, H::DVDCurrentTime, TShape::Time},
    {0x10C, H::DVDErrorUnexpected, TShape::ByParam1, 8},
    {0x10D, H::DVDWarningInvalidDVD1_0Disc, TShape::ByParam1, 6},
    {0x10E, H::DVDChapterAutoStop, TShape::Plain},
    {0x10F, H::DVDNoFP_PGC, TShape::Plain},
    {0x110, H::DVDPlaybackRateChange, TShape::Rate},
    {0x111, H::DVDParentalLevelChange, TShape::Plain},
    {0x112, H::DVDPlaybackStopped, TShape::Plain},
    {0x113, H::DVDAnglesAvailable, TShape::P1IsOne},
    {0x114, H::DVDPlayPeriodAutoStop, TShape::Plain},
    {0x115, H::DVDButtonAutoActivated, TShape::Plain},
    {0x116, H::DVDCMDStart, TShape::Plain},
    {0x117, H::DVDCMDEnd, TShape::Plain},
    {0x118, H::DVDDiscEjected, TShape::Plain},
    {0x119, H::DVDDiscInserted, TShape::Plain},
    {0x11A, H::DVDCurrentHMSFTime, TShape::HMSFTime},
    {0x11B, H::DVDKaraokeMode, TShape::P1NotZero},
    {0x200, H::GraphSNDDevInError, TShape::Plain},
    {0x201, H::GraphSNDDevOutError, TShape::Plain},
};

const TRow* FindRow(int32_t code) {
  for (const TRow& row : kRows)
    if (row.code == code) return &row;
  return nullptr;
}

}  // namespace

TGraphEventCall DecodeGraphEvent(int32_t code, intptr_t param1, intptr_t param2) {
  TGraphEventCall call;
  call.Param1 = param1;
  call.Param2 = param2;
  const TRow* row = FindRow(code);
  if (!row) return call;
  call.Handler = row->handler;
  const uint32_t p1 = (uint32_t)param1;
  switch (row->shape) {
    case TShape::Plain: break;
    case TShape::VideoSize:
      call.Width = (int)(p1 & 0xFFFF);
      call.Height = (int)(p1 >> 16);
      break;
    case TShape::P1IsOne: call.Flag = param1 == 1; break;
    case TShape::P1NotZero: call.Flag = param1 != 0; break;
    case TShape::P2IsZero: call.Flag = param2 == 0; break;
    case TShape::StreamTime:
      if (param1) std::memcpy(&call.StreamTime, reinterpret_cast<const void*>(param1), 8);
      break;
    case TShape::Rate: call.Rate = (float)((int32_t)p1 / 10000.0); break;
    case TShape::Time: call.Time = DVDTimeOf(p1); break;
    case TShape::HMSFTime:
      call.HMSFTimeCode = HMSFTimeCodeOf(p1);
      call.TimeCode = SplitDVDTimeCode((uint32_t)param2);
      break;
    case TShape::ByParam1:
      call.Handler = param1 >= 1 && param1 <= row->variants
                         ? (H)((int)row->handler + (int)param1 - 1)
                         : H::None;
      break;
  }
  return call;
}

}  // namespace preview
