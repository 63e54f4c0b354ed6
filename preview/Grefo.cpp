#include "preview/Grefo.h"

#include "framework/Forms.h"

#include <exception>
#include <functional>

namespace preview {

namespace {

// Calls every linked sink in link order, one unlinked meanwhile skipped, and stops when a sink
// has freed the component.
template <class F>
void Broadcast(const TGraphLinks& sinks, const std::weak_ptr<bool>& alive, const F& call) {
  for (IGraphEventSink* sink : sinks.Items<IGraphEventSink>()) {
    if (alive.expired()) return;
    if (sinks.Contains(sink)) call(sink);
  }
}

// Undoes what a failed step did. The failure that started it is the one the caller hears, so
// one of the undoing is dropped.
template <class F> void Undo(const F& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

template <class I> void CreateObject(REFCLSID clsid, REFIID iid, TComRef<I>& object) {
  HRESULT result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object.OutVoid());
  if (SUCCEEDED(result) && !object) result = E_NOINTERFACE;
  CheckHResult(result);
}

// A connected input pin of a filter whose outputs are all unconnected, or none. Connections
// are undone from the end of the graph back: a splitter drops its output pins once its input
// is disconnected, and none of them may still be held, or connected, when it does.
TComRef<IPin> DownstreamConnectedInput(IFilterGraph* graph) {
  TFilterList filters(graph);
  for (int f = 0; f < filters.Count(); ++f) {
    TPinList pins(filters.Filters(f).Get());
    TComRef<IPin> input;
    bool feedsAnother = false;
    for (int p = 0; p < pins.Count(); ++p) {
      if (!pins.Connected(p)) continue;
      TComRef<IPin> pin = pins.Pins(p);
      PIN_DIRECTION direction = PINDIR_INPUT;
      pin->QueryDirection(&direction);
      if (direction == PINDIR_OUTPUT) feedsAnother = true;
      else if (!input) input = pin;
    }
    if (input && !feedsAnother) return input;
  }
  return {};
}

// Holds a graph's clock while the graph lets go of it, and lets it go last. Wine's system
// clock (the graph's own, and the one inside its audio renderer) ends its timer thread in its
// last Release, but the thread looks for that request only after a wait: one that is between
// two waits at that moment, with nothing advised, then waits for ever, and the Release (the
// graph's teardown on the GUI thread) with it. A periodic advise keeps each wait short, so the
// thread always comes round to see the request.
class TClockLetGo {
public:
  explicit TClockLetGo(IFilterGraph* graph) {
    TComRef<IMediaFilter> filter;
    if (graph) graph->QueryInterface(IID_IMediaFilter, filter.OutVoid());
    if (filter) filter->GetSyncSource(FClock.Out());
    FTicks = CreateSemaphoreA(nullptr, 0, MAXLONG, nullptr);
    REFERENCE_TIME now = 0;
    if (!FClock || !FTicks || FAILED(FClock->GetTime(&now)) ||
        FAILED(FClock->AdvisePeriodic(now, kTickPeriod, (HSEMAPHORE)FTicks, &FCookie)))
      FCookie = 0;
  }
  ~TClockLetGo() {
    if (FCookie) {
      // Another holder keeps the clock after this one: its advise must go, or it would tick
      // into a closed handle.
      FClock->AddRef();
      if (FClock->Release() > 1) FClock->Unadvise(FCookie);
    }
    FClock.Clear();
    if (FTicks) CloseHandle(FTicks);
  }
  TClockLetGo(const TClockLetGo&) = delete;
  TClockLetGo& operator=(const TClockLetGo&) = delete;

private:
  static constexpr REFERENCE_TIME kTickPeriod = 20 * 10000;   // 20 ms
  TComRef<IReferenceClock> FClock;
  HANDLE FTicks = nullptr;
  DWORD_PTR FCookie = 0;
};

// The site a graph is left with once the component lets it go: one that answers no callback.
// Wine's graph cannot be given no site at all.
class TNoSite : public TComponentInterfaces<IUnknown> {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return AnswerInterface(iid, IID_IUnknown, static_cast<IUnknown*>(this), out) ? S_OK : E_NOINTERFACE;
  }
};

IUnknown* NoSite() {
  static TNoSite site;
  return &site;
}

std::wstring WideOf(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), &wide[0], (int)wide.size()));
  return wide;
}

}  // namespace

TFilterGraph::TFilterGraph(TComponent* AOwner) : TComponent(AOwner) {
  FEventWindow = AllocateHWnd([this](TMessage& m) { EventWindowProc(m); });
}

