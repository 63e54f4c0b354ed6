// TFilterGraph's event dispatch: the graph's queue is drained on WM_APP + 1, each event goes to
// the sinks, OnDSEvent and its own handler.
#include "preview/Grefo.h"

#include "framework/Forms.h"

namespace preview {

namespace {

// A handler may free the component, and the handler with it: it runs from a copy.
template <class F, class... A> void Fire(const F& handler, A&&... args) {
  if (!handler) return;
  const F call = handler;
  call(std::forward<A>(args)...);
}

template <class I> I* InterfaceOf(LONG_PTR param) { return reinterpret_cast<I*>(param); }

std::wstring TextOf(LONG_PTR param) {
  const BSTR text = reinterpret_cast<BSTR>(param);
  return text ? std::wstring(text) : std::wstring();
}

}  // namespace

void TFilterGraph::EventWindowProc(TMessage& m) {
  if (m.Msg != WM_GRAPHNOTIFY) {
    m.Result = DefWindowProcA(FEventWindow, m.Msg, m.WParam, m.LParam);
    return;
  }
  const std::weak_ptr<bool> alive = FAlive;
  try {
    HandleGraphEvents();
  } catch (...) {
    Application->HandleException(alive.expired() ? nullptr : this);
  }
}

void TFilterGraph::HandleGraphEvents() {
  // Looked at anew for every event: a handler may deactivate the component, which releases
  // the event interface, or free it.
  const std::weak_ptr<bool> alive = FAlive;
  while (!alive.expired() && FMediaEvents) {
    const TComRef<IMediaEventEx> events = FMediaEvents;
    LONG code = 0;
    LONG_PTR param1 = 0, param2 = 0;
    if (events->GetEvent(&code, &param1, &param2, 0) != S_OK) return;
    // The event's parameters are freed whatever its handlers do, throwing included.
    struct FreeParams {
      IMediaEventEx* events;
      LONG code;
      LONG_PTR param1, param2;
      ~FreeParams() { events->FreeEventParams(code, param1, param2); }
    } freeParams{events.Get(), code, param1, param2};
    DoGraphEvent(code, param1, param2);
  }
}

void TFilterGraph::DoGraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) {
  const std::weak_ptr<bool> alive = FAlive;
  BroadcastGraphEvent(event, param1, param2);
  if (alive.expired()) return;
  Fire(OnDSEvent, this, event, param1, param2);
  if (alive.expired()) return;
  CallEventHandler(DecodeGraphEvent(event, param1, param2));
}

