// TTimer: OnTimer every Interval milliseconds while Enabled (a platform timer on a hidden window).
#pragma once
#include <windows.h>

#include "framework/Classes.h"

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  unsigned Interval() const { return FInterval; }   // milliseconds; 0 stops the timer
  void SetInterval(unsigned ms);
  TNotifyEvent OnTimer;
  void Loaded() override;

private:
  // Starts or stops the platform timer to match Enabled and Interval (not while loading).
  void UpdateTimer();
  HWND FWindow = nullptr;
  bool FEnabled = true;
  unsigned FInterval = 1000;
};
