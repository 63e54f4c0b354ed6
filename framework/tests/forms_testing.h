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

// Answers the next message box the thread shows with a button (IDOK, IDYES...), keeping its
// caption and text; the box is found by a timer that its modal loop runs.
class MessageBoxAnswer {
public:
  explicit MessageBoxAnswer(int button) : FButton(button) {
    current = this;
    FTimer = SetTimer(nullptr, 0, 50, OnTimer);
  }
  ~MessageBoxAnswer() {
    KillTimer(nullptr, FTimer);
    current = nullptr;
  }
  std::string Caption, Text;

private:
  static BOOL CALLBACK Answer(HWND wnd, LPARAM) {
    char name[16] = {};
    GetClassNameA(wnd, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(wnd) || !current) return TRUE;
    char text[256] = {};
    GetWindowTextA(wnd, text, sizeof text);
    current->Caption = text;
    GetDlgItemTextA(wnd, 0xFFFF, text, sizeof text);   // the message's static text
    current->Text = text;
    PostMessageA(wnd, WM_COMMAND, current->FButton, 0);
    return FALSE;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), Answer, 0);
  }
  static inline MessageBoxAnswer* current = nullptr;
  int FButton;
  UINT_PTR FTimer;
};

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

// A form shown on the screen for a suite of tests; what a test puts on it (owned by the form)
// is freed after the test. (Hiding or destroying a shown window costs Wine seconds without a
// window manager, so the form lives as long as the suite.)
class FormTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    shared = New<TForm>(nullptr);
    shared->SetBounds(40, 40, 400, 300);
    shared->SetCaption("Framework test");
    shared->Show();
    Pump(20);
  }
  static void TearDownTestSuite() { TObject::FreeAndNil(shared); }
  void SetUp() override {
    form = shared;
    form->SetActiveControl(nullptr);
    ReleaseCapture();   // a test that pressed a button without letting it go
  }
  void TearDown() override {
    form->DestroyComponents();
    Pump(10);
  }
  static inline TForm* shared = nullptr;
  TForm* form = nullptr;
};

// Runs action on the first shown message dialog once its modal loop runs.
class OnMessageDialog {
public:
  explicit OnMessageDialog(std::function<void(TCustomForm*)> action) : FAction(std::move(action)) {
    current = this;
    FTimer = SetTimer(nullptr, 0, 30, OnTimer);
  }
  ~OnMessageDialog() {
    KillTimer(nullptr, FTimer);
    current = nullptr;
  }
private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    TCustomForm* dialog = Screen->ActiveForm();
    if (!current || !current->FAction || !dialog || dialog->ClassName() != "TMessageForm") return;
    auto action = std::move(current->FAction);
    current->FAction = nullptr;
    action(dialog);
  }
  static inline OnMessageDialog* current = nullptr;
  std::function<void(TCustomForm*)> FAction;
  UINT_PTR FTimer;
};

}  // namespace forms_testing
