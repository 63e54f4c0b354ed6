// TFilterGraph: owns one media filter graph while it is active, renders and plays a file in
// it, and links the components that supply a filter or want the graph's events. The graph
// announces its events by posting WM_APP + 1 to a hidden window of the component, so they are
// handled on the GUI thread (GrefoEvents.cpp).
#pragma once
#include <windows.h>
#include <dshow.h>
#include <servprov.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/ComObj.h"
#include "preview/DSUtil.h"
#include "preview/GraphLinks.h"
#include "preview/GrefoEvents.h"
#include "preview/GrefoInterfaces.h"
#include "preview/MediaDeclarations.h"
#include "preview/core/GraphEvents.h"

namespace preview {

enum TGraphMode { gmNormal, gmCapture, gmDVD };

// The message by which the graph announces pending events.
constexpr UINT WM_GRAPHNOTIFY = WM_APP + 1;

class TFilterGraph : public TComponent,
                     public TComponentInterfaces<IServiceProvider, IAMFilterGraphCallback,
                                                 IAMGraphBuilderCallback> {
public:
  explicit TFilterGraph(TComponent* AOwner);
  ~TFilterGraph() override;

  bool Active() const { return FActive; }
  // Activation completes or leaves the component inactive, as it was, and raises what failed
  // (EDirectShowException when the graph objects cannot be made). Deactivation always
  // completes, and raises afterwards what a linked component failed with.
  void SetActive(bool value);
  bool AutoCreate() const { return FAutoCreate; }
  void SetAutoCreate(bool value) { FAutoCreate = value; }
  TGraphMode Mode() const { return FMode; }
  void SetMode(TGraphMode value);
  bool GraphEdit() const { return FGraphEdit; }
  void SetGraphEdit(bool value);
  const std::string& LogFile() const { return FLogFile; }
  // A file that cannot be made leaves LogFile as it was and raises nothing.
  void SetLogFile(const std::string& value);
  bool LinearVolume() const { return FLinearVolume; }
  void SetLinearVolume(bool value);

  void Loaded() override;
  // A linked component that is destroyed is unlinked.
  void Notification(TComponent* component, TOperation operation) override;

  // True when the graph runs (S_FALSE: it is getting there), is paused, is stopped (these two
  // only for S_OK). A failing platform code raises EDirectShowException.
  bool Play();
  bool Pause();
  bool Stop();
  TGraphPlayState GetState();
  // Builds the playback graph for a file; 1 (S_FALSE) without a graph. Raises on failure.
  HRESULT RenderFile(const std::wstring& fileName);
  // Stops and empties the graph except for the linked components' filters, which stay
  // disconnected.
  void ClearGraph();
  void DisconnectFilters();

  int Volume() const { return FVolume; }
  void SetVolume(int volume);
  int Balance() const { return FBalance; }
  void SetBalance(int balance);
  double Rate() const { return FRate; }
  void SetRate(double rate);

  // While active, the provider is linked only once its filter has joined the graph; one that
  // fails to join is left as it was and what failed is raised.
  void AddFilterProvider(IFilterProvider* provider);
  void RemoveFilterProvider(IFilterProvider* provider);
  void AddEventSink(IGraphEventSink* sink);
  void RemoveEventSink(IGraphEventSink* sink);
  // Calls every linked sink in registration order; one unlinked meanwhile is skipped.
  void BroadcastGraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2);
  void BroadcastControlEvent(LONG event, LONG param);

  // QueryInterface as a reference: empty when neither the component nor its graph objects
  // have the interface.
  template <class I> TComRef<I> Interface(REFIID iid) {
    TComRef<I> result;
    if (FAILED(QueryInterface(iid, result.OutVoid()))) result.Clear();
    return result;
  }

  // The hidden window that the graph's events are posted to.
  HWND EventWindow() const { return FEventWindow; }

  TNotifyEvent OnActivate;
  TOnDSEvent OnDSEvent;
  TOnSelectedFilter OnSelectedFilter;
  TOnCreatedFilter OnCreatedFilter;
  TOnUnableToRender OnUnableToRender;

  TOnGraphComplete OnGraphComplete;
  TNotifyEvent OnGraphUserAbort;
  TOnDSResult OnGraphErrorAbort;
  TOnGraphStreamError OnGraphStreamErrorStopped;
  TOnGraphStreamError OnGraphStreamErrorStillPlaying;
  TOnDSResult OnGraphErrorStillPlaying;
  TNotifyEvent OnGraphPaletteChanged;
  TOnGraphVideoSizeChanged OnGraphVideoSizeChanged;
  TNotifyEvent OnGraphQualityChange;
  TNotifyEvent OnGraphClockChanged;
  TOnDSResult OnGraphPaused;
  TOnGraphOpeningFile OnGraphOpeningFile;
  TOnGraphBufferingData OnGraphBufferingData;
  TOnGraphFullscreenLost OnGraphFullscreenLost;
  TOnGraphOleEvent OnGraphOleEvent;
  TOnGraphStreamControl OnGraphStreamControlStopped;
  TOnGraphStreamControl OnGraphStreamControlStarted;
  TOnGraphEndOfSegment OnGraphEndOfSegment;
  TOnGraphDeviceLost OnGraphDeviceLost;
  TNotifyEvent OnGraphStepComplete;
  TOnGraphTimeCodeAvailable OnGraphTimeCodeAvailable;
  TOnGraphEXTDeviceModeChange OnGraphEXTDeviceModeChange;
  TNotifyEvent OnGraphChanged;
  TNotifyEvent OnGraphClockUnset;
  TOnGraphVMRRenderDevice OnGraphVMRRenderDevice;
  TOnGraphSNDDevError OnGraphSNDDevInError;
  TOnGraphSNDDevError OnGraphSNDDevOutError;

