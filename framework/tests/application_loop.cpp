// The application's message loop: a quit request met by ProcessMessages is kept, Terminate
// ends Run, OnMessage sees messages first; the main form and the forms list.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// Takes a WM_QUIT left in the queue, so that a test leaves none behind.
bool TakeQuit() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(ApplicationLoop, ProcessMessagesKeepsAQuitRequestForTheLoopThatEndsTheProgram) {
  TApplication app(nullptr);
  int handled = 0;
  HWND window = AllocateHWnd([&](TMessage& m) { if (m.Msg == WM_USER) ++handled; });
  PostMessageA(window, WM_USER, 0, 0);
  PostQuitMessage(3);
  app.ProcessMessages();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(handled, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  // The loop around (here another application's Run) still ends on it.
  TApplication outer(nullptr);
  outer.Run();
  EXPECT_TRUE(outer.Terminated());
  DeallocateHWnd(window);
}

TEST(ApplicationLoop, TheDefaultExceptionHandlerShowsTheMessage) {
  TApplication app(nullptr);
  MessageBoxAnswer box(IDOK);
  try {
    throw EConvertError("'abc' is not a valid integer value");
  } catch (...) {
    app.HandleException(nullptr);
  }
  EXPECT_EQ(box.Caption, "framework_tests");
  EXPECT_EQ(box.Text, "'abc' is not a valid integer value.");
}

TEST(ApplicationLoop, TerminateEndsRunAfterTheMessagesBeforeIt) {
  TApplication app(nullptr);
  std::vector<int> order;
  HWND window = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_USER) {
      order.push_back((int)m.WParam);
      if (m.WParam == 1) app.Terminate();
    }
  });
  PostMessageA(window, WM_USER, 1, 0);
  PostMessageA(window, WM_USER, 2, 0);
  app.Run();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  DeallocateHWnd(window);
}

TEST(ApplicationLoop, OnMessageSeesMessagesFirstAndCanKeepThem) {
  TApplication app(nullptr);
  int reached = 0;
  HWND window = AllocateHWnd([&](TMessage& m) { if (m.Msg == WM_USER) ++reached; });
  app.OnMessage = [](MSG& msg, bool& handled) { handled = msg.message == WM_USER && msg.wParam == 7; };
  PostMessageA(window, WM_USER, 7, 0);
  PostMessageA(window, WM_USER, 8, 0);
  app.ProcessMessages();
  EXPECT_EQ(reached, 1);
  DeallocateHWnd(window);
}

TEST(ApplicationLoop, TheFirstCreatedFormIsTheMainFormAndScreenListsForms) {
  TApplication app(nullptr);
  TForm* first = nullptr;
  TForm* second = nullptr;
  app.CreateForm(first);
  app.CreateForm(second);
  EXPECT_EQ(app.MainForm(), first);
  EXPECT_EQ(first->Owner(), &app);
  int listed = 0;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == first || Screen->Forms(i) == second) ++listed;
  EXPECT_EQ(listed, 2);
  second->Free();
  for (int i = 0; i < Screen->FormCount(); ++i) EXPECT_NE(Screen->Forms(i), second);
  EXPECT_FALSE(app.ExeName().empty());
  EXPECT_EQ(app.Title(), "framework_tests");
}

TEST(ApplicationLoop, ClosingTheMainFormEndsTheProgramAndOtherFormsHide) {
  TForm* main = nullptr;
  TForm* other = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(other);
  ASSERT_EQ(Application->MainForm(), main);
  other->Show();
  bool asked = false;
  other->OnCloseQuery = [&](TObject*, bool& canClose) { asked = true; canClose = true; };
  other->Close();
  EXPECT_TRUE(asked);
  EXPECT_FALSE(other->Visible());
  main->Close();
  EXPECT_TRUE(TakeQuit());
  main->Free();
  EXPECT_EQ(Application->MainForm(), nullptr);
  other->Free();
}

}  // namespace
