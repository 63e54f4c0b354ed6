// The test program's main form with its engine and the built-in skin, shown once, and what
// the tests of things made, switched and ended under a skinned form share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/container.h"
#include "skin/core/tests/skin_test_data.h"
#include "skin/tests/pump.h"
#include "skin/tests/skinned_form.h"

class TLifecycleForm : public TSkinnedTestForm {
public:
  explicit TLifecycleForm(TComponent* owner)
      : TSkinnedTestForm(owner, 40, 40, 420, 320, "Skinned main form") {}
};

inline TLifecycleForm* MainForm() {
  static TLifecycleForm* form = nullptr;
  if (!form) {
    Application->CreateForm(form);
    form->Show();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(form->Handle()) != 0; }));
  }
  return form;
}

inline TkivSkinEngine* Engine() { return MainForm()->kivSkinEngine1; }

inline COLORREF SkinColor(const char* name) { return COLORREF(Engine()->GetSkinInt(name)); }

// The pixel the screen shows at a screen point.
inline COLORREF ScreenPixel(int x, int y) {
  const HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The built-in skin with one entry's data replaced.
inline std::vector<std::uint8_t> BuiltInSkinWith(const std::string& name, const skin::test::Bytes& replaced) {
  const std::vector<std::uint8_t> data = skin::BuiltInSkinData();
  const auto read = skin::ReadContainer(data);
  std::vector<skin::test::TestEntry> entries;
  for (const skin::ContainerEntry& e : read.value()) {
    skin::test::Bytes bytes(data.begin() + e.DataOffset, data.begin() + e.DataOffset + e.DataSize);
    entries.push_back({e.Name, std::uint8_t(e.Type), e.Name == name ? replaced : bytes});
  }
  return skin::test::BuildContainer(entries).Data;
}

constexpr UINT WM_DESTROY_YOURSELF = WM_APP + 7;

inline INT_PTR CALLBACK DestroyOnRequest(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_DESTROY_YOURSELF) {
    DestroyWindow(dialog);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}

// A shown modeless dialog of class "#32770" without controls, skinned as it activated and
// given its skinned frame (at its first paint).
inline HWND ShowPlainDialog() {
  struct {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
  } tpl{};
  tpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  tpl.dialog.x = 300;
  tpl.dialog.y = 20;
  tpl.dialog.cx = 120;
  tpl.dialog.cy = 60;
  const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tpl.dialog,
                                                 MainForm()->Handle(), DestroyOnRequest, 0);
  EXPECT_NE(dialog, nullptr);
  SetActiveWindow(dialog);
  EXPECT_TRUE(PumpUntil([&] { return IsSkinned(dialog); }));
  UpdateWindow(dialog);
  return dialog;
}