TFilterGraph::~TFilterGraph() {
  // Nothing may leave a destructor: a failure while the graph is torn down is reported.
  try {
    SetActive(false);
  } catch (...) {
    Application->HandleException(this);
  }
  DeallocateHWnd(FEventWindow);
}

void TFilterGraph::SetActive(bool value) {
  if (value == FActive) return;
  if (value) Activate();
  else Deactivate();
}

void TFilterGraph::CreateGraphObjects() {
  try {
    switch (FMode) {
      case gmNormal:
        CreateObject(CLSID_FilterGraph, IID_IFilterGraph2, FGraphManager);
        break;
      case gmCapture:
        CreateObject(CLSID_CaptureGraphBuilder2, IID_ICaptureGraphBuilder2, FCaptureBuilder);
        CreateObject(CLSID_FilterGraph, IID_IFilterGraph2, FGraphManager);
        FCaptureBuilder->SetFiltergraph(FGraphManager.Get());
        break;
      case gmDVD: {
        CreateObject(CLSID_DvdGraphBuilder, IID_IDvdGraphBuilder, FDvdBuilder);
        TComRef<IGraphBuilder> graph;
        HRESULT result = FDvdBuilder->GetFiltergraph(graph.Out());
        FGraphManager = graph.As<IFilterGraph2>(IID_IFilterGraph2);
        if (SUCCEEDED(result) && !FGraphManager) result = E_NOINTERFACE;
        CheckHResult(result);
        break;
      }
    }
  } catch (...) {
    ReleaseGraphObjects();
    throw;
  }
}

void TFilterGraph::ReleaseGraphObjects() {
  TClockLetGo clock(FGraphManager.Get());
  FGraphManager.Clear();
  FCaptureBuilder.Clear();
  FDvdBuilder.Clear();
}

void TFilterGraph::Activate() {
  CreateGraphObjects();
  FActive = true;
  // What fails is undone before it is raised: the filters that joined leave again, the sinks
  // that heard the graph come hear it go, and the component is inactive as it was.
  std::vector<IFilterProvider*> joined;
  bool sinksTold = false;
  try {
    FMediaEvents = Interface<IMediaEventEx>(IID_IMediaEventEx);
    if (FMediaEvents) {
      FMediaEvents->SetNotifyFlags(0);
      FMediaEvents->SetNotifyWindow((OAHWND)FEventWindow, WM_GRAPHNOTIFY,
                                    (LONG_PTR)FMediaEvents.Get());
    }
    if (TComRef<IObjectWithSite> site = Interface<IObjectWithSite>(IID_IObjectWithSite)) {
      // The second replaces the first: either way the site is this component.
      site->SetSite(static_cast<IAMGraphBuilderCallback*>(this));
      site->SetSite(static_cast<IAMFilterGraphCallback*>(this));
    }
    SetGraphEdit(FGraphEdit);
    SetLogFile(FLogFile);
    for (IFilterProvider* provider : FFilterProviders.Items<IFilterProvider>()) {
      if (!FFilterProviders.Contains(provider)) continue;
      AddProviderFilter(provider);
      joined.push_back(provider);
    }
    if (OnActivate) OnActivate(this);
    sinksTold = true;
    BroadcastControlEvent(ceActive, 1);
  } catch (...) {
    Undo([&] { TakeDown(joined, sinksTold); });
    throw;
  }
}

void TFilterGraph::Deactivate() { TakeDown(FFilterProviders.Items<IFilterProvider>(), true); }

// Every step is taken whatever an earlier one raised, so that the graph goes; the first
// failure is raised at the end.
void TFilterGraph::TakeDown(const std::vector<IFilterProvider*>& joined, bool tellSinks) {
  std::exception_ptr failure;
  const auto attempt = [&failure](const std::function<void()>& step) {
    try {
      step();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  };
  if (tellSinks) attempt([this] { BroadcastControlEvent(ceActive, 0); });
  for (IFilterProvider* provider : joined)
    if (FFilterProviders.Contains(provider)) attempt([&] { RemoveProviderFilter(provider); });
  if (FMediaEvents) {
    FMediaEvents->SetNotifyFlags(AM_MEDIAEVENT_NONOTIFY);
    FMediaEvents.Clear();
  }
  // Whoever holds the graph longer must not reach this component through it.
  if (TComRef<IObjectWithSite> site = Interface<IObjectWithSite>(IID_IObjectWithSite))
    site->SetSite(NoSite());
  Revoke();
  CloseLogFile();
  ReleaseGraphObjects();
  FActive = false;
  if (failure) std::rethrow_exception(failure);
}

void TFilterGraph::SetMode(TGraphMode value) {
  if (value == FMode) return;
  const bool wasActive = FActive;
  SetActive(false);
  FMode = value;
  SetActive(wasActive);
}

void TFilterGraph::Loaded() {
  if (FAutoCreate && !(ComponentState() & csDesigning)) SetActive(true);
  TComponent::Loaded();
}

void TFilterGraph::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // A component that links itself unlinks itself before it goes; one that did not is dropped
  // here without a call, as its own parts may be gone already.
  if (operation != opRemove || !component->IsDestroying()) return;
  FFilterProviders.Forget(component);
  FEventSinks.Forget(component);
}

