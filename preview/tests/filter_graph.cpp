#include "preview/Grefo.h"

#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "preview/tests/graph_testing.h"

namespace preview {
namespace {

using namespace graph_testing;

TEST_F(FilterGraphTest, AClipPlaysPausesAndStopsWithTheLinkedComponentsToldInOrder) {
  const std::wstring clip = Clip("preview-plain-4s.avi", 4, false);
  Link();
  EXPECT_TRUE(Calls().empty()) << "linked while inactive:\n" << Joined(log);
  graph->SetActive(true);
  graph->SetActive(true);   // already active: nothing more
  EXPECT_EQ(graph->RenderFile(clip), S_OK);
  EXPECT_TRUE(graph->Play());
  EXPECT_TRUE(Reaches(psPlaying)) << graph->GetState();
  EXPECT_TRUE(graph->Pause());
  EXPECT_TRUE(Reaches(psPaused)) << graph->GetState();
  EXPECT_TRUE(graph->Stop());
  EXPECT_TRUE(Reaches(psStopped)) << graph->GetState();
  graph->SetActive(false);
  EXPECT_EQ(Calls(), (Log{"provider 0 0", "provider 1 0", "activate", "sink control 7 1",
                          "sink control 3 0", "sink control 4 0", "sink control 0 0",
                          "sink control 1 0", "sink control 2 0",
                          "sink control 7 0", "provider 2 0", "provider 3 0"}))
      << Joined(log);
}

TEST_F(FilterGraphTest, InactiveItRendersNothingAndKeepsItsSettingsInRange) {
  graph->AddEventSink(&sink);
  EXPECT_EQ(graph->RenderFile(L"C:\\none.avi"), S_FALSE);
  EXPECT_EQ(graph->GetState(), psNone);
  EXPECT_FALSE(graph->Play());
  EXPECT_FALSE(graph->Stop());
  graph->ClearGraph();
  EXPECT_TRUE(log.empty()) << Joined(log);

  graph->SetVolume(20000);
  graph->SetBalance(-20000);
  EXPECT_EQ(graph->Volume(), 10000);
  EXPECT_EQ(graph->Balance(), -10000);
  graph->SetMode(gmCapture);   // inactive: only stored
  EXPECT_FALSE(graph->Active());
  EXPECT_EQ(graph->Mode(), gmCapture);
}

TEST_F(FilterGraphTest, ALogFileThatCannotBeMadeLeavesTheOldOne) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string log = std::string(folder) + "preview-graph.log";
  DeleteFileA(log.c_str());
  graph->SetActive(true);
  graph->SetLogFile(log);
  EXPECT_EQ(graph->LogFile(), log);
  EXPECT_NE(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES) << log;
  graph->SetLogFile("C:\\no such folder\\graph.log");
  EXPECT_EQ(graph->LogFile(), log);
  graph->SetActive(false);
  EXPECT_TRUE(DeleteFileA(log.c_str())) << "still held: " << log;
}

TEST_F(FilterGraphTest, AModeChangeRebuildsAnActiveGraph) {
  Link();
  graph->SetActive(true);
  log.clear();
  graph->SetMode(gmCapture);
  EXPECT_TRUE(graph->Active());
  EXPECT_TRUE(graph->Interface<ICaptureGraphBuilder2>(IID_ICaptureGraphBuilder2));
  EXPECT_EQ(Calls(), (Log{"sink control 7 0", "provider 2 0", "provider 3 0", "provider 0 0",
                          "provider 1 0", "activate", "sink control 7 1"}))
      << Joined(log);
}

TEST_F(FilterGraphTest, AGraphThatCannotBeMadeRaisesAndStaysInactive) {
  graph->AddEventSink(&sink);
  graph->SetMode(gmDVD);
  try {
    graph->SetActive(true);
    FAIL() << "activated in DVD mode";
  } catch (const EDirectShowException& e) {
    EXPECT_LT(e.ErrorCode, 0) << e.Message();
  }
  EXPECT_FALSE(graph->Active());
  EXPECT_FALSE(graph->Interface<IMediaControl>(IID_IMediaControl));
  EXPECT_TRUE(log.empty()) << Joined(log);
  graph->SetMode(gmNormal);
  graph->SetActive(true);
  EXPECT_TRUE(graph->Active());
}

TEST_F(FilterGraphTest, AnActivationThatFailsIsUndoneAndRaised) {
  FakeProvider failing(log, "failing");
  failing.FailAt = foAdded;
  Link({&provider, &failing});
  EXPECT_THROW(graph->SetActive(true), Exception);
  EXPECT_FALSE(graph->Active());
  EXPECT_FALSE(graph->Interface<IMediaControl>(IID_IMediaControl));
  // Each filter that joined leaves again; the sinks never heard of a graph.
  EXPECT_EQ(Calls(), (Log{"provider 0 0", "provider 1 0", "failing 0 0", "failing 1 0",
                          "failing 2 0", "failing 3 0", "provider 2 0", "provider 3 0"}))
      << Joined(log);

  // Linked while active, a provider that fails to join is not linked.
  graph->RemoveFilterProvider(&failing);
  graph->SetActive(true);
  EXPECT_THROW(graph->AddFilterProvider(&failing), Exception);
  log.clear();
  graph->SetActive(false);
  EXPECT_EQ(Calls(), (Log{"sink control 7 0", "provider 2 0", "provider 3 0"})) << Joined(log);
}

TEST_F(FilterGraphTest, ADeactivationCompletesAndThenRaisesWhatFailed) {
  FakeProvider failing(log, "failing");
  failing.FailAt = foRemoving;
  Link({&failing, &provider});
  graph->SetActive(true);
  log.clear();
  EXPECT_THROW(graph->SetActive(false), Exception);
  EXPECT_FALSE(graph->Active());
  EXPECT_FALSE(graph->Interface<IMediaControl>(IID_IMediaControl));
  EXPECT_EQ(Calls(), (Log{"sink control 7 0", "failing 2 0", "provider 2 0", "provider 3 0"}))
      << Joined(log);
  failing.FailAt = -1;
  graph->SetActive(true);
  EXPECT_TRUE(graph->Active());
  graph->RemoveFilterProvider(&failing);   // before it goes
}

// Components that link themselves to a graph and never unlink.
struct ComponentProvider : TComponent, FakeProvider {
  explicit ComponentProvider(Log& log) : TComponent(nullptr), FakeProvider(log, "component") {}
};
struct ComponentSink : TComponent, FakeSink {
  explicit ComponentSink(Log& log) : TComponent(nullptr), FakeSink(log, "component") {}
};

TEST_F(FilterGraphTest, AComponentThatGoesWhileLinkedIsForgotten) {
  for (const bool freed : {false, true}) {   // a bare delete, then Free
    TComponent* providing = new Poisoned<ComponentProvider>(log);
    TComponent* hearing = new Poisoned<ComponentSink>(log);
    graph->AddFilterProvider(dynamic_cast<IFilterProvider*>(providing));
    graph->AddEventSink(dynamic_cast<IGraphEventSink*>(hearing));
    if (freed) {
      providing->Free();
      hearing->Free();
    } else {
      delete providing;
      delete hearing;
    }
    log.clear();
    graph->SetActive(true);
    graph->BroadcastGraphEvent(1, 2, 3);
    graph->SetActive(false);
    EXPECT_EQ(log, (Log{"activate"})) << (freed ? "freed: " : "deleted: ") << Joined(log);
  }
}

TEST_F(FilterGraphTest, AGraphHeldLongerNoLongerReachesTheComponent) {
  const std::wstring clip = Clip("preview-plain-4s.avi", 4, false);
  int asked = 0;
  graph->OnSelectedFilter = [&](IMoniker*, const std::wstring&, GUID&) { return ++asked > 0; };
  graph->OnCreatedFilter = [&](IBaseFilter*, GUID&) { return ++asked > 0; };
  graph->SetActive(true);
  const TComRef<IGraphBuilder> held = graph->Interface<IGraphBuilder>(IID_IGraphBuilder);
  ASSERT_TRUE(held);
  graph->SetActive(false);
  delete graph;
  graph = nullptr;

  ASSERT_HRESULT_SUCCEEDED(held->AddFilter(provider.Filter(), L"Video Renderer"));
  EXPECT_EQ(held->RenderFile(clip.c_str(), nullptr), S_OK);
  EXPECT_EQ(asked, 0);
  TComRef<IUnknown> site;
  EXPECT_HRESULT_FAILED(held.As<IObjectWithSite>(IID_IObjectWithSite)
                            ->GetSite(IID_IAMGraphBuilderCallback, site.OutVoid()));
}

TEST_F(FilterGraphTest, ClearGraphKeepsOnlyTheProvidersFilterAndANewFileRenders) {
  const std::wstring toned = Clip("preview-tone-2s.avi", 2, true);
  const std::wstring plain = Clip("preview-plain-4s.avi", 4, false);
  graph->AddFilterProvider(&provider);
  graph->SetActive(true);
  // Without a sound device the tone cannot render: a partial success, the video still plays.
  EXPECT_GE(graph->RenderFile(toned), S_OK);
  TComRef<IFilterGraph> manager = graph->Interface<IFilterGraph>(IID_IFilterGraph);
  EXPECT_GT(FilterNames(manager.Get()).size(), 1u);
  EXPECT_TRUE(graph->Play());
  EXPECT_TRUE(Reaches(psPlaying));

  graph->ClearGraph();
  EXPECT_EQ(FilterNames(manager.Get()), std::vector<std::wstring>{L"Video Renderer"});
  EXPECT_FALSE(TPinList(provider.Filter()).Connected(0));

  EXPECT_EQ(graph->RenderFile(plain), S_OK);
  EXPECT_TRUE(TPinList(provider.Filter()).Connected(0));
  EXPECT_TRUE(graph->Play());
  EXPECT_TRUE(Reaches(psPlaying));
}

TEST_F(FilterGraphTest, AFileRenderedAfterAStopCountsFromZero) {
  const std::wstring clip = Clip("preview-plain-4s.avi", 4, false);
  graph->AddFilterProvider(&provider);
  graph->SetActive(true);
  graph->RenderFile(clip);
  graph->Play();
  EXPECT_TRUE(PumpUntil([&] { return PositionMs() >= 2000; })) << PositionMs();
  graph->Pause();
  graph->Stop();
  graph->ClearGraph();
  graph->RenderFile(clip);
  graph->Play();
  EXPECT_TRUE(Reaches(psPlaying));
  EXPECT_LT(PositionMs(), 1000);
}

TEST_F(FilterGraphTest, LinksChangedDuringABroadcastAreHonoured) {
  FakeSink second(log, "second"), third(log, "third"), late(log, "late");
  graph->AddEventSink(&sink);
  graph->AddEventSink(&second);
  graph->AddEventSink(&third);
  // The first sink unlinks the second and links another: the third is still told, once.
  bool relinked = false;
  sink.OnControlEvent = [&](LONG) {
    if (relinked) return;
    relinked = true;
    graph->RemoveEventSink(&second);
    graph->AddEventSink(&late);
  };
  graph->BroadcastControlEvent(5, 9);
  EXPECT_EQ(log, (Log{"sink control 5 9", "third control 5 9"}));

  log.clear();
  graph->RemoveFilterProvider(&provider);   // never linked: told nothing
  graph->RemoveEventSink(&sink);
  graph->BroadcastGraphEvent(1, 2, 3);
  EXPECT_EQ(log, (Log{"third graph 1 2 3", "late graph 1 2 3"}));
  graph->RemoveEventSink(&third);   // before they go
  graph->RemoveEventSink(&late);
}

TEST_F(FilterGraphTest, DestroyingAnActiveGraphUnlinksItsFilterAndTellsTheSinks) {
  const std::wstring clip = Clip("preview-plain-4s.avi", 4, false);
  Link();
  graph->SetActive(true);
  graph->RenderFile(clip);
  graph->Play();
  EXPECT_TRUE(Reaches(psPlaying));
  log.clear();
  delete graph;
  graph = nullptr;
  EXPECT_EQ(Calls(), (Log{"sink control 7 0", "provider 2 0", "provider 3 0"})) << Joined(log);
}

TEST_F(FilterGraphTest, TheSiteAsksTheHandlersAndAPinLeadsBackToTheComponent) {
  const std::wstring clip = Clip("preview-plain-4s.avi", 4, false);
  int selected = 0, created = 0;
  graph->OnSelectedFilter = [&](IMoniker*, const std::wstring&, GUID&) { return ++selected > 0; };
  graph->OnCreatedFilter = [&](IBaseFilter*, GUID&) { return ++created > 0; };
  graph->AddFilterProvider(&provider);
  graph->SetActive(true);
  EXPECT_EQ(graph->RenderFile(clip), S_OK);
  EXPECT_GT(selected + created, 0);

  // Without a property bag the filter has no name and a zero class.
  std::wstring name = L"unset";
  GUID classID = IID_IUnknown;
  graph->OnSelectedFilter = [&](IMoniker*, const std::wstring& n, GUID& c) {
    name = n;
    classID = c;
    return false;
  };
  EXPECT_EQ(graph->SelectedFilter(nullptr), E_FAIL);
  EXPECT_EQ(name, L"");
  EXPECT_TRUE(IsEqualGUID(classID, GUID_NULL));

  // A pin leads back to its component through its graph's service provider, which Wine's
  // graph lacks; a pin of a filter in no graph leads nowhere. Only a pin that leads back asks
  // the handler, and only its yes has the pin tried again.
  IPin* asked = nullptr;
  graph->OnUnableToRender = [&](IPin* pin) {
    asked = pin;
    return true;
  };
  const bool served = (bool)graph->Interface<IFilterGraph>(IID_IFilterGraph)
                          .As<IServiceProvider>(IID_IServiceProvider);
  const TComRef<IPin> pin = TPinList(provider.Filter()).Pins(0);
  EXPECT_EQ(graph->UnableToRender(pin.Get()), served ? S_OK : S_FALSE);
  EXPECT_EQ(asked, served ? pin.Get() : nullptr);

  asked = nullptr;
  TComRef<IBaseFilter> loose;
  CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                   loose.OutVoid());
  EXPECT_EQ(graph->UnableToRender(TPinList(loose.Get()).Pins(0).Get()), S_FALSE);
  EXPECT_EQ(graph->UnableToRender(nullptr), S_FALSE);
  EXPECT_EQ(asked, nullptr);
}

}  // namespace
}  // namespace preview
