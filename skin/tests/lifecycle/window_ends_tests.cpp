// Plain dialogs of the platform's class that end while skinned: destroyed inside one of their
// own messages, or closed while the skin is switched off. The engine lets go of each.
#include "skin/tests/lifecycle/main_form.h"

namespace {

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
