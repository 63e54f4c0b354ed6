// Hollimer's console drive chooser, driven from outside as a user would: the drop-down opens
// with a click on its button, its tree is read across processes, and drives and a folder are
// picked, among them the card reader without a card; the node under the pointer is the selected
// one, and the drop-down's scroll bar takes clicks.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/process.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

using namespace driver;

namespace {

const DWORD kTimeoutMs = 20000;
// More folders on the console than the drop-down shows at once.
constexpr int kClipFolders = 20;

std::string ClipFolder(int n) {
  char name[16];
  std::snprintf(name, sizeof name, "\\Clips %02d", n);
  return name;
}

class DriveComboTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char* root = std::getenv("WINE_TEST_ROOT");
    ASSERT_NE(root, nullptr);
    testRoot = root;
    consoleFolder = WindowsPath(testRoot + "/psp-drive/MP_ROOT");
    CreateDirectoryA(consoleFolder.c_str(), nullptr);
    program = StartProgram(DistDir() + "\\Hollimer.exe", "");
    ASSERT_TRUE(program.Started());
    main = WaitForWindow({"", "TMainForm", {}, program.Id()}, kTimeoutMs);
    ASSERT_NE(main, nullptr) << "no main window";
    combo = FindChild(main, {"", "TDirTreeCombo"});
    ASSERT_NE(combo, nullptr);
  }
  void TearDown() override {
    program.Kill();
    for (int n = 1; n <= kClipFolders; ++n) RemoveDirectoryA((consoleFolder + ClipFolder(n)).c_str());
    RemoveDirectoryA(consoleFolder.c_str());
  }
  // Every message posted to the program so far has been handled once this returns.
  void Settle() {
    DWORD_PTR result;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &result);
  }
  HWND OpenTree() {
    RECT client{};
    GetClientRect(combo, &client);
    POINT button{client.right - 9, client.bottom / 2};
    MapWindowPoints(combo, main, &button, 1);
    EXPECT_TRUE(ClickAt(main, button));
    return WaitForWindow({"", "TDirTreeDropView", {}, program.Id()}, kTimeoutMs);
  }
  std::vector<std::string> Texts(HWND tree) {
    std::vector<std::string> texts;
    for (const TreeViewItem& item : TreeViewVisibleItems(tree)) texts.push_back(item.text);
    return texts;
  }
  void Pick(HWND tree, const std::string& text) {
    for (const TreeViewItem& item : TreeViewVisibleItems(tree)) {
      if (item.text != text) continue;
      const POINT at{(item.textRect.left + item.textRect.right) / 2, (item.textRect.top + item.textRect.bottom) / 2};
      ASSERT_TRUE(ClickAt(tree, at));
      ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(tree); }, kTimeoutMs)) << "still open after " << text;
      return;
    }
    FAIL() << "no node " << text << " in " << ::testing::PrintToString(Texts(tree));
  }
  bool MenuShows() { return !FindTopWindows({"", "#32768"}).empty(); }
  HWND CaptureOfProgram() {
    GUITHREADINFO info{sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndCapture : nullptr;
  }
  // The pointer over the node's text, through the system's input, until the node is selected.
  void Hover(HWND tree, const std::string& text) {
    auto selected = [&] {
      for (const TreeViewItem& item : TreeViewVisibleItems(tree))
        if (item.text == text) return item.selected;
      return false;
    };
    ASSERT_TRUE(WaitUntil([&] { auto t = Texts(tree); return std::find(t.begin(), t.end(), text) != t.end(); }, kTimeoutMs))
        << "no node " << text << " in " << ::testing::PrintToString(Texts(tree));
    for (const TreeViewItem& item : TreeViewVisibleItems(tree)) {
      if (item.text != text) continue;
      ASSERT_TRUE(PointAt(tree, {(item.textRect.left + item.textRect.right) / 2, (item.textRect.top + item.textRect.bottom) / 2}));
      EXPECT_TRUE(WaitUntil(selected, kTimeoutMs)) << text << " not selected under the pointer";
      return;
    }
  }

  std::string testRoot, consoleFolder;
  Process program;
  HWND main = nullptr, combo = nullptr;
};

