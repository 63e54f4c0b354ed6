#include "preview/DSTrackBar.h"

#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "preview/tests/graph_testing.h"

namespace preview {
namespace {

using namespace graph_testing;

constexpr LONGLONG kSecond = 10000000;

class TTestTrackBar : public TDSTrackBar {
public:
  using TDSTrackBar::TDSTrackBar;
  using TDSTrackBar::TimerTick;
};

// Seeking that answers what a test sets and logs the seeks it is asked for.
class FakeSeeking : public TComponentInterfaces<IMediaSeeking> {
public:
  LONGLONG Duration = 0, Current = 0, Stop = 0;
  bool PositionsFail = false, StopFails = false;
  Log Seeks;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return AnswerInterface(iid, IID_IUnknown, this, out) ||
                   AnswerInterface(iid, IID_IMediaSeeking, this, out)
               ? S_OK
               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG* d) override { *d = Duration; return PositionsFail ? E_FAIL : S_OK; }
  HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* c) override { *c = Current; return PositionsFail ? E_FAIL : S_OK; }
  HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG* s) override {
    if (StopFails) return E_NOTIMPL;   // and writes nothing
    *s = Stop;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop,
                                         DWORD stopFlags) override {
    Seeks.push_back(std::to_string(*current) + " " + std::to_string(currentFlags) + " " +
                    std::to_string(*stop) + " " + std::to_string(stopFlags));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG*, const GUID*, LONGLONG, const GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG*, LONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetRate(double) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRate(double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG*) override { return E_NOTIMPL; }
};

// A graph whose seeking is the fake, active or not.
class TSeekingGraph : public TFilterGraph {
public:
  explicit TSeekingGraph(FakeSeeking& seeking) : TFilterGraph(nullptr), FSeeking(seeking) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IMediaSeeking)) return FSeeking.QueryInterface(iid, out);
    return TFilterGraph::QueryInterface(iid, out);
  }
private:
  FakeSeeking& FSeeking;
};

// A shown form with the slider on it.
class TrackBarTest : public ShownFormTest {
protected:
  static void SetUpTestSuite() { ShowForm("Track bar test", Bounds(60, 420, 420, 120)); }
  void SetUp() override {
    bar = new TTestTrackBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 380, 30);
    bar->SetOnTimer([this](TObject*, uint32_t current, uint32_t stop) {
      ticks.push_back(std::to_string(current) + " of " + std::to_string(stop) + ": " +
                      std::to_string(bar->Position()) + " of " + std::to_string(bar->Max()));
    });
  }
  void TearDown() override { form->DestroyComponents(); }
  // A press and a release on the slider's thumb, where they move nothing.
  LPARAM ThumbCentre() {
    RECT thumb;
    SendMessageA(bar->Handle(), TBM_GETTHUMBRECT, 0, (LPARAM)&thumb);
    return MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
  }
  void Press(UINT down) {
    SendMessageA(bar->Handle(), down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, ThumbCentre());
  }
  void Release(UINT up) { SendMessageA(bar->Handle(), up, 0, ThumbCentre()); }
  void Click() {
    Press(WM_LBUTTONDOWN);
    Release(WM_LBUTTONUP);
  }

  TTestTrackBar* bar = nullptr;
  Log ticks;
};

class TrackBarSeekingTest : public TrackBarTest {
protected:
  void SetUp() override {
    TrackBarTest::SetUp();
    bar->SetFilterGraph(&graph);
    bar->ControlEvent(ceActive, 1);   // as the graph's activation does
    seeking.Duration = seeking.Stop = 90500 * 10000LL;
    seeking.Current = 45200 * 10000LL;
  }
  void TearDown() override {
    bar->SetFilterGraph(nullptr);
    TrackBarTest::TearDown();
  }
  FakeSeeking seeking;
  TSeekingGraph graph{seeking};
};

TEST_F(TrackBarSeekingTest, ATickScalesTheSliderToWholeIntervals) {
  struct Case { uint32_t interval; bool fails; const char* tick; };
  for (const Case& c : {
           Case{1000, false, "45200 of 90500: 45 of 90"},
           Case{250, false, "45200 of 90500: 180 of 362"},
           Case{100000, false, "45200 of 90500: 0 of 0"},   // shorter than one interval
           Case{1000, true, nullptr},                        // the graph cannot say
       }) {
    ticks.clear();
    bar->SetMax(7);
    bar->SetTimerInterval(c.interval);
    seeking.PositionsFail = c.fails;
    bar->TimerTick();
    EXPECT_EQ(ticks, c.tick ? Log{c.tick} : Log{}) << c.interval;
    if (!c.tick) EXPECT_EQ(bar->Max(), 7) << "a failed query changes nothing";
  }
}

