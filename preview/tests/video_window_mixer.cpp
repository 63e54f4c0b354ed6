// The video window's mixing renderer against a fake one: what Wine cannot draw through, its
// configuration and read-back and the allocator of renderless mode.
#include <float.h>

#include <gtest/gtest.h>

#include "preview/RendererFactory.h"
#include "preview/VideoWindow.h"
#include "preview/tests/graph_testing.h"

namespace preview {
namespace {

using namespace graph_testing;

// A mixing renderer that logs what it is told and answers what a test sets.
class FakeMixer
    : public TComponentInterfaces<IBaseFilter, IVMRFilterConfig9, IVMRWindowlessControl9,
                                  IVMRAspectRatioControl9, IVMRSurfaceAllocatorNotify9> {
public:
  explicit FakeMixer(Log& log) : FLog(log) {}
  DWORD StreamsAnswer = 8, PrefsAnswer = 0;
  bool HasConfig = true;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    IBaseFilter* self = this;
    return AnswerInterface(iid, IID_IUnknown, self, out) ||
                   AnswerInterface(iid, IID_IBaseFilter, self, out) ||
                   (HasConfig && AnswerInterface(iid, IID_IVMRFilterConfig9, static_cast<IVMRFilterConfig9*>(this), out)) ||
                   AnswerInterface(iid, IID_IVMRWindowlessControl9, static_cast<IVMRWindowlessControl9*>(this), out) ||
                   AnswerInterface(iid, IID_IVMRAspectRatioControl9, static_cast<IVMRAspectRatioControl9*>(this), out) ||
                   AnswerInterface(iid, IID_IVMRSurfaceAllocatorNotify9, static_cast<IVMRSurfaceAllocatorNotify9*>(this), out)
               ? S_OK
               : E_NOINTERFACE;
  }
  // IVMRFilterConfig9
  HRESULT STDMETHODCALLTYPE SetRenderingMode(DWORD mode) override { return Note("mode " + std::to_string(mode)); }
  HRESULT STDMETHODCALLTYPE SetNumberOfStreams(DWORD n) override { return Note("streams " + std::to_string(n)); }
  HRESULT STDMETHODCALLTYPE GetNumberOfStreams(DWORD* n) override { *n = StreamsAnswer; return S_OK; }
  HRESULT STDMETHODCALLTYPE SetRenderingPrefs(DWORD p) override { return Note("prefs " + std::to_string(p)); }
  HRESULT STDMETHODCALLTYPE GetRenderingPrefs(DWORD* p) override { *p = PrefsAnswer; return S_OK; }
  HRESULT STDMETHODCALLTYPE SetImageCompositor(IVMRImageCompositor9*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRenderingMode(DWORD*) override { return E_NOTIMPL; }
  // IVMRWindowlessControl9, and IVMRAspectRatioControl9 with the same aspect ratio methods
  HRESULT STDMETHODCALLTYPE SetVideoClippingWindow(HWND) override { return Note("clipping window"); }
  HRESULT STDMETHODCALLTYPE SetVideoPosition(const RECT* source, const RECT* dest) override {
    return Note("video " + std::string(source ? "source " : "") + std::to_string(dest->left) + " " +
                std::to_string(dest->top) + " " + std::to_string(dest->right) + " " + std::to_string(dest->bottom));
  }
  HRESULT STDMETHODCALLTYPE SetAspectRatioMode(DWORD mode) override { return Note("aspect " + std::to_string(mode)); }
  HRESULT STDMETHODCALLTYPE GetAspectRatioMode(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNativeVideoSize(LONG*, LONG*, LONG*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMinIdealVideoSize(LONG*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMaxIdealVideoSize(LONG*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVideoPosition(RECT*, RECT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RepaintVideo(HWND, HDC) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DisplayModeChanged() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCurrentImage(BYTE**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetBorderColor(COLORREF) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorderColor(COLORREF*) override { return E_NOTIMPL; }
  // IVMRSurfaceAllocatorNotify9
  HRESULT STDMETHODCALLTYPE AdviseSurfaceAllocator(DWORD_PTR id, IVMRSurfaceAllocator9* a) override {
    return Note("allocator " + std::to_string(id) + (a ? "" : " none"));
  }
  HRESULT STDMETHODCALLTYPE SetD3DDevice(IDirect3DDevice9*, HMONITOR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ChangeD3DDevice(IDirect3DDevice9*, HMONITOR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AllocateSurfaceHelper(VMR9AllocationInfo*, DWORD*, IDirect3DSurface9**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE NotifyEvent(LONG, LONG_PTR, LONG_PTR) override { return E_NOTIMPL; }
  // IBaseFilter: a filter without pins
  HRESULT STDMETHODCALLTYPE Stop() override { return Note("stop"); }
  HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }

private:
  HRESULT Note(const std::string& call) {
    FLog.push_back(call);
    return S_OK;
  }
  Log& FLog;
};

// A surface allocator that counts the references held to it.
class FakeAllocator : public IVMRSurfaceAllocator9 {
public:
  explicit FakeAllocator(Log& log) : FLog(log) {}
  int References = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return AnswerInterface(iid, IID_IUnknown, this, out) ||
                   AnswerInterface(iid, IID_IVMRSurfaceAllocator9, this, out)
               ? S_OK
               : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
  ULONG STDMETHODCALLTYPE Release() override { return --References; }
  HRESULT STDMETHODCALLTYPE AdviseNotify(IVMRSurfaceAllocatorNotify9* notify) override {
    FLog.push_back(notify ? "told of the renderer" : "told of none");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InitializeDevice(DWORD_PTR, VMR9AllocationInfo*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TerminateDevice(DWORD_PTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSurface(DWORD_PTR, DWORD, DWORD, IDirect3DSurface9**) override { return E_NOTIMPL; }
private:
  Log& FLog;
};

// A video window in mixing mode whose renderers are the fake, on a shown form.
class VideoWindowMixerTest : public ShownFormTest {
protected:
  static void SetUpTestSuite() { ShowForm("Mixing renderer test", Bounds(500, 60, 300, 200)); }
  void SetUp() override {
    SetRendererFactory([this](REFCLSID renderer, DWORD, TComRef<IBaseFilter>& filter) {
      if (!IsEqualCLSID(renderer, CLSID_VideoMixingRenderer9)) return REGDB_E_CLASSNOTREG;
      // The real one leaves the floating-point unit at single precision.
      _control87(_PC_24, _MCW_PC);
      filter = TComRef<IBaseFilter>(&mixer);
      return creation;
    });
    video = new TVideoWindow(form);
    video->SetParent(form);
    video->SetBounds(10, 10, 160, 120);
    video->SetMode(vmVMR);
  }
  void TearDown() override {
    SetRendererFactory(nullptr);
    form->DestroyComponents();
  }
  // The renderer joins a graph, as the graph's activation tells it.
  void Join() {
    video->NotifyFilter(foAdding, 0);
    video->NotifyFilter(foAdded, 0);
  }

  Log log;
  FakeMixer mixer{log};
  HRESULT creation = S_OK;
  TVideoWindow* video = nullptr;
};

TEST_F(VideoWindowMixerTest, AWindowlessMixerIsConfiguredAndItsAnswersAreKept) {
  ASSERT_EQ(video->Mode(), vmVMR);
  TVMROptions* options = video->VMROptions();
  options->SetMode(vmrWindowless);
  options->SetStreams(16);
  options->SetPreferences(PreferenceBit(vpForceMixer) | PreferenceBit(vpForceOffscreen));
  mixer.PrefsAnswer = 0x21;
  const unsigned word = _control87(0, 0);
  Join();
  EXPECT_EQ(_control87(0, 0), word) << "the floating-point control word is put back";
  EXPECT_EQ(log, (Log{"mode 2", "streams 16", "clipping window", "prefs 1", "video 0 0 160 120",
                      "aspect 1"}));
  EXPECT_EQ(options->Streams(), 8u) << "the renderer's count";
  EXPECT_EQ(options->Preferences(), PreferenceBit(vpForceMixer) | PreferenceBit(vpForceOffscreen) |
                                        PreferenceBit(vpPreferAGPMemWhenMixing));
  TComRef<IVMRWindowlessControl9> windowless =
      TComRef<IFilterProvider>(video).As<IVMRWindowlessControl9>(IID_IVMRWindowlessControl9);
  EXPECT_EQ(windowless.Get(), static_cast<IVMRWindowlessControl9*>(&mixer));

  // Four streams without the forced mixer are the renderer's own default: not set.
  video->SetBounds(10, 10, 200, 100);
  EXPECT_EQ(log.back(), "video 0 0 200 100") << "the video follows the control";
  log.clear();
  options->SetStreams(4);
  options->SetPreferences(0);
  options->SetKeepAspectRatio(false);
  Join();
  EXPECT_EQ(log, (Log{"aspect 0", "mode 2", "clipping window", "prefs 0", "video 0 0 200 100",
                      "aspect 0"}));
}

TEST_F(VideoWindowMixerTest, RenderlessModeNeedsAnAllocatorThatCanBeMade) {
  video->VMROptions()->SetMode(vmrRenderless);
  FakeAllocator allocator(log);
  struct Case { bool hasClass; HRESULT made; const char* message; };
  for (const Case& c : {Case{false, S_OK, "Allocator class not set."},
                        Case{true, E_OUTOFMEMORY, "Error Creating Allocator"}}) {
    video->AllocatorClass = nullptr;
    if (c.hasClass)
      video->AllocatorClass = [&](HRESULT& result, HWND, IDirect3D9*, IDirect3DDevice9*) {
        result = c.made;
        return TComRef<IUnknown>();
      };
    try {
      video->NotifyFilter(foAdding, 0);
      ADD_FAILURE() << c.message;
    } catch (const EGrefoException& e) {
      EXPECT_EQ(e.Message(), c.message);
      EXPECT_EQ(e.ErrorCode, c.hasClass ? c.made : 0) << c.message;
    }
  }
  EXPECT_TRUE(log.empty()) << Joined(log);

  HWND madeFor = nullptr;
  video->AllocatorClass = [&](HRESULT& result, HWND window, IDirect3D9*, IDirect3DDevice9*) {
    madeFor = window;
    result = S_OK;
    return TComRef<IUnknown>(&allocator);
  };
  video->AllocatorUserID = 7;
  Join();
  EXPECT_EQ(madeFor, video->Handle());
  // The default preferences force the mixer, so the stream count is set; renderless, the
  // renderer keeps no aspect ratio.
  EXPECT_EQ(log, (Log{"mode 4", "allocator 7", "told of the renderer", "streams 4"}));
  EXPECT_EQ(allocator.References, 1) << "held by the window";
  video->NotifyFilter(foRemoving, 0);
  video->NotifyFilter(foRemoved, 0);
  EXPECT_EQ(allocator.References, 0);
}

TEST_F(VideoWindowMixerTest, ARendererThatCannotBeMadeOrConfiguredRaises) {
  struct Case { HRESULT creation; bool hasConfig; HRESULT raised; };
  for (const Case& c : {Case{E_OUTOFMEMORY, true, E_OUTOFMEMORY}, Case{S_OK, false, E_NOINTERFACE}}) {
    creation = c.creation;
    mixer.HasConfig = c.hasConfig;
    try {
      video->NotifyFilter(foAdding, 0);
      ADD_FAILURE() << std::hex << c.creation;
    } catch (const EDirectShowException& e) {
      EXPECT_EQ(e.ErrorCode, c.raised) << e.Message();
    }
  }
  EXPECT_TRUE(log.empty()) << Joined(log);
}

}  // namespace
}  // namespace preview