TEST_F(DriveComboTest, PicksDrivesAndFoldersFromTheDropDown) {
  // No menu from a right click on the edit or its button, nor from Shift+F10.
  RECT client{};
  GetClientRect(combo, &client);
  for (LPARAM at : {MAKELPARAM(40, 8), MAKELPARAM(client.right - 9, 8)}) {
    PostMessageA(combo, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(combo, WM_RBUTTONUP, 0, at);
  }
  PostMessageA(combo, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo), MAKELPARAM(-1, -1));
  Settle();
  EXPECT_FALSE(MenuShows());

  HWND tree = OpenTree();
  ASSERT_NE(tree, nullptr) << "the drop-down did not open";
  const std::vector<std::string> shown = Texts(tree);
  ASSERT_GE(shown.size(), 4u) << ::testing::PrintToString(shown);
  EXPECT_EQ(shown[0], "My Computer") << "the computer is the root";
  // A drive's name is its label and the letter: without a label a blank stays before it.
  for (const char* drive : {" (C:)   ", " (N:)   ", " (P:)  PSP "})
    EXPECT_NE(std::find(shown.begin(), shown.end(), drive), shown.end()) << drive << " in " << ::testing::PrintToString(shown);
  RECT placed{}, edit{};
  GetWindowRect(tree, &placed);
  GetWindowRect(combo, &edit);
  EXPECT_EQ(placed.top, edit.bottom);
  EXPECT_EQ(placed.right - placed.left, 219);
  EXPECT_TRUE(TakeScreenshot(testRoot + "/hollimer-drop-down.png"));

  Pick(tree, " (P:)  PSP ");
  EXPECT_EQ(WindowText(combo), " (P:)  PSP ");

  // The console drive's folder: Right opens the picked drive in the tree.
  ASSERT_EQ(OpenTree(), tree);
  PostMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_TRUE(WaitUntil([&] { auto t = Texts(tree); return std::find(t.begin(), t.end(), "MP_ROOT") != t.end(); }, kTimeoutMs))
      << ::testing::PrintToString(Texts(tree));
  Pick(tree, "MP_ROOT");
  EXPECT_EQ(WindowText(combo), "MP_ROOT");

  // The reader without a card: picked, then reported.
  ASSERT_EQ(OpenTree(), tree);
  Pick(tree, " (N:)   ");
  HWND warning = WaitForWindow({"Warning", "", {}, program.Id()}, kTimeoutMs);
  ASSERT_NE(warning, nullptr) << "no message for the drive without a medium";
  EXPECT_EQ(WindowText(GetDlgItem(warning, 0xFFFF)), "There is no disk in Drive N\ror Drive N: is not ready");
  EXPECT_EQ(WindowText(combo), " (N:)   ");
  ASSERT_TRUE(ClickButton(FindChild(warning, {"OK"})));
  EXPECT_TRUE(WaitForWindowGone({"Warning", "", {}, program.Id()}, kTimeoutMs));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DriveComboTest, ThePointerSelectsEnterPicksAndTheScrollBarScrolls) {
  for (int n = 1; n <= kClipFolders; ++n) CreateDirectoryA((consoleFolder + ClipFolder(n)).c_str(), nullptr);
  HWND tree = OpenTree();
  ASSERT_NE(tree, nullptr) << "the drop-down did not open";
  Hover(tree, " (P:)  PSP ");
  PostMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  Hover(tree, "MP_ROOT");
  PostMessageA(tree, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(tree); }, kTimeoutMs)) << "still open after Enter";
  EXPECT_EQ(WindowText(combo), "MP_ROOT");

  // The picked folder opened: more nodes than show, and a scroll bar.
  ASSERT_EQ(OpenTree(), tree);
  PostMessageA(tree, WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_TRUE(WaitUntil(
      [&] {
        const auto t = Texts(tree);
        return std::find(t.begin(), t.end(), "Clips 01") != t.end() && (GetWindowLongA(tree, GWL_STYLE) & WS_VSCROLL);
      },
      kTimeoutMs))
      << "no scroll bar: " << ::testing::PrintToString(Texts(tree));
  RECT client{};
  GetClientRect(tree, &client);
  POINT arrow{client.right + GetSystemMetrics(SM_CXVSCROLL) / 2, client.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2};
  const std::string first = Texts(tree).front();
  ASSERT_TRUE(ClientToScreen(tree, &arrow) && SetCursorPos(arrow.x, arrow.y));
  ASSERT_TRUE(WaitUntil([&] { return CaptureOfProgram() == nullptr; }, kTimeoutMs)) << "the capture stayed over the scroll bar";
  ASSERT_TRUE(ClickScreen(arrow));
  EXPECT_TRUE(WaitUntil([&] { return Texts(tree).front() != first; }, kTimeoutMs))
      << "no scrolling: " << ::testing::PrintToString(Texts(tree));
  EXPECT_TRUE(IsWindowVisible(tree)) << "closed by the scroll bar";
  EXPECT_TRUE(TakeScreenshot(testRoot + "/hollimer-drop-down-scrolled.png"));
  PostMessageA(tree, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tree); }, kTimeoutMs)) << "still open after Escape";
}

}  // namespace
