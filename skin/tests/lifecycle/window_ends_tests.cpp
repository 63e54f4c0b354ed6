// Plain dialogs of the platform's class that end while skinned: destroyed inside one of their
// own messages, or closed while the skin is switched off. The engine lets go of each.
#include "skin/tests/lifecycle/main_form.h"

namespace {

constexpr UINT WM_DESTROY_YOURSELF = WM_APP + 7;

INT_PTR CALLBACK DestroyOnRequest(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_DESTROY_YOURSELF) {
    DestroyWindow(dialog);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}

// A shown modeless dialog of class "#32770" without controls, skinned as it activated.
HWND ShowPlainDialog() {
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
  return dialog;
}

TEST(WindowEnds, ADialogDestroyedInsideItsOwnMessageLeavesTheEngine) {
  const HWND dialog = ShowPlainDialog();
  ASSERT_EQ(Engine()->SkinWindowCount(), 2);
  // The skinned window is freed inside the message; the handling of the message must not go
  // on with it.
  SendMessageA(dialog, WM_DESTROY_YOURSELF, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(Engine()->FindSkinWindow(dialog), nullptr);
  EXPECT_EQ(Engine()->SkinWindowCount(), 1);
}

TEST(WindowEnds, ADialogClosedWhileTheSkinIsOffLeavesTheEngine) {
  const HWND dialog = ShowPlainDialog();
  ASSERT_EQ(Engine()->SkinWindowCount(), 2);
  Engine()->SetActive(false);
  DestroyWindow(dialog);
  EXPECT_EQ(Engine()->FindSkinWindow(dialog), nullptr);
  EXPECT_EQ(Engine()->SkinWindowCount(), 1) << "a skinned window with a dead handle stayed";
  Engine()->SetActive(true);
  EXPECT_TRUE(IsSkinned(MainForm()->Handle()));
  EXPECT_EQ(Engine()->SkinWindowCount(), 1);
}

}  // namespace
