// A replaced WindowProc sees every message of a control, however it was sent; putting the saved
// one back restores the control's own handling.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class WindowProcTest : public FormTest {};

TEST_F(WindowProcTest, ReplacedWindowProcSeesPerformedAndSentMessages) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  HWND wnd = edit->Handle();
  WindowProcSpy spy(edit);

  edit->Perform(WM_USER + 1);
  SendMessageA(wnd, WM_USER + 2, 0, 0);
  PostMessageA(wnd, WM_USER + 3, 0, 0);
  SetWindowTextA(wnd, "direct");
  EXPECT_TRUE(PumpUntil([&] { return spy.Log.Count(WM_USER + 3) == 1; }));

  EXPECT_EQ(spy.Log.Count(WM_USER + 1), 1);
  EXPECT_EQ(spy.Log.Count(WM_USER + 2), 1);
  EXPECT_EQ(spy.Log.Count(WM_SETTEXT), 1);
  // The platform's own handling still runs behind the spy.
  EXPECT_EQ(edit->Text(), "direct");
}

TEST_F(WindowProcTest, AReplacementCanSwallowMessagesAndRestoringUndoesIt) {
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  edit->SetText("before");
  TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETTEXT) m.Result = 1;   // swallowed
    else saved(m);
  };
  SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("lost"));
  EXPECT_EQ(edit->Text(), "before");

  edit->WindowProc = saved;
  SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept"));
  EXPECT_EQ(edit->Text(), "kept");
}

TEST_F(WindowProcTest, GraphicControlsGetTheirMouseMessagesThroughWindowProc) {
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(10, 10, 50, 50);
  shape->SetParent(form);
  int clicks = 0;
  shape->OnClick = [&](TObject*) { ++clicks; };
  WindowProcSpy spy(shape);
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(21, 22));
  EXPECT_EQ(spy.Log.Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(spy.Log.Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(clicks, 1);
  // Outside the control the form keeps the message.
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
  EXPECT_EQ(spy.Log.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(WindowProcTest, WheelTurnsGoToOnMouseWheelThenToTheirDirectionsEvent) {
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  std::vector<std::string> events;
  panel->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    events.push_back("wheel " + IntToStr(delta));
    handled = delta > 200;
  };
  panel->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    events.push_back("down");
    handled = true;
  };
  panel->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { events.push_back("up"); };
  SendMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(50, 50));
  SendMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(50, 50));
  SendMessageA(panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), MAKELPARAM(50, 50));
  EXPECT_EQ(events, (std::vector<std::string>{"wheel -120", "down", "wheel 120", "up", "wheel 240"}));
}

TEST_F(WindowProcTest, ExceptionsInHandlersReachTheApplicationAndMessagesGoOn) {
  std::vector<std::string> errors;
  TObject* sender = nullptr;
  TExceptionEvent saved = Application->OnException;
  Application->OnException = [&](TObject* s, const Exception& e) {
    sender = s;
    errors.push_back(e.Message());
  };
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  TWndMethod inner = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 7) throw EConvertError("bad value");
    if (m.Msg == WM_USER + 8) throw std::runtime_error("plain error");
    if (m.Msg == WM_USER + 9) Abort();
    inner(m);
  };
  PostMessageA(edit->Handle(), WM_USER + 7, 0, 0);
  PostMessageA(edit->Handle(), WM_USER + 9, 0, 0);
  SendMessageA(edit->Handle(), WM_USER + 8, 0, 0);
  Application->ProcessMessages();
  edit->SetText("still working");

  Application->OnException = saved;
  edit->WindowProc = inner;
  EXPECT_EQ(errors, (std::vector<std::string>{"plain error", "bad value"}));   // EAbort is silent
  EXPECT_EQ(sender, edit);
  EXPECT_EQ(edit->Text(), "still working");
}

TEST_F(WindowProcTest, ExceptionsInEventHandlersDoNotEndTheLoop) {
  int seen = 0;
  TExceptionEvent saved = Application->OnException;
  Application->OnException = [&](TObject*, const Exception&) { ++seen; };
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(0, 0, 100, 100);
  shape->SetParent(form);
  shape->OnClick = [](TObject*) { throw Exception("handler failed"); };
  PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Application->ProcessMessages();
  Application->OnException = saved;
  EXPECT_EQ(seen, 2);
}

}  // namespace
