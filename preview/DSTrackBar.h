// TDSTrackBar: a slider that follows the playing position of a TFilterGraph and seeks when the
// user lets go of it. A timer on a hidden window of its own reads the position while the graph
// plays; one step of the slider is one timer interval.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <cstdint>
#include <functional>

#include "framework/ComCtrls.h"
#include "framework/ComObj.h"
#include "preview/Grefo.h"
#include "preview/GrefoInterfaces.h"

namespace preview {

// The playing position and the duration, in milliseconds.
using TTimerEvent = std::function<void(TObject* Sender, uint32_t CurrentPos, uint32_t StopPos)>;

class TDSTrackBar : public TTrackBar, public TComponentInterfaces<IGraphEventSink> {
public:
  explicit TDSTrackBar(TComponent* AOwner);
  ~TDSTrackBar() override;

  TFilterGraph* FilterGraph() const { return FFilterGraph; }
  void SetFilterGraph(TFilterGraph* value);
  uint32_t TimerInterval() const { return FTimerInterval; }
  // 0 runs no timer. Raises EOutOfResources when the platform has no timer to give.
  void SetTimerInterval(uint32_t value);
  const TTimerEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TTimerEvent value);

  void Notification(TComponent* component, TOperation operation) override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  // A play start runs the timer (while the slider is enabled), a pause or a stop ends it; the
  // graph's activation gives the slider the graph's seeking, its deactivation takes it.
  HRESULT STDMETHODCALLTYPE ControlEvent(LONG event, LONG param) override;
  // A new clock starts the medium over.
  HRESULT STDMETHODCALLTYPE GraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) override;

protected:
  // Scales the slider to the medium and moves it to the playing position; nothing while the
  // user holds it or when the graph cannot say where it is.
  virtual void TimerTick();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void SetTimerEnabled(bool value);
  void UpdateTimer();
  void TimerWindowProc(TMessage& m);

  TFilterGraph* FFilterGraph = nullptr;
  TComRef<IMediaSeeking> FMediaSeeking;
  HWND FTimerWindow = nullptr;
  uint32_t FTimerInterval = 1000;
  TTimerEvent FOnTimer;
  bool FTimerEnabled = false;
  bool FTracking = false;
};

}  // namespace preview