void TFilterGraph::CallEventHandler(const TGraphEventCall& c) {
  using H = TGraphEventHandler;
  const LONG_PTR p1 = c.Param1, p2 = c.Param2;
  switch (c.Handler) {
    case H::None: break;
    case H::GraphUserAbort: Fire(OnGraphUserAbort, this); break;
    case H::GraphPaletteChanged: Fire(OnGraphPaletteChanged, this); break;
    case H::GraphQualityChange: Fire(OnGraphQualityChange, this); break;
    case H::GraphClockChanged: Fire(OnGraphClockChanged, this); break;
    case H::GraphStepComplete: Fire(OnGraphStepComplete, this); break;
    case H::GraphChanged: Fire(OnGraphChanged, this); break;
    case H::GraphClockUnset: Fire(OnGraphClockUnset, this); break;
    case H::DVDStillOff: Fire(OnDVDStillOff, this); break;
    case H::DVDChapterAutoStop: Fire(OnDVDChapterAutoStop, this); break;
    case H::DVDNoFP_PGC: Fire(OnDVDNoFP_PGC, this); break;
    case H::DVDPlaybackStopped: Fire(OnDVDPlaybackStopped, this); break;
    case H::DVDPlayPeriodAutoStop: Fire(OnDVDPlayPeriodAutoStop, this); break;
    case H::DVDDiscEjected: Fire(OnDVDDiscEjected, this); break;
    case H::DVDDiscInserted: Fire(OnDVDDiscInserted, this); break;
    case H::DVDDomainFirstPlay: Fire(OnDVDDomainFirstPlay, this); break;
    case H::DVDDomainVideoManagerMenu: Fire(OnDVDDomainVideoManagerMenu, this); break;
    case H::DVDDomainVideoTitleSetMenu: Fire(OnDVDDomainVideoTitleSetMenu, this); break;
    case H::DVDDomainTitle: Fire(OnDVDDomainTitle, this); break;
    case H::DVDDomainStop: Fire(OnDVDDomainStop, this); break;
    case H::DVDErrorUnexpected: Fire(OnDVDErrorUnexpected, this); break;
    case H::DVDErrorCopyProtectFail: Fire(OnDVDErrorCopyProtectFail, this); break;
    case H::DVDErrorInvalidDVD1_0Disc: Fire(OnDVDErrorInvalidDVD1_0Disc, this); break;
    case H::DVDErrorInvalidDiscRegion: Fire(OnDVDErrorInvalidDiscRegion, this); break;
    case H::DVDErrorLowParentalLevel: Fire(OnDVDErrorLowParentalLevel, this); break;
    case H::DVDErrorMacrovisionFail: Fire(OnDVDErrorMacrovisionFail, this); break;
    case H::DVDErrorIncompatibleSystemAndDecoderRegions:
      Fire(OnDVDErrorIncompatibleSystemAndDecoderRegions, this);
      break;
    case H::DVDErrorIncompatibleDiscAndDecoderRegions:
      Fire(OnDVDErrorIncompatibleDiscAndDecoderRegions, this);
      break;
    case H::DVDWarningInvalidDVD1_0Disc: Fire(OnDVDWarningInvalidDVD1_0Disc, this); break;
    case H::DVDWarningFormatNotSupported: Fire(OnDVDWarningFormatNotSupported, this); break;
    case H::DVDWarningIllegalNavCommand: Fire(OnDVDWarningIllegalNavCommand, this); break;
    case H::DVDWarningOpen: Fire(OnDVDWarningOpen, this); break;
    case H::DVDWarningSeek: Fire(OnDVDWarningSeek, this); break;
    case H::DVDWarningRead: Fire(OnDVDWarningRead, this); break;

    case H::GraphComplete: Fire(OnGraphComplete, this, (HRESULT)p1, InterfaceOf<IBaseFilter>(p2)); break;
    case H::GraphErrorAbort: Fire(OnGraphErrorAbort, this, (HRESULT)p1); break;
    case H::GraphStreamErrorStopped: Fire(OnGraphStreamErrorStopped, this, (HRESULT)p1, (DWORD)p2); break;
    case H::GraphStreamErrorStillPlaying: Fire(OnGraphStreamErrorStillPlaying, this, (HRESULT)p1, (DWORD)p2); break;
    case H::GraphErrorStillPlaying: Fire(OnGraphErrorStillPlaying, this, (HRESULT)p1); break;
    case H::GraphVideoSizeChanged: Fire(OnGraphVideoSizeChanged, this, c.Width, c.Height); break;
    case H::GraphPaused: Fire(OnGraphPaused, this, (HRESULT)p1); break;
    case H::GraphOpeningFile: Fire(OnGraphOpeningFile, this, c.Flag); break;
    case H::GraphBufferingData: Fire(OnGraphBufferingData, this, c.Flag); break;
    case H::GraphFullscreenLost: Fire(OnGraphFullscreenLost, this, InterfaceOf<IBaseFilter>(p2)); break;
    case H::GraphOleEvent: Fire(OnGraphOleEvent, this, TextOf(p1), TextOf(p2)); break;
    case H::GraphStreamControlStopped: Fire(OnGraphStreamControlStopped, this, InterfaceOf<IPin>(p1), (DWORD)p2); break;
    case H::GraphStreamControlStarted: Fire(OnGraphStreamControlStarted, this, InterfaceOf<IPin>(p1), (DWORD)p2); break;
    case H::GraphEndOfSegment: Fire(OnGraphEndOfSegment, this, c.StreamTime, (DWORD)p2); break;
    case H::GraphDeviceLost: Fire(OnGraphDeviceLost, this, InterfaceOf<IUnknown>(p1), c.Flag); break;
    case H::GraphTimeCodeAvailable: Fire(OnGraphTimeCodeAvailable, this, InterfaceOf<IBaseFilter>(p1), (DWORD)p2); break;
    case H::GraphEXTDeviceModeChange: Fire(OnGraphEXTDeviceModeChange, this, (DWORD)p1, (DWORD)p2); break;
    case H::GraphVMRRenderDevice: Fire(OnGraphVMRRenderDevice, this, (DWORD)p1); break;
    case H::GraphSNDDevInError: Fire(OnGraphSNDDevInError, this, (DWORD)p1, (HRESULT)p2); break;
    case H::GraphSNDDevOutError: Fire(OnGraphSNDDevOutError, this, (DWORD)p1, (HRESULT)p2); break;
    case H::DVDTitleChange: Fire(OnDVDTitleChange, this, (int)p1); break;
    case H::DVDChapterStart: Fire(OnDVDChapterStart, this, (int)p1); break;
    case H::DVDAudioStreamChange:
    case H::DVDSubpictureStreamChange: CallStreamChange(c); break;
    case H::DVDAngleChange: Fire(OnDVDAngleChange, this, (int)p1, (int)p2); break;
    case H::DVDButtonChange: Fire(OnDVDButtonChange, this, (int)p1, (int)p2); break;
    case H::DVDValidUOPSChange: Fire(OnDVDValidUOPSChange, this, (int)p1); break;
    case H::DVDStillOn: Fire(OnDVDStillOn, this, c.Flag, (int)p2); break;
    case H::DVDCurrentTime:
      Fire(OnDVDCurrentTime, this, c.Time.Hours, c.Time.Minutes, c.Time.Seconds, c.Time.Frames, c.Time.FrameRate);
      break;
    case H::DVDPlaybackRateChange: Fire(OnDVDPlaybackRateChange, this, c.Rate); break;
    case H::DVDParentalLevelChange: Fire(OnDVDParentalLevelChange, this, (int)p1); break;
    case H::DVDAnglesAvailable: Fire(OnDVDAnglesAvailable, this, c.Flag); break;
    case H::DVDButtonAutoActivated: Fire(OnDVDButtonAutoActivated, this, (int)p1); break;
    case H::DVDCMDStart: Fire(OnDVDCMDStart, this, (int)p1); break;
    case H::DVDCMDEnd: Fire(OnDVDCMDEnd, this, (int)p1); break;
    case H::DVDCurrentHMSFTime: {
      tagDVD_TIMECODE timeCode = c.TimeCode;
      Fire(OnDVDCurrentHMSFTime, this, c.HMSFTimeCode, timeCode);
      break;
    }
    case H::DVDKaraokeMode: Fire(OnDVDKaraokeMode, this, c.Flag); break;
  }
}

void TFilterGraph::CallStreamChange(const TGraphEventCall& c) {
  const bool audio = c.Handler == TGraphEventHandler::DVDAudioStreamChange;
  if (audio ? !OnDVDAudioStreamChange : !OnDVDSubpictureStreamChange) return;
  const TComRef<IDvdInfo2> info = Interface<IDvdInfo2>(IID_IDvdInfo2);
  if (!info) return;
  const ULONG stream = (ULONG)c.Param1;
  LCID lcid = 0;
  bool known = true;
  if (audio) CheckHResult(info->GetAudioLanguage(stream, &lcid));
  else known = SUCCEEDED(info->GetSubpictureLanguage(stream, &lcid));
  // A subpicture stream whose language cannot be told reports identifier 0 and no name.
  if (!known) lcid = 0;
  char language[260] = {};
  if (known) GetLocaleInfoA(lcid, LOCALE_SENGLANGUAGE, language, sizeof language);
  if (audio) Fire(OnDVDAudioStreamChange, this, (int)stream, (int)lcid, language);
  else Fire(OnDVDSubpictureStreamChange, this, (int)stream, (int)lcid, language);
}

}  // namespace preview