  TNotifyEvent OnDVDDomainFirstPlay, OnDVDDomainVideoManagerMenu, OnDVDDomainVideoTitleSetMenu,
      OnDVDDomainTitle, OnDVDDomainStop;
  TNotifyEvent OnDVDErrorUnexpected, OnDVDErrorCopyProtectFail, OnDVDErrorInvalidDVD1_0Disc,
      OnDVDErrorInvalidDiscRegion, OnDVDErrorLowParentalLevel, OnDVDErrorMacrovisionFail,
      OnDVDErrorIncompatibleSystemAndDecoderRegions, OnDVDErrorIncompatibleDiscAndDecoderRegions;
  TNotifyEvent OnDVDWarningInvalidDVD1_0Disc, OnDVDWarningFormatNotSupported,
      OnDVDWarningIllegalNavCommand, OnDVDWarningOpen, OnDVDWarningSeek, OnDVDWarningRead;
  TOnDVDTitleChange OnDVDTitleChange;
  TOnDVDChapterStart OnDVDChapterStart;
  TOnDVDAudioStreamChange OnDVDAudioStreamChange;
  TOnDVDSubpictureStreamChange OnDVDSubpictureStreamChange;
  TOnDVDChange OnDVDAngleChange;
  TOnDVDChange OnDVDButtonChange;
  TOnDVDValidUOPSChange OnDVDValidUOPSChange;
  TOnDVDStillOn OnDVDStillOn;
  TNotifyEvent OnDVDStillOff;
  TOnDVDCurrentTime OnDVDCurrentTime;
  TNotifyEvent OnDVDChapterAutoStop;
  TNotifyEvent OnDVDNoFP_PGC;
  TOnDVDPlaybackRateChange OnDVDPlaybackRateChange;
  TOnDVDParentalLevelChange OnDVDParentalLevelChange;
  TNotifyEvent OnDVDPlaybackStopped;
  TOnDVDAnglesAvailable OnDVDAnglesAvailable;
  TNotifyEvent OnDVDPlayPeriodAutoStop;
  TOnDVDButtonAutoActivated OnDVDButtonAutoActivated;
  TOnDVDCMD OnDVDCMDStart;
  TOnDVDCMD OnDVDCMDEnd;
  TNotifyEvent OnDVDDiscEjected;
  TNotifyEvent OnDVDDiscInserted;
  TOnDVDCurrentHMSFTime OnDVDCurrentHMSFTime;
  TOnDVDKaraokeMode OnDVDKaraokeMode;

  // The component's own interfaces, then, while active, those of the graph objects.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  // IServiceProvider, IAMFilterGraphCallback, IAMGraphBuilderCallback: the graph's site.
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE UnableToRender(IPin* pin) override;
  HRESULT STDMETHODCALLTYPE SelectedFilter(IMoniker* moniker) override;
  HRESULT STDMETHODCALLTYPE CreatedFilter(IBaseFilter* filter) override;

protected:
  // Hands one event to the sinks, OnDSEvent and the event's own handler.
  virtual void DoGraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2);

private:
  void Activate();
  void Deactivate();
  void TakeDown(const std::vector<IFilterProvider*>& joined, bool tellSinks);
  void CreateGraphObjects();
  void AddProviderFilter(IFilterProvider* provider);
  void RemoveProviderFilter(IFilterProvider* provider);
  // Links a component's interface so that the component's end unlinks it.
  void Link(TGraphLinks& links, IUnknown* item);
  void ReleaseGraphObjects();
  void CloseLogFile();
  void EventWindowProc(TMessage& message);
  void HandleGraphEvents();
  void CallEventHandler(const TGraphEventCall& call);
  void CallStreamChange(const TGraphEventCall& call);
  bool RunCommand(TGraphCommand command, TControlEvent event);
  void Revoke();

  bool FActive = false;
  bool FAutoCreate = false;
  HWND FEventWindow = nullptr;
  TGraphMode FMode = gmNormal;
  int FVolume = 10000;
  int FBalance = 0;
  double FRate = 1.0;
  bool FLinearVolume = true;
  TGraphLinks FFilterProviders;
  TGraphLinks FEventSinks;
  TComRef<IFilterGraph2> FGraphManager;
  TComRef<ICaptureGraphBuilder2> FCaptureBuilder;
  TComRef<IDvdGraphBuilder> FDvdBuilder;
  TComRef<IMediaEventEx> FMediaEvents;
  bool FGraphEdit = false;
  DWORD FROTCookie = 0;
  std::string FLogFile;
  HANDLE FLogStream = INVALID_HANDLE_VALUE;
  // Expires with the component: a handler may free it while its events are dispatched.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace preview
