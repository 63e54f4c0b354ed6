// A program whose handlers raise, and whose start-up raises when asked: its command line names
// the step ("construct", "create" or "show"). Driven from outside by faults_tests.cpp.
#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "framework/ComCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"

namespace {

std::string StartUpStep() { return __argc > 1 ? __argv[1] : ""; }

DWORD WINAPI RaiseOnThread(void*) { throw Exception("The thread failed"); }

// Raises in OnShow: shown modally from a click of the main form.
class TFaultyDialog : public TForm {
public:
  explicit TFaultyDialog(TComponent* AOwner) : TForm(AOwner) {
    SetCaption("Faulty dialog");
    OnShow = [](TObject*) { throw EInvalidOperation("The dialog failed"); };
  }
};

// Counts the clicks of "Count" in its caption, so that a test sees the program still works.
class TFaultyForm : public TForm {
public:
  explicit TFaultyForm(TComponent* AOwner) : TForm(AOwner) {
    const std::string step = StartUpStep();
    if (step == "construct") throw EOutOfResources("The form could not be made");
    SetCaption("Faults 0");
    SetBounds(100, 100, 400, 290);
    AddButton("Raise", 10, [](TObject*) { throw Exception("The click failed"); });
    AddButton("Raise later", 50, [this](TObject*) { FTimer->SetEnabled(true); });
    AddButton("Raise in a dialog", 90, [this](TObject*) {
      New<TFaultyDialog>(this)->ShowModal();
    });
    AddButton("Raise in a sort", 170, [this](TObject*) { FList->AlphaSort(); });
    // Nothing catches it there: it ends the program.
    AddButton("Raise in a thread", 210, [](TObject*) {
      CloseHandle(CreateThread(nullptr, 0, RaiseOnThread, nullptr, 0, nullptr));
    });
    AddButton("Count", 130, [this](TObject*) { SetCaption("Faults " + std::to_string(++FCount)); });
    // Its comparison raises inside the platform's sort.
    FList = new TListView(this);
    FList->SetParent(this);
    FList->SetBounds(220, 10, 160, 150);
    for (const char* caption : {"b", "c", "a"}) FList->Items()->Add()->SetCaption(caption);
    FList->OnCompare = [](TObject*, TListItem*, TListItem*, int, int&) {
      throw Exception("The sort failed");
    };
    FTimer = new TTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(10);
    FTimer->OnTimer = [this](TObject*) {
      FTimer->SetEnabled(false);
      throw std::runtime_error("The timer failed");
    };
    if (step == "create") OnCreate = [](TObject*) { throw Exception("The start failed"); };
    if (step == "show") OnShow = [](TObject*) { throw Exception("The window failed"); };
  }

private:
  void AddButton(const std::string& caption, int top, TNotifyEvent click) {
    auto* button = new TButton(this);
    button->SetParent(this);
    button->SetBounds(10, top, 200, 30);
    button->SetCaption(caption);
    button->OnClick = std::move(click);
  }

  TListView* FList = nullptr;
  TTimer* FTimer = nullptr;
  int FCount = 0;
};

TFaultyForm* FaultyForm = nullptr;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->SetTitle("Faulty");
  Application->CreateForm(FaultyForm);
  Application->Run();
  return 0;
}