TEST_F(TrackBarSeekingTest, ALeftReleaseSeeksToItsShareAndEveryReleaseEndsTracking) {
  bar->TimerTick();   // 45 of 90
  bar->SetPosition(30);
  Click();
  EXPECT_EQ(seeking.Seeks, (Log{"301666666 1 905000000 0"})) << "a third of the stop position";

  // While the left button is down a tick changes nothing and calls no handler.
  ticks.clear();
  Press(WM_LBUTTONDOWN);
  bar->TimerTick();
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(bar->Position(), 30);
  Release(WM_LBUTTONUP);

  // A slider of no steps, a stop position that cannot be had and a right button seek nowhere,
  // and each release ends tracking: the tick after it moves the slider.
  seeking.Seeks.clear();
  for (int c = 0; c < 3; ++c) {
    bar->SetMax(c == 0 ? 0 : 90);
    bar->SetPosition(30);
    seeking.StopFails = c == 1;
    Press(c == 2 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN);
    Release(c == 2 ? WM_RBUTTONUP : WM_LBUTTONUP);
    EXPECT_TRUE(seeking.Seeks.empty()) << "case " << c << ": " << Joined(seeking.Seeks);
    ticks.clear();
    bar->TimerTick();
    EXPECT_EQ(ticks, Log{"45200 of 90500: 45 of 90"}) << "case " << c;
  }
}

TEST_F(TrackBarSeekingTest, ANewClockStartsTheMediumOverAndADeactivationEndsSeeking) {
  bar->GraphEvent(EC_CLOCK_CHANGED, 0, 0);
  bar->GraphEvent(EC_COMPLETE, 0, 0);
  EXPECT_EQ(seeking.Seeks, (Log{"0 1 905000000 0"}));
  bar->ControlEvent(ceActive, 0);
  bar->GraphEvent(EC_CLOCK_CHANGED, 0, 0);
  bar->TimerTick();
  EXPECT_EQ(seeking.Seeks.size(), 1u);
  EXPECT_TRUE(ticks.empty());
}

// With a real graph playing a 9-second clip.
class TrackBarPlayingTest : public TrackBarTest {
protected:
  void SetUp() override {
    TrackBarTest::SetUp();
    graph->AddFilterProvider(&provider);
    bar->SetFilterGraph(graph);
    graph->SetActive(true);
    EXPECT_EQ(graph->RenderFile(Clip("preview-plain-9s.avi", 9, false)), S_OK);
  }
  void TearDown() override {
    TrackBarTest::TearDown();
    delete graph;
  }
  int64_t PositionMs() {
    LONGLONG position = -1;
    graph->Interface<IMediaSeeking>(IID_IMediaSeeking)->GetCurrentPosition(&position);
    return RefTimeToMs(position);
  }
  Log log;
  FakeProvider provider{log};
  TFilterGraph* graph = new TFilterGraph(nullptr);
};

TEST_F(TrackBarPlayingTest, TicksFollowThePlayAndAReleaseSeeks) {
  bar->SetTimerInterval(250);
  uint32_t lastCurrent = 0, lastStop = 0;
  bar->SetOnTimer([&](TObject*, uint32_t current, uint32_t stop) {
    lastCurrent = current;
    lastStop = stop;
    ticks.push_back(std::to_string(bar->Position()) + " of " + std::to_string(bar->Max()) +
                    (bar->Position() == int(current / 250) && bar->Max() == int(stop / 250) ? "" : " wrong"));
  });
  ASSERT_TRUE(graph->Play());
  ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 3 && lastCurrent >= 1000; })) << Joined(ticks);
  EXPECT_EQ(lastStop, 9000u);
  EXPECT_EQ(ticks.back(), std::to_string(lastCurrent / 250) + " of 36") << Joined(ticks);

  // Paused, the ticks stop and the slider stays; a release at a third seeks to 3 s.
  graph->Pause();
  ticks.clear();
  bar->SetPosition(12);
  Click();
  EXPECT_TRUE(PumpUntil([&] { return PositionMs() == 3000; })) << PositionMs();
  EXPECT_TRUE(ticks.empty()) << Joined(ticks);
  EXPECT_EQ(bar->Position(), 12);

  // The rewind of a new clock, which Wine announces only at the first run.
  bar->GraphEvent(EC_CLOCK_CHANGED, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return PositionMs() == 0; })) << PositionMs();
}

TEST_F(TrackBarPlayingTest, AtIntervalZeroNoTimerRunsAndTheSliderMayGoWhilePlaying) {
  bar->SetTimerInterval(0);
  ASSERT_TRUE(graph->Play());
  EXPECT_TRUE(PumpUntil([&] { return PositionMs() >= 1500; })) << PositionMs();
  EXPECT_TRUE(ticks.empty()) << Joined(ticks);

  bar->SetTimerInterval(100);   // running again, then gone while it runs
  EXPECT_TRUE(PumpUntil([&] { return !ticks.empty(); }));
  delete bar;
  const int64_t gone = PositionMs();
  EXPECT_TRUE(PumpUntil([&] { return PositionMs() >= gone + 500; })) << PositionMs();
}

}  // namespace
}  // namespace preview
