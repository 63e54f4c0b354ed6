#include "preview/Grefo.h"

#include "framework/Forms.h"

namespace preview {

namespace {

// The linked components as they are now. Loops walk this copy and call only those still
// linked, so a component that unlinks itself or another meanwhile shifts no one still to
// come; one linked meanwhile waits for the next loop.
template <class I> std::vector<I*> Linked(const std::unique_ptr<TInterfaceList>& list) {
  std::vector<I*> items;
  // The lists hold exactly the interfaces that were linked.
  if (list)
    for (int i = 0; i < list->Count(); ++i) items.push_back(static_cast<I*>(list->Items(i)));
  return items;
}

bool IsLinked(const std::unique_ptr<TInterfaceList>& list, IUnknown* item) {
  return list && list->IndexOf(item) >= 0;
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
  for (IFilterProvider* provider : Linked<IFilterProvider>(FFilterProviders))
    if (IsLinked(FFilterProviders, provider)) AddProviderFilter(provider);
  if (OnActivate) OnActivate(this);
  BroadcastControlEvent(ceActive, 1);
}

void TFilterGraph::Deactivate() {
  BroadcastControlEvent(ceActive, 0);
  for (IFilterProvider* provider : Linked<IFilterProvider>(FFilterProviders))
    if (IsLinked(FFilterProviders, provider)) RemoveProviderFilter(provider);
  if (FMediaEvents) {
    FMediaEvents->SetNotifyFlags(AM_MEDIAEVENT_NONOTIFY);
    FMediaEvents.Clear();
  }
  Revoke();
  CloseLogFile();
  ReleaseGraphObjects();
  FActive = false;
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
  for (IFilterProvider* provider : Linked<IFilterProvider>(FFilterProviders)) {
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
  provider->NotifyFilter(foAdding, 0);
  std::string name;
  provider->GetName(name);
  TComRef<IBaseFilter> filter;
  provider->GetFilter(filter.Out());
  FGraphManager->AddFilter(filter.Get(), WideOf(name).c_str());
  provider->NotifyFilter(foAdded, 0);
}

void TFilterGraph::RemoveProviderFilter(IFilterProvider* provider) {
  provider->NotifyFilter(foRemoving, 0);
  TComRef<IBaseFilter> filter;
  provider->GetFilter(filter.Out());
  FGraphManager->RemoveFilter(filter.Get());
  provider->NotifyFilter(foRemoved, 0);
}

void TFilterGraph::AddFilterProvider(IFilterProvider* provider) {
  if (!FFilterProviders) FFilterProviders = std::make_unique<TInterfaceList>();
  FFilterProviders->Add(provider);
  if (FActive) AddProviderFilter(provider);
}

void TFilterGraph::RemoveFilterProvider(IFilterProvider* provider) {
  // A provider that is not linked is told nothing; one that is stays alive to be told.
  const TComRef<IFilterProvider> keep(provider);
  if (!FFilterProviders || FFilterProviders->Remove(provider) < 0) return;
  if (FFilterProviders->Count() == 0) FFilterProviders.reset();
  if (FActive) RemoveProviderFilter(provider);
}

void TFilterGraph::AddEventSink(IGraphEventSink* sink) {
  if (!FEventSinks) FEventSinks = std::make_unique<TInterfaceList>();
  FEventSinks->Add(sink);
}

void TFilterGraph::RemoveEventSink(IGraphEventSink* sink) {
  if (!FEventSinks) return;
  FEventSinks->Remove(sink);
  if (FEventSinks->Count() == 0) FEventSinks.reset();
}

void TFilterGraph::BroadcastGraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) {
  for (IGraphEventSink* sink : Linked<IGraphEventSink>(FEventSinks))
    if (IsLinked(FEventSinks, sink)) sink->GraphEvent(event, param1, param2);
}

void TFilterGraph::BroadcastControlEvent(LONG event, LONG param) {
  for (IGraphEventSink* sink : Linked<IGraphEventSink>(FEventSinks))
    if (IsLinked(FEventSinks, sink)) sink->ControlEvent(event, param);
}

}  // namespace preview
