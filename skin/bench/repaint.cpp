// Not a test: the time to repaint a form laid out like the converter's main window, frame and
// every control, N times in the built-in skin and N times with the skin engine switched off.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/BuiltInSkin.h"
#include "skin/SkinEngine.h"

namespace {

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

template <typename T>
T* Place(TForm* form, TWinControl* parent, TAlign align, int width, int height) {
  T* control = new T(form);
  control->SetBounds(0, 0, width, height);
  control->SetAlign(align);
  control->SetParent(parent);
  return control;
}

// Tool bar, task list, profile pane with its editors and buttons, and a status bar.
void BuildConverterLikeForm(TForm* form) {
  form->SetBounds(30, 30, 760, 540);
  form->SetCaption("Tessark V1.6");
  auto* toolbar = Place<TToolBar>(form, form, alTop, 760, 40);
  toolbar->SetShowCaptions(true);
  for (const char* caption : {"Add", "Remove", "Clear", "Up", "Down", "Start", "Stop", "Settings", "About"}) {
    auto* button = new TToolButton(form);
    button->SetCaption(caption);
    button->SetToolBar(toolbar);
  }
  Place<TStatusBar>(form, form, alBottom, 760, 20);
  auto* pane = Place<TPanel>(form, form, alRight, 200, 400);
  auto* profiles = Place<TComboBox>(form, pane, alTop, 200, 21);
  profiles->Items()->Add("PSP MPEG-4 320x240");
  profiles->SetItemIndex(0);
  Place<TEdit>(form, pane, alTop, 200, 21)->SetText("C:\\Videos\\");
  for (const char* caption : {"Browse", "Open", "Settings"})
    Place<TButton>(form, pane, alTop, 200, 24)->SetCaption(caption);
  Place<TMemo>(form, pane, alClient, 200, 200);
  auto* tasks = Place<TListView>(form, form, alClient, 560, 400);
  tasks->SetViewStyle(vsReport);
  for (const char* caption : {"Input File", "Length", "Size", "Status"})
    tasks->Columns()->Add()->SetCaption(caption);
  for (int i = 0; i < 30; ++i) {
    TListItem* item = tasks->Items()->Add();
    item->SetCaption("C:\\Videos\\clip " + std::to_string(i) + ".avi");
    for (const char* text : {"00:01:02.34", " 640x480", "OK"})
      item->SubItems()->Add(text);
  }
}

constexpr UINT kWhole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
constexpr UINT kFrameOnly = RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW;

double Repaint(TForm* form, int times, UINT flags) {
  PumpPending();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < times; ++i)
    RedrawWindow(form->Handle(), nullptr, nullptr, flags);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times compare only when the form really is skinned, and then really is not.
bool SetSkinned(TkivSkinEngine* engine, TForm* form, bool on) {
  engine->SetActive(on);
  PumpPending();
  if ((SendMessageA(form->Handle(), KM_ISSKINNED, 0, 0) == 1) == on)
    return true;
  std::fprintf(stderr, "the form is %s skinned after the skin was switched %s\n", on ? "not" : "still",
               on ? "on" : "off");
  return false;
}

// Built as the programs build their main forms: the engine first, the controls while loading.
class TBenchForm : public TForm {
public:
  explicit TBenchForm(TComponent* owner) : TForm(owner) {
    engine = new TkivSkinEngine(this);
    engine->SetSkinData(skin::BuiltInSkinData());
    engine->SetActive(true);
    BuildConverterLikeForm(this);
  }
  TkivSkinEngine* engine;
};

}  // namespace

int main(int argc, char** argv) {
  const int times = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  TBenchForm* form = nullptr;
  Application->CreateForm(form);
  TkivSkinEngine* engine = form->engine;
  form->Show();
  // Taking turns, three rounds each, the better time of each: the first round warms up. The
  // frame by itself shows what the skinned title and borders cost.
  for (const auto& [what, flags] : {std::pair{"whole window", kWhole}, std::pair{"frame only", kFrameOnly}}) {
    double skinned = 1e9, plain = 1e9;
    for (int round = 0; round < 3; ++round) {
      if (!SetSkinned(engine, form, true))
        return 1;
      skinned = std::min(skinned, Repaint(form, times, flags));
      if (!SetSkinned(engine, form, false))
        return 1;
      plain = std::min(plain, Repaint(form, times, flags));
    }
    std::printf("%d repaints, %s: skinned %.3f s, unskinned %.3f s, ratio %.2f\n", times, what,
                skinned, plain, skinned / plain);
  }
  form->Free();
  return 0;
}
