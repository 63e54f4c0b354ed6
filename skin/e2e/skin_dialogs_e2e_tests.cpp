// The platform's dialogs of both programs in the skin, seen from outside: message boxes, the
// converter's open dialog and folder picker, and Hollimer's start-up questions each come in
// the skinned frame with skinned push buttons, and still do their work under real clicks.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

#include "converter/tests/e2e_converter_window.h"
#include "manager/tests/e2e_manager_window.h"
#include "skin/e2e/skinned_look.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

using namespace e2e;

constexpr DWORD kTimeoutMs = kSkinTimeoutMs;
// The centre of a skinned title's close button, from the window's right edge.
constexpr int kCloseButton = 18;

std::vector<HWND> PushButtons(HWND dialog) {
  driver::WindowQuery query;
  query.className = "Button";
  std::vector<HWND> buttons;
  for (HWND button : driver::FindChildren(dialog, query)) {
    const LONG type = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    if (IsWindowVisible(button) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
      buttons.push_back(button);
  }
  return buttons;
}

// Whether the dialog comes in the skin: it answers skinned, its title is painted in the skin,
// it has the skin's outline and no system menu (the close button is the skin's), and each of
// its shown push buttons is skinned. What it found wrong otherwise.
::testing::AssertionResult ComesSkinned(HWND dialog) {
  if (!driver::WaitUntil([&] { return AnswersSkinned(dialog); }, kTimeoutMs))
    return ::testing::AssertionFailure() << "the dialog does not answer skinned";
  if (!WaitForSkinnedTitle(dialog))
    return ::testing::AssertionFailure()
           << PlatformTitlePixels(TitleRow(dialog)) << " title pixels in the platform's colours";
  if (!OutlineOf(dialog).hasRegion) return ::testing::AssertionFailure() << "no outline";
  if (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU)
    return ::testing::AssertionFailure() << "the platform's system menu stayed";
  const std::vector<HWND> buttons = PushButtons(dialog);
  if (buttons.empty()) return ::testing::AssertionFailure() << "no push buttons";
  for (HWND button : buttons)
    if (!AnswersSkinned(button))
      return ::testing::AssertionFailure() << "button \"" << driver::WindowText(button)
                                           << "\" not skinned";
  return ::testing::AssertionSuccess();
}

// A real click on the dialog's button with the id.
bool ClickDialogButton(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button && ClickMiddle(button);
}

bool GoneSoon(HWND window) {
  return driver::WaitUntil([&] { return !IsWindow(window); }, kTimeoutMs);
}

// Returns once the window's thread has handled everything before this.
void Settle(HWND window) {
  DWORD_PTR ignored;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &ignored);
}

bool Checked(HWND button) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &state);
  return state == BST_CHECKED;
}

void Screenshot(const std::string& name) {
  const std::string picture = ScreenshotPath(name);
  EXPECT_TRUE(driver::TakeSettledScreenshot(picture));
  std::cout << name << ": " << picture << "\n";
}

// The Load Default question of the converter's Settings: its close button ends it as No,
// and a real click on Yes answers Yes.
TEST(SkinnedDialogs, TheConvertersMessageBoxIsSkinnedAndAnswersRealClicks) {
  ConverterWindow converter("skin_message_box",
                            "[Main]\r\nAuto Exit=0\r\n[Default]\r\nAuto Exit=1\r\n");
  ASSERT_NE(converter.Main(), nullptr);
  converter.Press(kSettings);
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  const HWND autoExit = converter.Button(settings, "Exit the program when the task is completed.");
  const HWND loadDefault = converter.Button(settings, "&Load Default");
  const struct {
    const char* answer;
    std::function<bool(HWND)> click;
    bool loaded;
  } cases[] = {
      {"close button", [](HWND box) { return ClickTitleButton(box, kCloseButton); }, false},
      {"Yes", [](HWND box) { return ClickDialogButton(box, IDYES); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ASSERT_TRUE(ClickMiddle(loadDefault));
    const HWND box = driver::WaitForMessageBox("Load Default", kTimeoutMs, converter.ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(ComesSkinned(box));
    EXPECT_EQ(driver::MessageBoxText(box), "Are you sure to load the default preferences?");
    if (c.loaded) Screenshot("skinned-message-box");
    ASSERT_TRUE(c.click(box));
    ASSERT_TRUE(GoneSoon(box));
    Settle(settings);
    EXPECT_EQ(Checked(autoExit), c.loaded);
  }
  EXPECT_TRUE(converter.Close());
}

// The open dialog allows sizing, so the skin refuses its size grip: it opens all the same,
// cancels, and picks a file into the task list, each on a real click of its skinned buttons.
TEST(SkinnedDialogs, TheConvertersAddVideoFilesDialogIsSkinnedAndPicksAFile) {
  ConverterWindow converter("skin_open_dialog");
  ASSERT_NE(converter.Main(), nullptr);
  const std::string clip = converter.Folder() + "\\picked.avi";
  ASSERT_TRUE(driver::WriteWholeFile(clip, "clip"));
  driver::WindowQuery listQuery;
  listQuery.className = "TRichListView";
  const HWND tasks = driver::FindChild(converter.Main(), listQuery);
  ASSERT_NE(tasks, nullptr);
  for (const int button : {IDCANCEL, IDOK}) {
    SCOPED_TRACE(button == IDOK ? "Open" : "Cancel");
    converter.Press(kAddFiles);
    const HWND dialog = converter.WaitForForm("Add Video Files", "#32770");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(ComesSkinned(dialog));
    driver::WindowQuery grip;
    grip.className = "ScrollBar";
    for (HWND bar : driver::FindChildren(dialog, grip))
      EXPECT_FALSE(GetWindowLongA(bar, GWL_STYLE) & SBS_SIZEGRIP) << "a size grip was made";
    driver::WindowQuery types;
    types.id = 0x470;  // the dialog's file type list
    EXPECT_EQ(driver::ComboBoxItems(driver::FindChild(dialog, types)).size(), 10u);
    if (button == IDOK) {
      driver::WindowQuery nameQuery;
      nameQuery.id = 0x47C;  // the file name box, an edit or a combo box holding one
      HWND name = driver::FindChild(dialog, nameQuery);
      ASSERT_NE(name, nullptr);
      driver::WindowQuery edit;
      edit.className = "Edit";
      if (HWND inner = driver::FindChild(name, edit)) name = inner;
      DWORD_PTR ignored;
      ASSERT_TRUE(SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(clip.c_str()),
                                      SMTO_ABORTIFHUNG, kTimeoutMs, &ignored));
    }
    ASSERT_TRUE(ClickDialogButton(dialog, button));
    ASSERT_TRUE(GoneSoon(dialog));
  }
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::ListViewRowCount(tasks) == 1; }, kTimeoutMs));
  EXPECT_EQ(driver::ListViewItemText(tasks, 0, 0), clip);
  EXPECT_TRUE(converter.Close());
}

