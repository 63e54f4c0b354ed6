#pragma once
#include <cstdint>

#include "preview/core/DVDTimeCode.h"

namespace preview {

// The published handler that one graph event reaches, after the sinks and OnDSEvent. The DVD
// domain, error and warning runs are in the order of their Param1 values (1, 2, ...): the
// decoding counts along them.
enum class TGraphEventHandler {
  None,
  // Sender only.
  GraphUserAbort, GraphPaletteChanged, GraphQualityChange, GraphClockChanged,
  GraphStepComplete, GraphChanged, GraphClockUnset,
  DVDStillOff, DVDChapterAutoStop, DVDNoFP_PGC, DVDPlaybackStopped, DVDPlayPeriodAutoStop,
  DVDDiscEjected, DVDDiscInserted,
  DVDDomainFirstPlay, DVDDomainVideoManagerMenu, DVDDomainVideoTitleSetMenu, DVDDomainTitle,
  DVDDomainStop,
  DVDErrorUnexpected, DVDErrorCopyProtectFail, DVDErrorInvalidDVD1_0Disc,
  DVDErrorInvalidDiscRegion, DVDErrorLowParentalLevel, DVDErrorMacrovisionFail,
  DVDErrorIncompatibleSystemAndDecoderRegions, DVDErrorIncompatibleDiscAndDecoderRegions,
  DVDWarningInvalidDVD1_0Disc, DVDWarningFormatNotSupported, DVDWarningIllegalNavCommand,
  DVDWarningOpen, DVDWarningSeek, DVDWarningRead,
  // With arguments.
  GraphComplete, GraphErrorAbort, GraphStreamErrorStopped, GraphStreamErrorStillPlaying,
  GraphErrorStillPlaying, GraphVideoSizeChanged, GraphPaused, GraphOpeningFile,
  GraphBufferingData, GraphFullscreenLost, GraphOleEvent, GraphStreamControlStopped,
  GraphStreamControlStarted, GraphEndOfSegment, GraphDeviceLost, GraphTimeCodeAvailable,
  GraphEXTDeviceModeChange, GraphVMRRenderDevice,
  DVDTitleChange, DVDChapterStart, DVDAudioStreamChange, DVDSubpictureStreamChange,
  DVDAngleChange, DVDButtonChange, DVDValidUOPSChange, DVDStillOn, DVDCurrentTime,
  DVDPlaybackRateChange, DVDParentalLevelChange, DVDAnglesAvailable, DVDButtonAutoActivated,
  DVDCMDStart, DVDCMDEnd, DVDCurrentHMSFTime, DVDKaraokeMode,
  GraphSNDDevInError, GraphSNDDevOutError,
};

// One event decoded for its handler. Param1 and Param2 are the event's own parameters, which
// the handlers of plain numbers, interfaces and strings take as they stand; the other fields
// hold what is worked out of them, each set only for the handlers that take it.
struct TGraphEventCall {
  TGraphEventHandler Handler = TGraphEventHandler::None;
  intptr_t Param1 = 0, Param2 = 0;
  int Width = 0, Height = 0;    // video size: the low and high 16 bits of Param1
  bool Flag = false;            // opening, buffering, Removed, NoButtonAvailable, ...
  int64_t StreamTime = 0;       // end of segment: what Param1 points to, 0 when it is null
  float Rate = 0;               // DVD playback rate: Param1 / 10000
  TDVDTime Time = {};           // DVD current time, from Param1
  tagDVD_HMSF_TIMECODE HMSFTimeCode = {};  // from Param1
  tagDVD_TIMECODE TimeCode = {};           // split from Param2
};

// The handler and arguments of event code with its parameters; codes without a handler of
// their own (EC_TIME, EC_REPAINT, unknown DVD domains, ...) give TGraphEventHandler::None.
TGraphEventCall DecodeGraphEvent(int32_t code, intptr_t param1, intptr_t param2);

}  // namespace preview
