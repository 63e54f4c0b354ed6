#include "preview/DSTrackBar.h"

#include "framework/Forms.h"
#include "preview/core/MediaValues.h"
#include "preview/core/TrackBarScale.h"

namespace preview {

namespace {
constexpr UINT_PTR kTimerID = 1;
}  // namespace

TDSTrackBar::TDSTrackBar(TComponent* AOwner) : TTrackBar(AOwner) {
  FTimerWindow = AllocateHWnd([this](TMessage& m) { TimerWindowProc(m); });
}

TDSTrackBar::~TDSTrackBar() {
  // The timer goes first: no tick may reach a slider that is half gone.
  SetTimerEnabled(false);
  UpdateTimer();
  SetFilterGraph(nullptr);
  DeallocateHWnd(FTimerWindow);
  FMediaSeeking.Clear();
}

void TDSTrackBar::SetFilterGraph(TFilterGraph* value) {
  if (value == FFilterGraph) return;
  if (FFilterGraph) {
    FFilterGraph->RemoveFreeNotification(this);
    FFilterGraph->RemoveEventSink(this);
  }
  if (value) {
    value->FreeNotification(this);
    value->AddEventSink(this);
  }
  FFilterGraph = value;
}

void TDSTrackBar::Notification(TComponent* component, TOperation operation) {
  TTrackBar::Notification(component, operation);
  if (operation == opRemove && component == FFilterGraph) {
    FMediaSeeking.Clear();
    FFilterGraph = nullptr;
  }
}

void TDSTrackBar::SetTimerInterval(uint32_t value) {
  if (value == FTimerInterval) return;
  FTimerInterval = value;
  UpdateTimer();
}

void TDSTrackBar::SetOnTimer(TTimerEvent value) {
  FOnTimer = std::move(value);
  UpdateTimer();
}

void TDSTrackBar::SetTimerEnabled(bool value) {
  if (value == FTimerEnabled) return;
  FTimerEnabled = value;
  UpdateTimer();
}

void TDSTrackBar::UpdateTimer() {
  KillTimer(FTimerWindow, kTimerID);
  if (FTimerInterval != 0 && FTimerEnabled &&
      SetTimer(FTimerWindow, kTimerID, FTimerInterval, nullptr) == 0)
    throw EOutOfResources("Not enough timers available");
}

void TDSTrackBar::TimerWindowProc(TMessage& m) {
  if (m.Msg != WM_TIMER) {
    m.Result = DefWindowProcA(FTimerWindow, m.Msg, m.WParam, m.LParam);
    return;
  }
  try {
    TimerTick();
  } catch (...) {
    Application->HandleException(this);
  }
}

HRESULT TDSTrackBar::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  IGraphEventSink* self = this;
  return AnswerInterface(iid, IID_IUnknown, self, out) ||
                 AnswerInterface(iid, IID_IGraphEventSink, self, out)
             ? S_OK
             : E_NOINTERFACE;
}

HRESULT TDSTrackBar::ControlEvent(LONG event, LONG param) {
  switch (event) {
    case cePlay: SetTimerEnabled(Enabled()); break;
    case cePause:
    case ceStop: SetTimerEnabled(false); break;
    case ceActive:
      if (param == 1 && FFilterGraph)
        FFilterGraph->QueryInterface(IID_IMediaSeeking, FMediaSeeking.OutVoid());
      else if (param == 0)
        FMediaSeeking.Clear();
      break;
  }
  return S_OK;
}

HRESULT TDSTrackBar::GraphEvent(LONG event, LONG_PTR, LONG_PTR) {
  if (event != EC_CLOCK_CHANGED || !FMediaSeeking) return S_OK;
  LONGLONG duration = 0, start = 0;
  FMediaSeeking->GetDuration(&duration);
  FMediaSeeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &duration,
                              AM_SEEKING_NoPositioning);
  return S_OK;
}

void TDSTrackBar::TimerTick() {
  if (!FMediaSeeking || FTracking) return;
  LONGLONG duration = 0, current = 0;
  if (FAILED(FMediaSeeking->GetDuration(&duration)) ||
      FAILED(FMediaSeeking->GetCurrentPosition(&current)))
    return;
  const uint32_t durationMs = (uint32_t)RefTimeToMs(duration);
  const uint32_t currentMs = (uint32_t)RefTimeToMs(current);
  if (const auto scale = ScaleOf(durationMs, currentMs, FTimerInterval)) {
    SetMin(0);
    SetMax((int)scale->Max);
    SetPosition((int)scale->Position);
  }
  if (FOnTimer) FOnTimer(this, currentMs, durationMs);
}

void TDSTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTrackBar::MouseDown(button, shift, x, y);
  if (button == mbLeft) FTracking = true;
}

void TDSTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TTrackBar::MouseUp(button, shift, x, y);
  // Tracking ends with every release, whatever the seek below does.
  FTracking = false;
  if (button != mbLeft || !FMediaSeeking) return;
  LONGLONG stop = 0;
  if (FAILED(FMediaSeeking->GetStopPosition(&stop))) return;
  if (const auto target = SeekTarget(stop, Position(), Max())) {
    LONGLONG current = *target;
    FMediaSeeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop,
                                AM_SEEKING_NoPositioning);
  }
}

}  // namespace preview
