// TVideoWindow's renderer: made when it is about to join the graph, its interfaces taken once
// it has joined, stopped and disconnected before it leaves, released after. The mixing
// renderer's options are applied and read back here.
#include <float.h>

#include "preview/RendererFactory.h"
#include "preview/VideoWindow.h"

namespace preview {

namespace {

constexpr DWORD kMixerContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;

// The mixing renderer may change the floating-point control word; the scope puts it back.
class TFPUControlWord {
public:
  TFPUControlWord() : FSaved(_control87(0, 0)) {}
  ~TFPUControlWord() { _control87(FSaved, _MCW_EM | _MCW_RC | _MCW_PC | _MCW_IC); }
private:
  unsigned FSaved;
};

// An interface that the steps after need: a failed query raises.
template <class I> TComRef<I> Required(IUnknown* object, REFIID iid) {
  TComRef<I> result;
  HRESULT code = object ? object->QueryInterface(iid, result.OutVoid()) : E_POINTER;
  if (SUCCEEDED(code) && !result) code = E_NOINTERFACE;
  CheckHResult(code);
  return result;
}

void CheckCreated(HRESULT result, const TComRef<IBaseFilter>& renderer) {
  CheckHResult(SUCCEEDED(result) && !renderer ? E_NOINTERFACE : result);
}

bool MixingRendererAvailable() {
  const TFPUControlWord keep;
  TComRef<IBaseFilter> probe;
  return CreateRenderer(CLSID_VideoMixingRenderer9, kMixerContext, probe) == S_OK;
}

}  // namespace

void TVideoWindow::SetMode(TVideoMode value) {
  FMode = value == vmVMR && !MixingRendererAvailable() ? vmNormal : value;
  if (LinkedToActiveGraph()) Resupply();
}

void TVideoWindow::Resupply() {
  try {
    FFilterGraph->RemoveFilterProvider(this);
    FFilterGraph->AddFilterProvider(this);
  } catch (...) {
    SetFilterGraph(nullptr);
    throw;
  }
}

HRESULT TVideoWindow::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(iid, IID_IVMRWindowlessControl9) && FWindowlessControl)
    return FWindowlessControl->QueryInterface(iid, out);
  IFilterProvider* self = this;
  if (AnswerInterface(iid, IID_IUnknown, self, out) ||
      AnswerInterface(iid, IID_IFilterProvider, self, out) ||
      AnswerInterface(iid, IID_IGraphEventSink, static_cast<IGraphEventSink*>(this), out))
    return S_OK;
  return FRenderer ? FRenderer->QueryInterface(iid, out) : E_NOINTERFACE;
}

HRESULT TVideoWindow::GetFilter(IBaseFilter** filter) {
  *filter = FRenderer.Get();
  if (*filter) (*filter)->AddRef();
  return S_OK;
}

HRESULT TVideoWindow::GetName(std::string& name) {
  name = Name();
  return S_OK;
}

HRESULT TVideoWindow::NotifyFilter(DWORD operation, DWORD) {
  switch (operation) {
    case foAdding: CreateRendererFilter(); break;
    case foAdded: TakeRendererInterfaces(); break;
    case foRemoving: StopRenderer(); break;
    case foRemoved:
      FRendererWindow.Clear();
      FWindowlessControl.Clear();
      FRenderer.Clear();
      break;
  }
  return S_OK;
}

void TVideoWindow::CreateRendererFilter() {
  if (FMode == vmNormal) {
    CheckCreated(CreateRenderer(CLSID_VideoRenderer, CLSCTX_INPROC_SERVER, FRenderer), FRenderer);
    return;
  }
  const TFPUControlWord keep;
  CheckCreated(CreateRenderer(CLSID_VideoMixingRenderer9, kMixerContext, FRenderer), FRenderer);
  const TComRef<IVMRFilterConfig9> config =
      Required<IVMRFilterConfig9>(FRenderer.Get(), IID_IVMRFilterConfig9);
  switch (FVMROptions->Mode()) {
    case vmrWindowed: CheckHResult(config->SetRenderingMode(VMR9Mode_Windowed)); break;
    case vmrWindowless: CheckHResult(config->SetRenderingMode(VMR9Mode_Windowless)); break;
    case vmrRenderless: CreateAllocator(config.Get()); break;
  }
}

void TVideoWindow::CreateAllocator(IVMRFilterConfig9* config) {
  if (!AllocatorClass) throw EGrefoException("Allocator class not set.");
  HRESULT result = S_OK;
  const TComRef<IUnknown> allocator = AllocatorClass(result, Handle(), nullptr, nullptr);
  if (FAILED(result)) throw EGrefoException("Error Creating Allocator", result);
  CheckHResult(config->SetRenderingMode(VMR9Mode_Renderless));
  const TComRef<IVMRSurfaceAllocatorNotify9> notify =
      Required<IVMRSurfaceAllocatorNotify9>(FRenderer.Get(), IID_IVMRSurfaceAllocatorNotify9);
  FAllocator = Required<IVMRSurfaceAllocator9>(allocator.Get(), IID_IVMRSurfaceAllocator9);
  notify->AdviseSurfaceAllocator(AllocatorUserID, FAllocator.Get());
  FAllocator->AdviseNotify(notify.Get());
}

