// Application events, the screen's cursors and displays.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

TEST(ApplicationEvents, EveryListenerHearsMessagesUntilOneHandlesThem) {
  std::vector<std::string> heard;
  auto* first = new TApplicationEvents(nullptr);
  auto* second = new TApplicationEvents(nullptr);
  first->OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message != WM_USER) return;
    heard.push_back("first " + IntToStr(msg.wParam));
    handled = msg.wParam == 1;
  };
  second->OnMessage = [&](MSG& msg, bool&) {
    if (msg.message == WM_USER) heard.push_back("second " + IntToStr(msg.wParam));
  };
  int reached = 0;
  HWND window = AllocateHWnd([&](TMessage& m) { if (m.Msg == WM_USER) ++reached; });
  PostMessageA(window, WM_USER, 1, 0);
  PostMessageA(window, WM_USER, 2, 0);
  Application->ProcessMessages();
  first->Free();
  PostMessageA(window, WM_USER, 3, 0);
  Application->ProcessMessages();
  second->Free();
  DeallocateHWnd(window);
  EXPECT_EQ(heard, (std::vector<std::string>{"first 1", "first 2", "second 2", "second 3"}));
  EXPECT_EQ(reached, 2);
}

class ScreenTest : public FormTest {};

TEST_F(ScreenTest, RegisteredCursorsAreTheCursorsOfControlsThatUseThem) {
  const TCursor crPointingHand = 8019;
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  Screen->SetCursors(crPointingHand, hand);
  EXPECT_EQ(Screen->Cursors(crPointingHand), hand);
  EXPECT_EQ(Screen->Cursors(crIBeam), LoadCursorA(nullptr, IDC_IBEAM));
  auto* panel = new TCustomControl(form);
  panel->SetBounds(0, 0, form->ClientWidth(), form->ClientHeight());
  panel->SetParent(form);
  panel->SetCursor(crPointingHand);
  SendMessageA(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hand);
  Screen->SetCursor(crHourGlass);   // the whole program's cursor wins
  SendMessageA(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);
}

TEST_F(ScreenTest, TheFormsDisplayHasAWorkAreaInsideIt) {
  TMonitor monitor = Screen->MonitorFromWindow(form->Handle());
  ASSERT_NE(monitor.Handle, nullptr);
  EXPECT_FALSE(monitor.WorkareaRect.IsEmpty());
  TRect both;
  IntersectRect(&both, &monitor.WorkareaRect, &monitor.BoundsRect);
  EXPECT_EQ(TRect(both), monitor.WorkareaRect);
}

}  // namespace
