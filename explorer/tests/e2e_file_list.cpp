// The file list driven from outside, through the test host: rows of a fixture folder, header
// sorting, navigation by keys, renames, moves and deletes through the shell.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "explorer/tests/e2e_file_list_fixture.h"
#include "testing/driver/screenshot.h"

namespace {

using explorer_host::kTimeoutMs;
using file_list_host::Column;
using file_list_host::FileListEndToEnd;
using file_list_host::Rows;
using file_list_host::Ansi;
using file_list_host::SendToShortcut;

TEST_F(FileListEndToEnd, AFolderShowsItsRowsSizesAndColumns) {
  Start(folder);
  const Rows rows = driver::ListViewRows(list);
  EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{" Parent", "Sub", "a.txt", "b.txt", "c.dat", "d.dat", "e.dat",
                                                       "f.dat"}));
  // 0 bytes 0 KB, 1 byte and 1024 and 2047 bytes 1 KB, 2048 bytes 2 KB, 5000 bytes 4 KB.
  EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{" ", " ", "0 KB", "1 KB", "1 KB", "1 KB", "2 KB", "4 KB"}));
  EXPECT_EQ(rows[2][4], "A");
  EXPECT_EQ(driver::ListViewColumnCount(list), 5);
}

TEST_F(FileListEndToEnd, HeaderClicksSortBySizeBothWays) {
  Start(folder);
  HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
  ASSERT_NE(header, nullptr);
  auto clickSize = [&] {
    // Name is 165 wide, Size 75: the middle of the second header item.
    const LPARAM at = MAKELPARAM(165 + 37, 8);
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(header, WM_LBUTTONUP, 0, at);
  };
  auto sizes = [&] { return Column(driver::ListViewRows(list), 1); };
  clickSize();
  // The first click: largest first, the folders after the files, the parent entry on top.
  const std::vector<std::string> largestFirst{" ", "4 KB", "2 KB", "1 KB", "1 KB", "1 KB", "0 KB", " "};
  EXPECT_TRUE(driver::WaitUntil([&] { return sizes() == largestFirst; }, kTimeoutMs))
      << ::testing::PrintToString(sizes());
  EXPECT_EQ(Captions().front(), " Parent");
  EXPECT_EQ(Captions().back(), "Sub");
  clickSize();
  const std::vector<std::string> smallestFirst{" ", " ", "0 KB", "1 KB", "1 KB", "1 KB", "2 KB", "4 KB"};
  EXPECT_TRUE(driver::WaitUntil([&] { return sizes() == smallestFirst; }, kTimeoutMs))
      << ::testing::PrintToString(sizes());
}

TEST_F(FileListEndToEnd, EnterAndBackspaceMoveThroughFoldersUpToTheDrives) {
  Start(folder);
  Select("Sub");
  Key(VK_RETURN);
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "inner.txt"}));
  Key(VK_BACK);
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[1] == "Sub"; }));

  host.Kill();
  Start("C:\\");
  Key(VK_BACK);
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) {
    return !c.empty() && c[0].rfind(" (", 0) == 0 && c[0].substr(3, 2) == ":)";
  })) << ::testing::PrintToString(Captions());
  const Rows drives = driver::ListViewRows(list);
  bool fixed = false;
  for (const auto& row : drives) fixed = fixed || (row[0].substr(2, 2) == "C:" && row[1] == "Fixed Disk");
  EXPECT_TRUE(fixed) << ::testing::PrintToString(drives);
  // Backspace in the drives does nothing.
  const std::vector<std::string> captions = Captions();
  Key(VK_BACK);
  Key(VK_F5);
  EXPECT_TRUE(WaitForCaptionsEqual(captions));
}

TEST_F(FileListEndToEnd, F2RenamesThroughTheShellAndRefusesAnExistingName) {
  Start(folder);
  Select("b.txt");
  Key(VK_F2);
  TypeName("b2.txt");
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::FileExists(folder + "\\b2.txt"); }, kTimeoutMs));
  EXPECT_FALSE(driver::FileExists(folder + "\\b.txt"));
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));

  Select("b2.txt");
  Key(VK_F2);
  TypeName("a.txt");
  HWND message = WaitForPrompt();
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(driver::WindowText(GetDlgItem(message, 0xFFFF)), "\"a.txt\" already exists !");
  driver::PressDialogButton(message, IDOK);
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));
  EXPECT_TRUE(driver::FileExists(folder + "\\b2.txt"));
  EXPECT_EQ(driver::ReadWholeFile(folder + "\\a.txt"), "");

  // A name with a separator would move the file into Sub: refused, nothing moves.
  Select("b2.txt");
  Key(VK_F2);
  TypeName("Sub\\b2.txt");
  HWND refusal = WaitForPrompt();
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(driver::WindowText(GetDlgItem(refusal, 0xFFFF)), "Folder Name contains invalid characters");
  driver::PressDialogButton(refusal, IDOK);
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));
  EXPECT_TRUE(driver::FileExists(folder + "\\b2.txt"));
  EXPECT_FALSE(driver::FileExists(folder + "\\Sub\\b2.txt"));
}

