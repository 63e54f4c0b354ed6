// Helpers of the tests of controls and forms: a shown form to put controls on, message pumping,
// and small controls over platform classes that record what reaches them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Controls.h"
#include "framework/Forms.h"

namespace forms_testing {

// Handles waiting messages until done() holds or the time is up; returns done().
inline bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
  return true;
}

inline void Pump(int milliseconds = 50) {
  PumpUntil([] { return false; }, milliseconds);
}

// Numbers of the messages a control's WindowProc saw.
class MessageLog {
public:
  void Record(UINT msg) { FMessages.push_back(msg); }
  int Count(UINT msg) const { return (int)std::count(FMessages.begin(), FMessages.end(), msg); }
  void Clear() { FMessages.clear(); }
private:
  std::vector<UINT> FMessages;
};

// Puts a recorder in front of a control's WindowProc; the destructor restores it.
class WindowProcSpy {
public:
  explicit WindowProcSpy(TControl* c) : FControl(c), FSaved(c->WindowProc) {
    c->WindowProc = [this](TMessage& m) {
      Log.Record(m.Msg);
      FSaved(m);
    };
  }
  ~WindowProcSpy() { FControl->WindowProc = FSaved; }
  MessageLog Log;
private:
  TControl* FControl;
  TWndMethod FSaved;
};

// A windowed control over a platform class.
class TPlatformControl : public TWinControl {
public:
  TPlatformControl(TComponent* owner, const char* platformClass, DWORD style = 0)
      : TWinControl(owner), FPlatformClass(platformClass), FStyle(style) {
    FWidth = 120;
    FHeight = 60;
    FTabStop = true;
  }
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    CreateSubClass(params, FPlatformClass);
    params.Style |= FStyle;
  }
private:
  const char* FPlatformClass;
  DWORD FStyle;
};

// A form shown on the screen for the test, freed after it.
class FormTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = New<TForm>(nullptr);
    form->SetBounds(40, 40, 400, 300);
    form->SetCaption("Framework test");
    form->Show();
    Pump(20);
  }
  void TearDown() override {
    TObject::FreeAndNil(form);
    Pump(10);
  }
  TForm* form = nullptr;
};

}  // namespace forms_testing