void TFilterGraph::SetGraphEdit(bool value) {
  FGraphEdit = value;
  if (!value) Revoke();
  else if (FActive && FROTCookie == 0) RegisterGraphInROT(FGraphManager.Get(), FROTCookie);
}

void TFilterGraph::Revoke() {
  if (FROTCookie == 0) return;
  RevokeGraphFromROT(FROTCookie);
  FROTCookie = 0;
}

void TFilterGraph::SetLogFile(const std::string& value) {
  if (FActive) {
    CloseLogFile();
    if (!value.empty()) {
      FLogStream = CreateFileA(value.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      // A log that cannot be made costs the graph nothing: the old name stays.
      if (FLogStream == INVALID_HANDLE_VALUE ||
          FAILED(FGraphManager->SetLogFile((DWORD_PTR)FLogStream))) {
        CloseLogFile();
        return;
      }
    }
  }
  FLogFile = value;
}

void TFilterGraph::CloseLogFile() {
  if (FGraphManager) FGraphManager->SetLogFile(0);
  if (FLogStream != INVALID_HANDLE_VALUE) CloseHandle(FLogStream);
  FLogStream = INVALID_HANDLE_VALUE;
}

HRESULT TFilterGraph::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  IServiceProvider* self = this;
  if (AnswerInterface(iid, IID_IUnknown, self, out) ||
      AnswerInterface(iid, IID_IServiceProvider, self, out) ||
      AnswerInterface(iid, IID_IAMFilterGraphCallback, static_cast<IAMFilterGraphCallback*>(this), out) ||
      AnswerInterface(iid, IID_IAMGraphBuilderCallback, static_cast<IAMGraphBuilderCallback*>(this), out))
    return S_OK;
  if (!FActive) return E_NOINTERFACE;
  HRESULT result = E_NOINTERFACE;
  auto ask = [&](IUnknown* object) {
    if (object) result = object->QueryInterface(iid, out);
    return object && SUCCEEDED(result);
  };
  switch (FMode) {
    case gmNormal: ask(FGraphManager.Get()); break;
    case gmCapture: ask(FCaptureBuilder.Get()) || ask(FGraphManager.Get()); break;
    case gmDVD:
      ask(FDvdBuilder.Get()) ||
          (FDvdBuilder && SUCCEEDED(result = FDvdBuilder->GetDvdInterface(iid, out))) ||
          ask(FGraphManager.Get());
      break;
  }
  return result;
}

bool TFilterGraph::RunCommand(TGraphCommand command, TControlEvent event) {
  TComRef<IMediaControl> control = Interface<IMediaControl>(IID_IMediaControl);
  if (!control) return false;
  BroadcastControlEvent(event, 0);
  const HRESULT result = command == TGraphCommand::Run     ? control->Run()
                         : command == TGraphCommand::Pause ? control->Pause()
                                                           : control->Stop();
  return CommandDone(command, CheckHResult(result));
}

bool TFilterGraph::Play() { return RunCommand(TGraphCommand::Run, cePlay); }
bool TFilterGraph::Pause() { return RunCommand(TGraphCommand::Pause, cePause); }
bool TFilterGraph::Stop() { return RunCommand(TGraphCommand::Stop, ceStop); }

TGraphPlayState TFilterGraph::GetState() {
  TComRef<IMediaControl> control = Interface<IMediaControl>(IID_IMediaControl);
  if (!control) return psNone;
  OAFilterState state = -1;
  control->GetState(0, &state);
  return PlayStateOf(state);
}

HRESULT TFilterGraph::RenderFile(const std::wstring& fileName) {
  if (!FGraphManager) return S_FALSE;
  BroadcastControlEvent(ceFileRendering, 0);
  const HRESULT result = CheckHResult(FGraphManager->RenderFile(fileName.c_str(), nullptr));
  // A new file plays from its start, and its position must say so: after a stop, Wine's
  // graph goes on counting from where its last run began.
  if (TComRef<IMediaSeeking> seeking = Interface<IMediaSeeking>(IID_IMediaSeeking)) {
    LONGLONG start = 0;
    seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                          AM_SEEKING_NoPositioning);
  }
  SetVolume(FVolume);
  SetBalance(FBalance);
  SetRate(FRate);
  BroadcastControlEvent(ceFileRendered, 0);
  return result;
}

