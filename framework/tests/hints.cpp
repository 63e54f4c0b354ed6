// Hints: shown after the pause over a control that shows hints, shaped by CM_HINTSHOW, ended by
// a key or a button.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class HintTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    Application->SetHintPause(10);
  }
  void TearDown() override {
    Application->CancelHint();
    Application->SetHintPause(500);
    FormTest::TearDown();
  }
  // Moves the mouse (as the queue tells it) over a window and waits for a hint.
  bool HintAfterMoveTo(HWND wnd, int x, int y) {
    PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    return PumpUntil([] {
      Application->ProcessMessages();
      return Application->HintWindow() != nullptr;
    }, 500);
  }
};

TEST_F(HintTest, TheShortHintShowsAfterThePauseAndAKeyEndsIt) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  edit->SetHint("Play|Starts playing the file");
  edit->SetShowHint(true);
  THintInfo seen;
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) seen = *reinterpret_cast<THintInfo*>(m.LParam);
    saved(m);
  };
  ASSERT_TRUE(HintAfterMoveTo(edit->Handle(), 5, 6));
  edit->WindowProc = saved;
  EXPECT_EQ(seen.HintControl, edit);
  EXPECT_EQ(seen.HintStr, "Play");
  THintWindow* hint = Application->HintWindow();
  EXPECT_EQ(hint->Text(), "Play");
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_NE(GetActiveWindow(), hint->Handle());

  PostMessageA(edit->Handle(), WM_KEYDOWN, 'A', 0);
  Application->ProcessMessages();
  EXPECT_EQ(Application->HintWindow(), nullptr);
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));
}

TEST_F(HintTest, CM_HINTSHOWCanChangeTheTextOrKeepTheHintAway) {
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(10, 10, 50, 50);
  shape->SetParent(form);
  shape->SetHint("cell");
  form->SetShowHint(true);   // the shape's ParentShowHint takes the form's
  bool refuse = false;
  TWndMethod saved = shape->WindowProc;
  shape->WindowProc = [&](TMessage& m) {
    saved(m);
    if (m.Msg != CM_HINTSHOW) return;
    auto* info = reinterpret_cast<THintInfo*>(m.LParam);
    info->HintStr = "whole cell text at " + IntToStr(info->CursorPos.x);
    m.Result = refuse ? 1 : 0;
  };
  ASSERT_TRUE(HintAfterMoveTo(form->Handle(), 20, 20));
  EXPECT_EQ(Application->HintWindow()->Text(), "whole cell text at 10");

  Application->CancelHint();
  refuse = true;
  EXPECT_FALSE(HintAfterMoveTo(form->Handle(), 22, 22));
  shape->WindowProc = saved;
  form->SetShowHint(false);
}

TEST_F(HintTest, ControlsThatDoNotShowHintsGetNone) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  edit->SetHint("never");
  EXPECT_FALSE(HintAfterMoveTo(edit->Handle(), 5, 5));
}

}  // namespace