void TVideoWindow::TakeRendererInterfaces() {
  if (FMode == vmNormal) {
    FRendererWindow = Required<IVideoWindow>(FRenderer.Get(), IID_IVideoWindow);
    return;
  }
  TComRef<IVMRFilterConfig9> config;
  if (!FRenderer || FRenderer->QueryInterface(IID_IVMRFilterConfig9, config.OutVoid()) != S_OK)
    return;
  ConfigureMixer(config.Get());
}

void TVideoWindow::ConfigureMixer(IVMRFilterConfig9* config) {
  TVMROptions& options = *FVMROptions;
  if (SetsStreams(options.FStreams, options.FPreferences)) {
    CheckHResult(config->SetNumberOfStreams(options.FStreams));
    DWORD streams = 0;
    CheckHResult(config->GetNumberOfStreams(&streams));
    options.FStreams = streams;
  }
  switch (options.FMode) {
    case vmrWindowed:
      FRendererWindow = Required<IVideoWindow>(FRenderer.Get(), IID_IVideoWindow);
      ApplyRenderingPreferences(config);
      break;
    case vmrWindowless:
      FWindowlessControl =
          Required<IVMRWindowlessControl9>(FRenderer.Get(), IID_IVMRWindowlessControl9);
      CheckHResult(FWindowlessControl->SetVideoClippingWindow(Handle()));
      ApplyRenderingPreferences(config);
      PlaceVideo();
      break;
    case vmrRenderless:
      break;
  }
  options.SetKeepAspectRatio(options.FKeepAspectRatio);
}

void TVideoWindow::ApplyRenderingPreferences(IVMRFilterConfig9* config) {
  TVMROptions& options = *FVMROptions;
  CheckHResult(config->SetRenderingPrefs(RenderingPrefsOf(options.FPreferences)));
  DWORD answer = 0;
  CheckHResult(config->GetRenderingPrefs(&answer));
  options.FPreferences = PreferencesReadBack(answer, options.FPreferences);
}

void TVideoWindow::StopRenderer() {
  if (!FRenderer) return;
  // The whole graph stops first: a renderer stopped and taken out while the source still
  // delivers is handed a sample without a clock, and the source's thread crashes. It stops
  // through the component, so that the components linked to it hear it; only a graph that is
  // being freed, and has let the window go, is stopped directly.
  FILTER_INFO info = {};
  TComRef<IFilterGraph> graph;
  if (SUCCEEDED(FRenderer->QueryFilterInfo(&info))) graph.Attach(info.pGraph);
  if (graph && FFilterGraph) FFilterGraph->Stop();
  else if (TComRef<IMediaControl> control = graph.As<IMediaControl>(IID_IMediaControl)) control->Stop();
  CheckHResult(FRenderer->Stop());
  TPinList pins(FRenderer.Get());
  for (int i = 0; i < pins.Count(); ++i) CheckHResult(pins.Pins(i)->Disconnect());
  // The allocator was told of the renderer and holds it: kept, it would keep the renderer
  // alive after its removal, whatever mode was chosen since.
  FAllocator.Clear();
}

bool TVideoWindow::RendererConnected() const {
  TPinList pins(FRenderer.Get());
  for (int i = 0; i < pins.Count(); ++i)
    if (pins.Connected(i)) return true;
  return false;
}

void TVMROptions::SetStreams(uint32_t value) {
  FStreams = ClampStreams(value);
  Changed();
}

void TVMROptions::SetPreferences(TVMRPreferences value) {
  FPreferences = value;
  Changed();
}

void TVMROptions::SetMode(TVMRVideoMode value) {
  FMode = value;
  Changed();
}

void TVMROptions::Changed() {
  if (FOwner->FMode == vmVMR && FOwner->LinkedToActiveGraph()) FOwner->Resupply();
}

void TVMROptions::SetKeepAspectRatio(bool value) {
  FKeepAspectRatio = value;
  if (FMode != vmrWindowed && FMode != vmrWindowless) return;
  TComRef<IVMRAspectRatioControl9> aspect;
  if (SUCCEEDED(FOwner->QueryInterface(IID_IVMRAspectRatioControl9, aspect.OutVoid())) && aspect)
    CheckHResult(aspect->SetAspectRatioMode(value ? VMR9ARMode_LetterBox : VMR9ARMode_None));
}

}  // namespace preview
