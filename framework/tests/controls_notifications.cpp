// The framework's CM_* messages where a control's state changes: mouse enter and leave, text,
// enabled, visible, focus, recreating the window.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class NotificationTest : public FormTest {};

TEST_F(NotificationTest, MouseEnterAndLeaveOfAGraphicControlReachItAndItsParent) {
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(10, 10, 40, 40);
  shape->SetParent(form);
  int enters = 0, leaves = 0;
  shape->OnMouseEnter = [&](TObject*) { ++enters; };
  shape->OnMouseLeave = [&](TObject*) { ++leaves; };
  std::vector<LPARAM> formHeard;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) formHeard.push_back(m.LParam);
    saved(m);
  };

  SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(shape->MouseInControl());
  SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(25, 25));
  SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
  EXPECT_FALSE(shape->MouseInControl());
  form->WindowProc = saved;

  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  // The form hears of its own entering (LParam 0) and of the shape's (LParam = the shape).
  auto shapeParam = reinterpret_cast<LPARAM>(shape);
  EXPECT_EQ(std::count(formHeard.begin(), formHeard.end(), shapeParam), 2);
}

TEST_F(NotificationTest, MouseLeaveOfAWindowedControlComesFromThePlatformsLeaveMessage) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  WindowProcSpy spy(edit);
  int leaves = 0;
  edit->OnMouseLeave = [&](TObject*) { ++leaves; };
  SendMessageA(edit->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(spy.Log.Count(CM_MOUSEENTER), 1);
  SendMessageA(edit->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(spy.Log.Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(leaves, 1);
}

TEST_F(NotificationTest, TextEnabledAndVisibleChangesAreAnnounced) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  WindowProcSpy spy(edit);
  edit->SetText("one");
  edit->SetText("one");   // unchanged: no announcement
  edit->SetEnabled(false);
  edit->SetVisible(false);
  EXPECT_EQ(spy.Log.Count(CM_TEXTCHANGED), 1);
  EXPECT_EQ(spy.Log.Count(CM_ENABLEDCHANGED), 1);
  EXPECT_EQ(spy.Log.Count(CM_VISIBLECHANGED), 1);
  EXPECT_FALSE(IsWindowEnabled(edit->Handle()));
  EXPECT_FALSE(IsWindowVisible(edit->Handle()));
  EXPECT_FALSE(edit->Showing());
  char text[16];
  GetWindowTextA(edit->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "one");
}

TEST_F(NotificationTest, FocusMovesAnnounceExitEnterAndTheFormsFocusChange) {
  auto* first = new TPlatformControl(form, "EDIT");
  first->SetParent(form);
  auto* second = new TPlatformControl(form, "EDIT");
  second->SetBounds(0, 100, 120, 30);
  second->SetParent(form);
  std::vector<std::string> events;
  first->OnEnter = [&](TObject*) { events.push_back("enter first"); };
  first->OnExit = [&](TObject*) { events.push_back("exit first"); };
  second->OnEnter = [&](TObject*) { events.push_back("enter second"); };
  WindowProcSpy formSpy(form);

  first->SetFocus();
  second->SetFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"enter first", "exit first", "enter second"}));
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(form->ActiveControl(), second);
  EXPECT_GE(formSpy.Log.Count(CM_FOCUSCHANGED), 2);

  // Tab, met by the message loop, goes through the form to the next control in tab order.
  PostMessageA(second->Handle(), WM_KEYDOWN, VK_TAB, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(first->Focused());
  form->Perform(CM_DIALOGKEY, VK_TAB);
  EXPECT_TRUE(second->Focused());
}

TEST_F(NotificationTest, CharactersThatTheFocusedControlDoesNotTakeGoToTheFormsControls) {
  auto* button = new TPlatformControl(form, "BUTTON", BS_PUSHBUTTON);
  button->SetParent(form);
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetBounds(0, 100, 120, 30);
  edit->SetParent(form);
  WindowProcSpy spy(edit);
  button->SetFocus();
  PostMessageA(button->Handle(), WM_CHAR, 'y', 0);
  Application->ProcessMessages();
  EXPECT_EQ(spy.Log.Count(CM_DIALOGCHAR), 1);
  edit->SetFocus();   // an edit takes its characters itself
  PostMessageA(edit->Handle(), WM_CHAR, 'y', 0);
  Application->ProcessMessages();
  EXPECT_EQ(spy.Log.Count(CM_DIALOGCHAR), 1);
  EXPECT_EQ(edit->Text(), "y");
}

TEST_F(NotificationTest, RecreatingTheWindowKeepsTheControlsStateAndItsWindowProc) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetBounds(5, 6, 110, 25);
  edit->SetParent(form);
  edit->SetText("kept");
  HWND before = edit->Handle();
  WindowProcSpy spy(edit);
  edit->RecreateWnd();
  EXPECT_EQ(spy.Log.Count(CM_RECREATEWND), 1);
  HWND after = edit->Handle();
  EXPECT_NE(before, after);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetParent(after), form->Handle());
  EXPECT_EQ(edit->Text(), "kept");
  EXPECT_EQ(edit->BoundsRect(), TRect(5, 6, 115, 31));
  // The installed WindowProc still gets the new window's messages.
  SendMessageA(after, WM_USER + 5, 0, 0);
  EXPECT_EQ(spy.Log.Count(WM_USER + 5), 1);
}

TEST(FormRelease, ReleaseFreesTheFormOnceItsQueuedMessagesAreHandled) {
  auto* form = New<TForm>(nullptr);
  struct Watcher : TComponent {
    using TComponent::TComponent;
    bool freed = false;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove) freed = true;
    }
  } peer(nullptr);
  form->FreeNotification(&peer);
  HWND wnd = form->Handle();
  PostMessageA(wnd, WM_USER + 1, 0, 0);
  form->Release();
  EXPECT_FALSE(peer.freed);   // not at once
  EXPECT_TRUE(PumpUntil([&] { return peer.freed; }));
  EXPECT_FALSE(IsWindow(wnd));
}

}  // namespace
