// Exceptions that escape a program's handlers are shown and the program goes on; one that
// escapes its start-up is shown before the program ends. Seen from outside, as a user would.
#include <gtest/gtest.h>

#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

class FaultyProgram {
public:
  explicit FaultyProgram(const std::string& step)
      : FProcess(driver::StartProgram(driver::WindowsPath(FAULTY_PROGRAM), step)) {}

  bool Started() const { return FProcess.Started(); }
  const driver::Process& Process() const { return FProcess; }
  HWND WaitForMain() {
    driver::WindowQuery query;
    query.className = "TFaultyForm";
    query.processId = FProcess.Id();
    return FMain = driver::WaitForWindow(query, kTimeoutMs);
  }
  bool Click(const std::string& caption) const {
    driver::WindowQuery query;
    query.caption = caption;
    query.className = "TButton";
    return driver::ClickButton(driver::FindChild(FMain, query));
  }
  // The box of the program's error: its text, after which it is answered. Empty when none came.
  std::string AnswerErrorBox() const {
    const HWND box = driver::WaitForMessageBox("Faulty", kTimeoutMs, FProcess.Id());
    if (!box) return "";
    const std::string text = driver::MessageBoxText(box);
    driver::PressDialogButton(box, IDOK);
    return text;
  }
  // The caption once it shows the text, or as it is at the time limit.
  std::string WaitForCaption(const std::string& text) const {
    std::string caption;
    driver::WaitUntil([&] { return (caption = driver::WindowText(FMain)) == text; }, kTimeoutMs);
    return caption;
  }

private:
  driver::Process FProcess;
  HWND FMain = nullptr;
};

TEST(ProgramFaults, AnErrorOfAHandlerIsShownAndTheProgramGoesOn) {
  FaultyProgram program("");
  ASSERT_TRUE(program.Started());
  ASSERT_NE(program.WaitForMain(), nullptr);
  struct Case {
    const char* button;
    const char* text;
  };
  int clicks = 0;
  for (const Case& c : {
           Case{"Raise", "The click failed."},
           Case{"Raise later", "The timer failed."},       // a timer's handler, a standard exception
           Case{"Raise in a dialog", "The dialog failed."},  // out of a modal form's showing
           Case{"Raise in a sort", "The sort failed."},      // through the platform's sort
           Case{"Raise", "The click failed."},              // and again
       }) {
    ASSERT_TRUE(program.Click(c.button)) << c.button;
    EXPECT_EQ(program.AnswerErrorBox(), c.text) << c.button;
    ASSERT_TRUE(program.Click("Count")) << c.button;
    const std::string counted = "Faults " + std::to_string(++clicks);
    EXPECT_EQ(program.WaitForCaption(counted), counted) << c.button;
  }
  EXPECT_TRUE(program.Process().Running());
}

TEST(ProgramFaults, AnErrorOfTheStartIsShownBeforeTheProgramEnds) {
  struct Case {
    const char* step;
    const char* text;
  };
  for (const Case& c : {
           Case{"construct", "The form could not be made."},
           Case{"create", "The start failed."},
           Case{"show", "The window failed."},
       }) {
    FaultyProgram program(c.step);
    ASSERT_TRUE(program.Started()) << c.step;
    EXPECT_EQ(program.AnswerErrorBox(), c.text) << c.step;
    ASSERT_TRUE(program.Process().WaitForExit(kTimeoutMs)) << c.step;
    EXPECT_EQ(program.Process().ExitCode(), 1u) << c.step;
  }
}

TEST(ProgramFaults, AnErrorNothingCatchesIsShownBeforeTheProgramEnds) {
  FaultyProgram program("");
  ASSERT_TRUE(program.Started());
  ASSERT_NE(program.WaitForMain(), nullptr);
  ASSERT_TRUE(program.Click("Raise in a thread"));
  EXPECT_EQ(program.AnswerErrorBox(), "The thread failed.");
  ASSERT_TRUE(program.Process().WaitForExit(kTimeoutMs));
  EXPECT_EQ(program.Process().ExitCode(), 1u);
}

}  // namespace