TEST_F(FileListEndToEnd, TheRowEditedIsRenamedWhenOthersAreSelectedToo) {
  Start(folder);
  Select("a.txt");
  Select("c.dat", true);
  PostMessageA(list, LVM_EDITLABEL, Row("c.dat"), 0);
  TypeName("c2.dat");
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::FileExists(folder + "\\c2.dat"); }, kTimeoutMs))
      << ::testing::PrintToString(Captions());
  EXPECT_FALSE(driver::FileExists(folder + "\\c.dat"));
  EXPECT_TRUE(driver::FileExists(folder + "\\a.txt"));
  EXPECT_EQ(explorer_host::WaitForPrompt(host, window, 0), nullptr) << "a message came";
}

TEST_F(FileListEndToEnd, CutHereAndPasteThereMoves) {
  Start(folder);
  Select("c.dat");
  Select("d.dat", true);
  Menu({'t'});
  Select("Sub");
  Key(VK_RETURN);
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "inner.txt"}));
  Menu({'p'});
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "c.dat", "d.dat", "inner.txt"}));
  EXPECT_TRUE(driver::FileExists(folder + "\\Sub\\c.dat"));
  EXPECT_FALSE(driver::FileExists(folder + "\\c.dat"));
  EXPECT_FALSE(driver::FileExists(folder + "\\d.dat"));
}

TEST_F(FileListEndToEnd, DeleteGoesAfterTheShellsPrompts) {
  Start(folder);
  Select("e.dat");
  Key(VK_DELETE);
  std::string seen;
  EXPECT_TRUE(explorer_host::AnswerYesUntil(host, window, [&] { return !driver::FileExists(folder + "\\e.dat"); }, seen))
      << seen;
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 7 && c[6] == "f.dat"; }))
      << ::testing::PrintToString(Captions());
}

TEST_F(FileListEndToEnd, ASendToShortcutToAFolderCopiesThere) {
  // The shortcut is named after its folder, as the shell names one.
  for (const wchar_t* name : {L"Fixture Target", L"Fixture Ziel \u00fc"}) {
    SCOPED_TRACE(Ansi(name));
    const std::string target = driver::MakeScratchFolder(Ansi(name));
    ASSERT_FALSE(target.empty());
    SendToShortcut shortcut(name, target);
    ASSERT_TRUE(shortcut.Made());
    ASSERT_EQ(shortcut.Count(), 1) << "the menu's first shortcut entry must be ours";
    Start(folder);
    Select("b.txt");
    Select("f.dat", true);
    // "Se&nd To" open beside the menu: a picture to look at, then past its four fixed entries to
    // the first shortcut.
    Menu({'n'});
    driver::WindowQuery menus;
    menus.className = "#32768";
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FindTopWindows(menus).size() >= 2; }, kTimeoutMs));
    if (const char* root = std::getenv("WINE_TEST_ROOT"))
      EXPECT_TRUE(driver::TakeScreenshot(std::string(root) + "/explorer-host-menu.png"));
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN})
      PostMessageA(driver::FindTopWindows(menus).front(), WM_KEYDOWN, key, 1);
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return driver::FileExists(target + "\\b.txt") && driver::FileExists(target + "\\f.dat"); }, kTimeoutMs));
    EXPECT_EQ(driver::ReadWholeFile(target + "\\f.dat").size(), 5000u);
    EXPECT_TRUE(driver::FileExists(folder + "\\b.txt"));  // copied, not moved
    host.Kill();
  }
}

TEST_F(FileListEndToEnd, ClipboardAsFileNameGivesOneLinePerSelectedRow) {
  Start(folder);
  Select("a.txt");
  Select("c.dat", true);
  Select("f.dat", true);
  // "Se&nd To", then its third entry.
  Menu({'n', VK_DOWN, VK_DOWN, VK_RETURN});
  const std::string expected = folder + "\\a.txt\r\n" + folder + "\\c.dat\r\n" + folder + "\\f.dat";
  EXPECT_EQ(WaitForClipboardText(expected), expected);
}

TEST_F(FileListEndToEnd, ClipboardAsContentsGivesTheFilesText) {
  struct Case {
    const char* name;
    const char* bytes;
    const char* text;
  };
  const Case cases[] = {
      {"plain.txt", "first line\r\nsecond {line}", "first line\r\nsecond {line}"},  // the text as it stands
      {"styled.rtf", "{\\rtf1\\ansi Hello {\\b bold}}", "Hello bold"},           // rich text as its words
  };
  for (const Case& c : cases) ASSERT_TRUE(driver::WriteWholeFile(folder + "\\" + c.name, c.bytes));
  Start(folder);
  for (const Case& c : cases) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    Select(c.name);
    // "Se&nd To", then its second entry.
    Menu({'n', VK_DOWN, VK_RETURN});
    EXPECT_EQ(WaitForClipboardText(c.text), c.text) << c.name;
  }
}

}  // namespace
