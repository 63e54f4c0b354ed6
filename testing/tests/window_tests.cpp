// The driver against a program of known contents: finding its windows, reading them from
// outside and working its controls.
#include <gtest/gtest.h>

#include <iterator>

#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"
#include "testing/tests/sample_window_fixture.h"

using namespace driver;

namespace {

TEST_F(SampleWindow, IsFoundByCaptionClassAndProcessTogetherOrApart) {
  WindowQuery byClass;
  byClass.className = sample::kClassName;
  EXPECT_EQ(FindTopWindows(byClass), std::vector<HWND>{FWindow});
  byClass.processId = FProgram.Id();
  byClass.caption = sample::kCaption;
  EXPECT_EQ(FindTopWindows(byClass), std::vector<HWND>{FWindow});

  WindowQuery elsewhere = byClass;
  elsewhere.processId = GetCurrentProcessId();
  EXPECT_TRUE(FindTopWindows(elsewhere).empty());
  WindowQuery otherCaption = byClass;
  otherCaption.caption = "Driver";
  EXPECT_TRUE(FindTopWindows(otherCaption).empty());
}

TEST_F(SampleWindow, ChildrenAreFoundByClassTextOrId) {
  WindowQuery byClass, byText, byAll;
  byClass.className = "Button";
  byText.caption = "&Ask";
  byAll = byText;
  byAll.className = "Button";
  byAll.id = sample::kAskId;
  const HWND button = Control(sample::kAskId);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(FindChild(FWindow, byClass), button);
  EXPECT_EQ(FindChild(FWindow, byText), button);
  EXPECT_EQ(FindChild(FWindow, byAll), button);
  byAll.id = sample::kEditId;
  EXPECT_EQ(FindChild(FWindow, byAll), nullptr);
  EXPECT_EQ(ClassName(Control(sample::kListId)), "SysListView32");
}

TEST_F(SampleWindow, TextsAreReadAcrossProcesses) {
  EXPECT_EQ(WindowText(FWindow), sample::kCaption);
  EXPECT_EQ(WindowText(Control(sample::kStatusId)), sample::kReady);
  EXPECT_EQ(WindowText(Control(sample::kEditId)), "");
}

TEST_F(SampleWindow, ListViewRowsAreReadAcrossProcesses) {
  const HWND list = Control(sample::kListId);
  EXPECT_EQ(ListViewRowCount(list), 3);
  EXPECT_EQ(ListViewColumnCount(list), 2);
  EXPECT_EQ(ListViewItemText(list, 1, 0), "beta clip.mpg");
  EXPECT_EQ(ListViewItemText(list, 2, 1), "480x272");
  std::vector<std::vector<std::string>> expected;
  for (const auto& row : sample::kRows) expected.push_back({row[0], row[1]});
  EXPECT_EQ(ListViewRows(list), expected);
}

TEST_F(SampleWindow, ComboBoxItemsAreReadAcrossProcesses) {
  EXPECT_EQ(ComboBoxItems(Control(sample::kComboId)),
            std::vector<std::string>(std::begin(sample::kComboItems), std::end(sample::kComboItems)));
}

TEST_F(SampleWindow, ButtonClickOpensAMessageBoxThatIsReadAndAnswered) {
  ASSERT_TRUE(ClickButton(Control(sample::kAskId)));
  const HWND box = WaitForQuestion();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), sample::kQuestion);
  EXPECT_EQ(DialogButtonTexts(box), (std::vector<std::string>{"Yes", "No"}));
  ASSERT_TRUE(PressDialogButton(box, "Yes"));
  EXPECT_TRUE(StatusBecomes("Answer: Yes"));
  EXPECT_TRUE(WaitForWindowGone({sample::kQuestionCaption, "#32770"}, 10000));
}

TEST_F(SampleWindow, MouseClickAtTheButtonAndItsCommandIdWorkLikeAClick) {
  RECT bounds;
  const HWND button = Control(sample::kAskId);
  GetWindowRect(button, &bounds);
  POINT centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  ScreenToClient(FWindow, &centre);
  ASSERT_TRUE(ClickAt(FWindow, centre));
  HWND box = WaitForQuestion();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(PressDialogButton(box, IDNO));
  EXPECT_TRUE(StatusBecomes("Answer: No"));

  ASSERT_TRUE(WaitForWindowGone({sample::kQuestionCaption, "#32770"}, 10000));
  ASSERT_TRUE(PostCommand(FWindow, sample::kAskId, button));
  box = WaitForQuestion();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(PressDialogButton(box, IDYES));
  EXPECT_TRUE(StatusBecomes("Answer: Yes"));
}

TEST_F(SampleWindow, ClosedProgramEndsWithItsExitCode) {
  EXPECT_TRUE(FProgram.Running());
  PostMessageA(FWindow, WM_CLOSE, 0, 0);
  ASSERT_TRUE(FProgram.WaitForExit(10000));
  EXPECT_EQ(FProgram.ExitCode(), 0u);
  EXPECT_FALSE(IsWindow(FWindow));
}

}  // namespace
