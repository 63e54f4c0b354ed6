#include "framework/Timer.h"

namespace {
const UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = AllocateHWnd([this](TMessage& m) {
    if (m.Msg == WM_TIMER) {
      if (OnTimer) OnTimer(this);
    } else {
      m.Result = DefWindowProcA(FWindow, m.Msg, m.WParam, m.LParam);
    }
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  KillTimer(FWindow, kTimerId);
  DeallocateHWnd(FWindow);
}

void TTimer::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == FInterval) return;
  FInterval = ms;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(FWindow, kTimerId);
  if (FEnabled && FInterval > 0 && !IsLoading() && !SetTimer(FWindow, kTimerId, FInterval, nullptr))
    throw EOutOfResources("Not enough timers available");
}