void TFilterGraph::ClearGraph() {
  if (!FGraphManager) return;
  Stop();
  TClockLetGo clock(FGraphManager.Get());   // an audio renderer may be the clock
  DisconnectFilters();
  TFilterList filters(FGraphManager.Get());
  for (IFilterProvider* provider : FFilterProviders.Items<IFilterProvider>()) {
    TComRef<IBaseFilter> filter;
    provider->GetFilter(filter.Out());
    filters.Remove(filter.Get());
  }
  for (int i = 0; i < filters.Count(); ++i)
    CheckHResult(FGraphManager->RemoveFilter(filters.Filters(i).Get()));
}

void TFilterGraph::DisconnectFilters() {
  if (!FGraphManager) return;
  while (TComRef<IPin> input = DownstreamConnectedInput(FGraphManager.Get())) {
    TComRef<IPin> output;
    input->ConnectedTo(output.Out());
    if (output) CheckHResult(output->Disconnect());
    CheckHResult(input->Disconnect());
    TComRef<IPin> still;
    if (SUCCEEDED(input->ConnectedTo(still.Out())) && still) return;   // the pin will not let go
  }
}

void TFilterGraph::SetVolume(int volume) {
  FVolume = ClampVolume(volume);
  if (TComRef<IBasicAudio> audio = Interface<IBasicAudio>(IID_IBasicAudio))
    audio->put_Volume(PlatformVolume(FVolume, FLinearVolume));
}

void TFilterGraph::SetBalance(int balance) {
  FBalance = ClampBalance(balance);
  if (TComRef<IBasicAudio> audio = Interface<IBasicAudio>(IID_IBasicAudio))
    audio->put_Balance(PlatformBalance(FBalance, FLinearVolume));
}

void TFilterGraph::SetRate(double rate) {
  FRate = rate;
  if (TComRef<IMediaSeeking> seeking = Interface<IMediaSeeking>(IID_IMediaSeeking))
    seeking->SetRate(rate);
}

void TFilterGraph::SetLinearVolume(bool value) {
  if (value == FLinearVolume) return;
  FLinearVolume = value;
  SetVolume(FVolume);
  SetBalance(FBalance);
}

void TFilterGraph::AddProviderFilter(IFilterProvider* provider) {
  try {
    provider->NotifyFilter(foAdding, 0);
    std::string name;
    provider->GetName(name);
    TComRef<IBaseFilter> filter;
    provider->GetFilter(filter.Out());
    FGraphManager->AddFilter(filter.Get(), WideOf(name).c_str());
    provider->NotifyFilter(foAdded, 0);
  } catch (...) {
    // The provider is left as it was, its filter out of the graph.
    Undo([&] { RemoveProviderFilter(provider); });
    throw;
  }
}

void TFilterGraph::RemoveProviderFilter(IFilterProvider* provider) {
  provider->NotifyFilter(foRemoving, 0);
  TComRef<IBaseFilter> filter;
  provider->GetFilter(filter.Out());
  FGraphManager->RemoveFilter(filter.Get());
  provider->NotifyFilter(foRemoved, 0);
}

void TFilterGraph::Link(TGraphLinks& links, IUnknown* item) {
  if (TComponent* component = links.Add(item)) component->FreeNotification(this);
}

void TFilterGraph::AddFilterProvider(IFilterProvider* provider) {
  if (FActive) AddProviderFilter(provider);
  Link(FFilterProviders, provider);
}

void TFilterGraph::RemoveFilterProvider(IFilterProvider* provider) {
  // A provider that is not linked is told nothing; one that is stays alive to be told.
  const TComRef<IFilterProvider> keep(provider);
  if (!FFilterProviders.Remove(provider)) return;
  if (FActive) RemoveProviderFilter(provider);
}

void TFilterGraph::AddEventSink(IGraphEventSink* sink) { Link(FEventSinks, sink); }

void TFilterGraph::RemoveEventSink(IGraphEventSink* sink) { FEventSinks.Remove(sink); }

void TFilterGraph::BroadcastGraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) {
  Broadcast(FEventSinks, FAlive, [&](IGraphEventSink* sink) { sink->GraphEvent(event, param1, param2); });
}

void TFilterGraph::BroadcastControlEvent(LONG event, LONG param) {
  Broadcast(FEventSinks, FAlive, [&](IGraphEventSink* sink) { sink->ControlEvent(event, param); });
}

}  // namespace preview
