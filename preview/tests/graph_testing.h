// Helpers of the filter graph tests: a sink and a provider that write what reaches them into one
// log, a generated clip, and message pumping until a condition holds.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/ComObj.h"
#include "framework/Forms.h"
#include "preview/Grefo.h"
#include "testing/driver/clips.h"
#include "testing/driver/fixture.h"
#include "testing/driver/poisoned.h"

namespace graph_testing {

using Log = std::vector<std::string>;

// Handles messages until done() holds or the limit passes; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 20000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > limitMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

inline std::string Hex(long value) {
  char text[16];
  snprintf(text, sizeof text, "%lx", (unsigned long)value);
  return text;
}

using driver::Poisoned;

class FakeSink : public TComponentInterfaces<preview::IGraphEventSink> {
public:
  FakeSink(Log& log, std::string name) : FLog(log), FName(std::move(name)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return AnswerInterface(iid, IID_IUnknown, this, out) ||
                   AnswerInterface(iid, preview::IID_IGraphEventSink, this, out)
               ? S_OK
               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE GraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) override {
    FLog.push_back(FName + " graph " + Hex(event) + " " + Hex((long)param1) + " " + Hex((long)param2));
    if (OnGraphEvent) OnGraphEvent(event);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ControlEvent(LONG event, LONG param) override {
    FLog.push_back(FName + " control " + std::to_string(event) + " " + std::to_string(param));
    if (OnControlEvent) OnControlEvent(event);
    return S_OK;
  }
  std::function<void(LONG)> OnGraphEvent, OnControlEvent;

private:
  Log& FLog;
  std::string FName;
};

// Supplies the classic video renderer, the one Wine can show video with. It raises when told
// the operation FailAt.
class FakeProvider : public TComponentInterfaces<preview::IFilterProvider> {
public:
  explicit FakeProvider(Log& log, std::string name = "provider") : FLog(log), FName(std::move(name)) {
    CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                     FFilter.OutVoid());
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    return AnswerInterface(iid, IID_IUnknown, this, out) ||
                   AnswerInterface(iid, preview::IID_IFilterProvider, this, out)
               ? S_OK
               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE GetFilter(IBaseFilter** filter) override {
    *filter = FFilter.Get();
    if (*filter) (*filter)->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetName(std::string& name) override {
    name = "Video Renderer";
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE NotifyFilter(DWORD operation, DWORD param) override {
    FLog.push_back(FName + " " + std::to_string(operation) + " " + std::to_string(param));
    if ((int)operation == FailAt) throw Exception(FName + " failed");
    return S_OK;
  }
  IBaseFilter* Filter() const { return FFilter.Get(); }
  int FailAt = -1;

private:
  Log& FLog;
  std::string FName;
  TComRef<IBaseFilter> FFilter;
};

// A solid-colour uncompressed clip made once per name by the real encoder, in the temp folder.
inline std::wstring Clip(const std::string& name, double seconds, bool withTone) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    EXPECT_TRUE(driver::GenerateColourClip(driver::RealEncoderPath(), path, seconds, 160, 120,
                                           withTone))
        << path;
  }
  return std::wstring(path.begin(), path.end());
}

// The names of the filters in a graph, in its order.
inline std::vector<std::wstring> FilterNames(IFilterGraph* graph) {
  std::vector<std::wstring> names;
  preview::TFilterList filters(graph);
  for (int i = 0; i < filters.Count(); ++i) {
    FILTER_INFO info = {};
    filters.Filters(i)->QueryFilterInfo(&info);
    if (info.pGraph) info.pGraph->Release();
    names.push_back(info.achName);
  }
  return names;
}

// A form shown for a suite of tests, freed after it: hiding a shown window costs Wine seconds
// without a window manager, so each suite keeps one.
class ShownFormTest : public ::testing::Test {
protected:
  static void ShowForm(const char* caption, const TRect& bounds) {
    form = New<TForm>(nullptr);
    form->SetBoundsRect(bounds);
    form->SetCaption(caption);
    form->Show();
  }
  static void TearDownTestSuite() { TObject::FreeAndNil(form); }
  static inline TForm* form = nullptr;
};

inline std::string Joined(const Log& log) {
  std::string text;
  for (const std::string& line : log) text += line + "\n";
  return text;
}

// A graph with a sink and a provider that log into one log, and OnActivate logging too.
class FilterGraphTest : public ::testing::Test {
protected:
  void SetUp() override { graph->OnActivate = [this](TObject*) { log.push_back("activate"); }; }
  void TearDown() override { delete graph; }

  // The control and provider calls, without the graph events that came meanwhile.
  Log Calls() const {
    Log calls;
    std::copy_if(log.begin(), log.end(), std::back_inserter(calls),
                 [](const std::string& line) { return line.find(" graph ") == std::string::npos; });
    return calls;
  }
  bool Reaches(preview::TGraphPlayState state) {
    return PumpUntil([&] { return graph->GetState() == state; });
  }
  int64_t PositionMs() {
    LONGLONG position = -1;
    graph->Interface<IMediaSeeking>(IID_IMediaSeeking)->GetCurrentPosition(&position);
    return preview::RefTimeToMs(position);
  }
  // Links the providers in their order, then the sink.
  void Link(std::initializer_list<FakeProvider*> providers) {
    for (FakeProvider* each : providers) graph->AddFilterProvider(each);
    graph->AddEventSink(&sink);
  }
  void Link() { Link({&provider}); }

  Log log;
  FakeSink sink{log, "sink"};
  FakeProvider provider{log};
  preview::TFilterGraph* graph = new Poisoned<preview::TFilterGraph>(nullptr);
};

}  // namespace graph_testing