// Whether the tree comes to show an item whose text holds part (selected too, when asked
// for); place is where its text is, in the tree's client area. What the tree showed at the
// time limit otherwise.
::testing::AssertionResult ShowsItem(HWND tree, const std::string& part, RECT& place,
                                     bool selected = false) {
  std::string shown;
  const bool found = driver::WaitUntil(
      [&] {
        shown.clear();
        for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree)) {
          shown += " \"" + item.text + (item.selected ? "\" (selected)" : "\"");
          if (item.text.find(part) != std::string::npos && (item.selected || !selected)) {
            place = item.textRect;
            return true;
          }
        }
        return false;
      },
      kTimeoutMs);
  if (found) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << part << "\"" << (selected ? " selected" : "")
                                       << " among" << shown;
}

// A real click on the tree item's text.
bool ClickTreeItem(HWND tree, const RECT& place) {
  return ClickWhenUnder(tree, [&](const RECT&) {
    POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ClientToScreen(tree, &middle);
    return middle;
  });
}

// The main window's Browse opens the folder picker; real clicks walk its tree from the
// computer to a folder on a drive, and one on OK makes that folder the output folder.
TEST(SkinnedDialogs, TheConvertersFolderPickerIsSkinnedAndPicksAFolder) {
  const std::string drive = driver::kRemovableDrive;
  const std::string name = "SKINPICK" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA((drive + name).c_str(), nullptr));
  ConverterWindow converter("skin_folder_picker");
  ASSERT_NE(converter.Main(), nullptr);
  ASSERT_TRUE(ClickMiddle(converter.Button(converter.Main(), "&Browse")));

  driver::WindowQuery pickerQuery;
  pickerQuery.className = "#32770";
  pickerQuery.processId = converter.ProcessId();
  const HWND picker = driver::WaitForWindow(pickerQuery, kTimeoutMs);
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(ComesSkinned(picker));
  driver::WindowQuery treeQuery;
  treeQuery.className = "SysTreeView32";
  const HWND tree = driver::FindChild(picker, treeQuery);
  ASSERT_NE(tree, nullptr);
  // Each step, once the click has selected it, is opened with the Right key for the next one
  // to show.
  const std::string steps[] = {"Computer", "(" + drive.substr(0, 2) + ")", name};
  for (const std::string& step : steps) {
    RECT place{};
    ASSERT_TRUE(ShowsItem(tree, step, place));
    ASSERT_TRUE(ClickTreeItem(tree, place)) << step;
    ASSERT_TRUE(ShowsItem(tree, step, place, true));
    if (step != name) PostMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  }
  Screenshot("skinned-folder-picker");
  ASSERT_TRUE(ClickDialogButton(picker, IDOK));
  ASSERT_TRUE(GoneSoon(picker));
  driver::WindowQuery editQuery;
  editQuery.caption = drive + name + "\\";
  editQuery.className = "TEdit";
  EXPECT_TRUE(driver::WaitUntil(
      [&] { return driver::FindChild(converter.Main(), editQuery) != nullptr; }, kTimeoutMs))
      << "no output folder " << editQuery.caption;
  EXPECT_TRUE(converter.Close());
  RemoveDirectoryA((drive + name).c_str());
}

// Without a console Hollimer asks two questions before its main window; both come skinned
// and take real clicks.
TEST(SkinnedDialogs, HollimersStartUpQuestionsAreSkinnedAndAnsweredByRealClicks) {
  RemoveFolderTree(ConsoleDrive::PathOf("MP_ROOT"));
  ManagerWindow manager("skin_questions", "");
  ASSERT_TRUE(manager.Ready() && manager.Start());
  const struct {
    const char* caption;
    int button;
  } questions[] = {{"PSP Connection", IDNO}, {"Please connect your PSP", IDOK}};
  for (const auto& q : questions) {
    SCOPED_TRACE(q.caption);
    const HWND box = manager.WaitForBox(q.caption);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(ComesSkinned(box));
    EXPECT_FALSE(manager.MainShown());
    if (q.button == IDNO) Screenshot("skinned-start-up-question");
    ASSERT_TRUE(ClickDialogButton(box, q.button));
    ASSERT_TRUE(GoneSoon(box));
  }
  EXPECT_NE(manager.WaitForMain(), nullptr);
  EXPECT_TRUE(manager.Close());
}

}  // namespace
