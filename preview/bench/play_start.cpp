// How long a play start takes through the preview components against a bare graph: the same
// clip rendered once through a filter graph with a video window and a position slider on a
// shown form, and once through a graph made directly with the classic renderer; each is
// stopped and played again many times, timing Play until the graph runs.
// Run under Wine: scripts/wine-run.sh <build>/preview/preview_bench.exe [plays]
#include <windows.h>
#include <dshow.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "preview/DSTrackBar.h"
#include "preview/VideoWindow.h"
#include "testing/driver/clips.h"
#include "testing/driver/fixture.h"

namespace {

constexpr DWORD kLimitMs = 20000;

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return double(now.QuadPart) / double(frequency.QuadPart);
}

// Handles messages until done() holds; false at the limit.
bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > kLimitMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return true;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

int Fail(const char* what) {
  std::fprintf(stderr, "benchmark failed: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string clip = std::string(folder) + "preview-bench-9s.avi";
  if (!driver::GenerateColourClip(driver::RealEncoderPath(), clip, 9, 160, 120, false))
    return Fail("the clip could not be made");
  const std::wstring wideClip(clip.begin(), clip.end());

  TForm* form = New<TForm>(nullptr);
  form->SetBounds(60, 60, 400, 300);
  form->Show();
  auto* graph = new preview::TFilterGraph(form);
  auto* video = new preview::TVideoWindow(form);
  video->SetName("VideoWindow1");
  video->SetParent(form);
  video->SetBounds(10, 10, 160, 120);
  video->Loaded();
  video->SetFilterGraph(graph);
  auto* slider = new preview::TDSTrackBar(form);
  slider->SetParent(form);
  slider->SetBounds(10, 140, 300, 30);
  slider->SetFilterGraph(graph);
  slider->SetOnTimer([](TObject*, uint32_t, uint32_t) {});
  graph->SetActive(true);
  if (graph->RenderFile(wideClip) != S_OK) return Fail("the components could not render the clip");

  TComRef<IGraphBuilder> bare;
  TComRef<IBaseFilter> renderer;
  CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, bare.OutVoid());
  CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, renderer.OutVoid());
  if (!bare || !renderer) return Fail("no bare graph");
  bare->AddFilter(renderer.Get(), L"Video Renderer");
  if (bare->RenderFile(wideClip.c_str(), nullptr) != S_OK) return Fail("the bare graph could not render the clip");
  const TComRef<IMediaControl> bareControl = bare.As<IMediaControl>(IID_IMediaControl);

  std::vector<double> components, direct;
  for (int i = 0; i < plays; ++i) {
    graph->Stop();
    double start = Seconds();
    graph->Play();
    if (!PumpUntil([&] { return graph->GetState() == preview::psPlaying; }))
      return Fail("the components' graph does not run");
    components.push_back(Seconds() - start);

    bareControl->Stop();
    start = Seconds();
    bareControl->Run();
    if (!PumpUntil([&] {
          OAFilterState state = State_Stopped;
          bareControl->GetState(0, &state);
          return state == State_Running;
        }))
      return Fail("the bare graph does not run");
    direct.push_back(Seconds() - start);
  }
  bareControl->Stop();
  const double withComponents = Median(components), bareGraph = Median(direct);
  std::printf("plays: %d\nPlay to running, median: components %.2f ms, bare graph %.2f ms\n"
              "ratio: %.2f (target under 1.25)\n",
              plays, withComponents * 1000, bareGraph * 1000, withComponents / bareGraph);
  form->Free();
  return 0;
}
