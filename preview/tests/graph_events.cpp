#include "preview/Grefo.h"

#include <dvdevcod.h>
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "preview/tests/graph_testing.h"

namespace preview {
namespace {

using namespace graph_testing;

// The events of an active graph, queued by hand through the graph's own event sink, and the
// handlers that log them.
class GraphEventsTest : public FilterGraphTest {
protected:
  void SetUp() override { Build(); }
  void Build() {
    graph->AddEventSink(&sink);
    graph->OnDSEvent = [this](TComponent* sender, LONG event, LONG_PTR, LONG_PTR) {
      log.push_back("ds " + Hex(event) + (sender == graph ? "" : " from another"));
    };
    graph->OnGraphVideoSizeChanged = [this](TObject*, int width, int height) {
      log.push_back("size " + std::to_string(width) + " " + std::to_string(height));
    };
    graph->SetActive(true);
    log.clear();
    events = graph->Interface<IMediaEventSink>(IID_IMediaEventSink);
    ASSERT_TRUE(events);
  }
  void TearDown() override {
    Application->OnException = nullptr;
    FilterGraphTest::TearDown();
  }
  void Queue(LONG event, LONG_PTR param1, LONG_PTR param2) {
    ASSERT_HRESULT_SUCCEEDED(events->Notify(event, param1, param2)) << Hex(event);
  }
  // What the graph's own announcement would do, before any of its posted ones arrives.
  void Announce() { SendMessageA(graph->EventWindow(), WM_APP + 1, 0, 0); }
  Log Events() const {
    Log events;
    std::copy_if(log.begin(), log.end(), std::back_inserter(events),
                 [](const std::string& line) { return line.find(" control ") == std::string::npos; });
    return events;
  }

  TComRef<IMediaEventSink> events;
};

TEST_F(GraphEventsTest, EveryEventQueuedBeforeOneAnnouncementIsHandled) {
  Queue(EC_VIDEO_SIZE_CHANGED, MAKELONG(640, 480), 0);
  Queue(EC_USER + 1, 7, 8);
  Queue(EC_DVD_DOMAIN_CHANGE, 9, 0);   // no domain of that number: sinks and OnDSEvent only
  Announce();
  EXPECT_EQ(Events(), (Log{"sink graph a 1e00280 0", "ds a", "size 640 480",
                           "sink graph 8001 7 8", "ds 8001",
                           "sink graph 101 9 0", "ds 101"}));
}

TEST_F(GraphEventsTest, AThrowingHandlerIsReportedAndTheEventsAfterItStillArrive) {
  TObject* reportedFor = nullptr;
  Application->OnException = [&](TObject* sender, const Exception& e) {
    reportedFor = sender;
    log.push_back("reported " + e.Message());
  };
  graph->OnDSEvent = [this](TComponent*, LONG event, LONG_PTR, LONG_PTR) {
    if (event == EC_USER + 1) throw Exception("handler failed");
    log.push_back("ds " + Hex(event));
  };
  Queue(EC_USER + 1, 1, 0);
  Queue(EC_USER + 2, 2, 0);
  Announce();
  EXPECT_EQ(Events(), (Log{"sink graph 8001 1 0", "reported handler failed"}));
  EXPECT_EQ(reportedFor, graph);
  log.clear();
  Announce();
  EXPECT_EQ(Events(), (Log{"sink graph 8002 2 0", "ds 8002"}));
}

TEST_F(GraphEventsTest, AHandlerThatDeactivatesTheGraphEndsTheDrain) {
  graph->OnDSEvent = [this](TComponent*, LONG event, LONG_PTR, LONG_PTR) {
    log.push_back("ds " + Hex(event));
    graph->SetActive(false);
  };
  Queue(EC_USER + 1, 1, 0);
  Queue(EC_USER + 2, 2, 0);
  Announce();
  EXPECT_FALSE(graph->Active());
  EXPECT_EQ(log, (Log{"sink graph 8001 1 0", "ds 8001", "sink control 7 0"}));
}

TEST_F(GraphEventsTest, AHandlerThatFreesTheGraphEndsTheDispatch) {
  struct Case { const char* frees; Log seen; };
  for (const Case& c : {
           Case{"sink", {"sink graph a 1e00280 0"}},
           Case{"ds", {"sink graph a 1e00280 0", "ds a"}},
           Case{"size", {"sink graph a 1e00280 0", "ds a", "size 640 480"}},
       }) {
    if (!graph) {
      graph = new Poisoned<TFilterGraph>(nullptr);
      Build();
    }
    const std::string frees = c.frees;
    const auto free = [&](const char* step) {
      if (frees != step) return;
      delete graph;
      graph = nullptr;
    };
    sink.OnGraphEvent = [&](LONG) { free("sink"); };
    graph->OnDSEvent = [&, this](TComponent*, LONG event, LONG_PTR, LONG_PTR) {
      log.push_back("ds " + Hex(event));
      free("ds");
    };
    graph->OnGraphVideoSizeChanged = [&, this](TObject*, int width, int height) {
      log.push_back("size " + std::to_string(width) + " " + std::to_string(height));
      free("size");
    };
    Queue(EC_VIDEO_SIZE_CHANGED, MAKELONG(640, 480), 0);
    Queue(EC_USER + 1, 1, 0);
    Announce();
    EXPECT_EQ(graph, nullptr) << c.frees;
    EXPECT_EQ(Events(), c.seen) << c.frees;
    events.Clear();
    log.clear();
  }
  sink.OnGraphEvent = nullptr;
}

TEST_F(GraphEventsTest, TheEndOfAClipReachesTheSinkOnDSEventAndOnGraphCompleteInOrder) {
  HRESULT completed = E_PENDING;
  graph->OnGraphComplete = [&](TObject*, HRESULT result, IBaseFilter*) {
    completed = result;
    log.push_back("complete " + Hex(result));
  };
  graph->AddFilterProvider(&provider);
  ASSERT_EQ(graph->RenderFile(Clip("preview-plain-2s.avi", 2, false)), S_OK);
  ASSERT_TRUE(graph->Play());
  EXPECT_TRUE(PumpUntil([&] { return completed != E_PENDING; })) << Joined(log);
  const Log seen = Events();
  const auto end = std::find_if(seen.begin(), seen.end(), [](const std::string& line) {
    return line.rfind("sink graph 1 ", 0) == 0;
  });
  ASSERT_GE(std::distance(end, seen.end()), 3) << Joined(seen);
  EXPECT_EQ(*(end + 1), "ds 1");
  EXPECT_EQ(*(end + 2), "complete 0");
}

}  // namespace
}  // namespace preview
