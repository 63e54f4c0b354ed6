#include "preview/VideoWindow.h"

#include <gtest/gtest.h>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "preview/RendererFactory.h"
#include "preview/tests/graph_testing.h"
#include "preview/tests/screen_pixels.h"

namespace preview {
namespace {

using namespace graph_testing;

template <class I> TComRef<I> Ask(TVideoWindow* video, REFIID iid) {
  return TComRef<IFilterProvider>(video).As<I>(iid);
}

// A shown form with a panel, and a video window on the panel linked to a graph.
class VideoWindowTest : public ShownFormTest {
protected:
  static void SetUpTestSuite() { ShowForm("Video window test", Bounds(60, 60, 420, 320)); }
  void SetUp() override {
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 380, 260);
    panel->SetColor(clWhite);
    video = new TVideoWindow(form);
    video->SetName("VideoWindow1");
    video->SetParent(panel);
    video->SetBounds(20, 30, 160, 120);
    video->Loaded();   // as the form's loading does: the saved styles are read
    video->SetFilterGraph(graph);
  }
  void TearDown() override {
    delete graph;
    form->DestroyComponents();
  }
  void Play(const std::wstring& clip) {
    graph->SetActive(true);
    EXPECT_GE(graph->RenderFile(clip), S_OK);
    EXPECT_TRUE(graph->Play());
    EXPECT_TRUE(PumpUntil([&] { return graph->GetState() == psPlaying; }));
  }
  TComRef<IFilterGraph> Manager() const { return graph->Interface<IFilterGraph>(IID_IFilterGraph); }
  // The renderer's window among the panel's children, by the text the video window gave it.
  HWND RendererWindow() const { return FindWindowExA(panel->Handle(), nullptr, nullptr, "VideoWindow1"); }
  TRect RectInPanel(HWND window) const {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, panel->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  TPanel* panel = nullptr;
  TVideoWindow* video = nullptr;
  TFilterGraph* graph = new Poisoned<TFilterGraph>(nullptr);
};

TEST_F(VideoWindowTest, TheRendererWindowLiesOnTheControlShowsTheClipAndFollowsResizes) {
  EXPECT_EQ(video->VideoHandle(), (HANDLE)video->Canvas()->Handle()) << "no renderer yet";
  Play(Clip("preview-plain-9s.avi", 9, false));
  HWND renderer = RendererWindow();
  ASSERT_TRUE(renderer) << "no child of the panel is named after the control";
  EXPECT_TRUE(IsWindowVisible(renderer));
  EXPECT_EQ(RectInPanel(renderer), video->BoundsRect());

  EXPECT_NO_THROW(graph->Pause());
  EXPECT_NO_THROW(graph->Play());
  EXPECT_EQ(RectInPanel(renderer), video->BoundsRect()) << "after pause and play";

  video->SetBounds(40, 50, 200, 150);
  EXPECT_EQ(RectInPanel(renderer), TRect(40, 50, 240, 200));

  // The clip's blue is on the screen over the control, the panel's white around it.
  ASSERT_TRUE(PumpUntil([&] {
    const ScreenPixels screen = ScreenPixels::Take("preview-video-window.ppm");
    const TPoint inside = video->ClientToScreen(TPoint(100, 75));
    const TPoint outside = video->ClientToScreen(TPoint(-10, -10));
    return screen.IsBlue(inside.x, inside.y) && screen.IsWhite(outside.x, outside.y);
  }, 30000)) << "see preview-video-window.ppm in the temp folder";
}

TEST_F(VideoWindowTest, AClickOnTheVideoReachesTheControlsMouseEvents) {
  std::vector<std::string> mouse;
  video->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
    mouse.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  video->OnClick = [&](TObject*) { mouse.push_back("click"); };
  Play(Clip("preview-plain-9s.avi", 9, false));
  HWND renderer = RendererWindow();
  ASSERT_TRUE(renderer && IsWindowVisible(renderer) && IsWindowEnabled(renderer));
  PostMessageA(renderer, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
  PostMessageA(renderer, WM_LBUTTONUP, 0, MAKELPARAM(30, 40));
  EXPECT_TRUE(PumpUntil([&] { return mouse.size() >= 2; }));
  EXPECT_EQ(mouse, (std::vector<std::string>{"down 0 30,40", "click"}));
}

TEST_F(VideoWindowTest, FullScreenWaitsForThePlayAndTheWayBackRestoresThePlace) {
  int contextPopups = 0;
  video->OnContextPopup = [&](TObject*, TPoint, bool&) { ++contextPopups; };
  video->SetFullScreen(true);
  EXPECT_TRUE(video->FullScreen()) << "kept for the next play";
  Play(Clip("preview-plain-9s.avi", 9, false));
  HWND renderer = FindWindowA(nullptr, "VideoWindow1");
  ASSERT_TRUE(renderer);
  RECT r;
  GetWindowRect(renderer, &r);
  EXPECT_EQ(TRect(r), TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  EXPECT_NE(GetParent(renderer), panel->Handle());
  // Without a popup menu a right click in full screen does nothing, not even ask the control.
  EXPECT_EQ(video->Perform(WM_CONTEXTMENU, (WPARAM)video->Handle(), MAKELPARAM(5, 5)), 0);
  EXPECT_EQ(contextPopups, 0);

  video->SetFullScreen(false);
  EXPECT_EQ(GetParent(renderer), panel->Handle());
  EXPECT_EQ(RectInPanel(renderer), video->BoundsRect());
  video->Perform(WM_CONTEXTMENU, (WPARAM)video->Handle(), MAKELPARAM(5, 5));
  EXPECT_EQ(contextPopups, 1);
}

TEST_F(VideoWindowTest, TheMixingRendererIsTakenWhereItCanBeMadeAndItsRefusalsRaise) {
  // Where it cannot be made the classic renderer stays.
  SetRendererFactory([](REFCLSID, DWORD, TComRef<IBaseFilter>&) { return REGDB_E_CLASSNOTREG; });
  video->SetMode(vmVMR);
  SetRendererFactory(nullptr);
  EXPECT_EQ(video->Mode(), vmNormal);

  graph->SetActive(true);
  ASSERT_TRUE(Ask<IVideoWindow>(video, IID_IVideoWindow)) << "the classic renderer's";
  // Wine makes the mixing renderer but refuses its rendering preferences, so a windowed one
  // raises once it has joined the graph: it leaves the graph again, and the window is unlinked.
  try {
    video->SetMode(vmVMR);
    FAIL() << "the mixing renderer took its preferences";
  } catch (const EDirectShowException& e) {
    EXPECT_EQ(e.ErrorCode, E_NOTIMPL) << e.Message();
  }
  EXPECT_EQ(video->Mode(), vmVMR);
  EXPECT_EQ(video->FilterGraph(), nullptr);
  EXPECT_FALSE(Ask<IVMRFilterConfig9>(video, IID_IVMRFilterConfig9)) << "the refused renderer kept";
  EXPECT_TRUE(FilterNames(Manager().Get()).empty());
  video->SetMode(vmNormal);
  video->SetFilterGraph(graph);
  EXPECT_FALSE(Ask<IVMRFilterConfig9>(video, IID_IVMRFilterConfig9));
  EXPECT_EQ(FilterNames(Manager().Get()), std::vector<std::wstring>{L"VideoWindow1"});
}

TEST_F(VideoWindowTest, AWindowWhoseRendererCannotJoinIsNotLinkedAndMayGo) {
  TVideoWindow* lone = new Poisoned<TVideoWindow>(form);
  graph->SetActive(true);
  SetRendererFactory([](REFCLSID, DWORD, TComRef<IBaseFilter>&) { return E_OUTOFMEMORY; });
  try {
    lone->SetFilterGraph(graph);
    FAIL() << "linked without a renderer";
  } catch (const EDirectShowException& e) {
    EXPECT_EQ(e.ErrorCode, E_OUTOFMEMORY) << e.Message();
  }
  SetRendererFactory(nullptr);
  EXPECT_EQ(lone->FilterGraph(), nullptr);
  EXPECT_EQ(FilterNames(Manager().Get()), std::vector<std::wstring>{L"VideoWindow1"});
  // Gone, the window is reached through the graph no more.
  lone->Free();
  graph->SetActive(false);
  graph->SetActive(true);
  EXPECT_EQ(FilterNames(Manager().Get()), std::vector<std::wstring>{L"VideoWindow1"});
}

TEST_F(VideoWindowTest, ANewRendererDuringPlayStopsTheGraphThroughTheComponent) {
  Log log;
  FakeSink sink(log, "sink");
  graph->AddEventSink(&sink);
  Play(Clip("preview-plain-9s.avi", 9, false));
  log.clear();
  video->SetMode(vmNormal);   // the same kind of renderer, made anew
  EXPECT_EQ(graph->GetState(), psStopped);
  EXPECT_NE(std::find(log.begin(), log.end(), "sink control 2 0"), log.end()) << Joined(log);
  graph->RemoveEventSink(&sink);
}

TEST_F(VideoWindowTest, StreamCountsOutsideOneToSixteenReadBackAsOne) {
  for (uint32_t streams : {0u, 17u, 16u}) {
    video->VMROptions()->SetStreams(streams);
    EXPECT_EQ(video->VMROptions()->Streams(), streams == 16 ? 16u : 1u) << streams;
  }
}

}  // namespace
}  // namespace preview
