// The drive and folder combo's drop-down driven from outside, through the test host, with the
// system's pointer: the node under it becomes the selected one, its scroll bar scrolls, and a
// click elsewhere closes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "explorer/tests/explorer_host.h"
#include "testing/driver/files.h"
#include "testing/driver/input.h"
#include "testing/driver/screenshot.h"

namespace {

using explorer_host::kTimeoutMs;

constexpr int kSubFolders = 30;

class DirTreeComboEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    // More folders than the drop-down shows at once: it gets a scroll bar.
    folder = driver::MakeScratchFolder("combo");
    for (int n = 1; n <= kSubFolders; ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "\\Folder %02d", n);
      CreateDirectoryA((folder + name).c_str(), nullptr);
    }
    window = explorer_host::StartHost(host, "\"" + folder + "\"");
    ASSERT_NE(window, nullptr);
    combo = explorer_host::Control(window, "TDirTreeCombo");
    ASSERT_NE(combo, nullptr);
  }
  void TearDown() override {
    if (host.Running()) host.Kill();
  }
  // The drop button's click, then the tree once it shows.
  void Open() {
    RECT client{};
    GetClientRect(combo, &client);
    ASSERT_TRUE(driver::ClickAt(combo, POINT{client.right - 9, client.bottom / 2}));
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
          driver::WindowQuery query;
          query.className = "TDirTreeDropView";
          query.processId = host.Id();
          tree = driver::FindTopWindows(query).empty() ? nullptr : driver::FindTopWindows(query).front();
          return tree && CaptureOfHost() == tree;
        },
        kTimeoutMs))
        << "the drop-down did not open with the capture";
  }
  HWND CaptureOfHost() {
    GUITHREADINFO info{sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
  }
  std::optional<driver::TreeViewItem> Item(const std::string& text) {
    for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree))
      if (item.text == text) return item;
    return std::nullopt;
  }
  std::string Shown() {
    std::string texts;
    for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree))
      texts += "[" + item.text + (item.selected ? " *" : "") + "]";
    return texts;
  }
  std::string FirstShown() {
    const auto shown = driver::TreeViewVisibleItems(tree);
    return shown.empty() ? "" : shown.front().text;
  }
  // Moves the pointer to a point of the screen through the system's input.
  void PointAtScreen(POINT at) {
    POINT client = at;
    ASSERT_TRUE(ScreenToClient(window, &client) && driver::PointAt(window, client));
  }

  std::string folder;
  driver::Process host;
  HWND window = nullptr, combo = nullptr, tree = nullptr;
};

TEST_F(DirTreeComboEndToEnd, TheNodeUnderThePointerIsSelectedAndEnterPicksIt) {
  Open();
  // A folder node other than the selected one, whole in view.
  RECT client{};
  GetClientRect(tree, &client);
  std::optional<driver::TreeViewItem> target;
  for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree))
    if (!target && !item.selected && item.text.rfind("Folder ", 0) == 0 && item.textRect.bottom <= client.bottom)
      target = item;
  ASSERT_TRUE(target) << Shown();
  POINT at{(target->textRect.left + target->textRect.right) / 2, (target->textRect.top + target->textRect.bottom) / 2};
  ASSERT_TRUE(driver::PointAt(tree, at));
  EXPECT_TRUE(driver::WaitUntil([&] { return Item(target->text) && Item(target->text)->selected; }, kTimeoutMs))
      << target->text << " in " << Shown();
  EXPECT_TRUE(driver::WaitUntil([&] { return CaptureOfHost() == nullptr; }, kTimeoutMs)) << "the capture stayed over the tree";

  PostMessageA(tree, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(tree); }, kTimeoutMs)) << "still open after Enter";
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::WindowText(combo) == target->text; }, kTimeoutMs))
      << driver::WindowText(combo);
}

TEST_F(DirTreeComboEndToEnd, AClickOnTheScrollBarScrollsAndKeepsItOpenAClickElsewhereClosesIt) {
  Open();
  // The scroll bar's lower arrow: right of the client area, at its bottom.
  RECT client{};
  GetClientRect(tree, &client);
  POINT arrow{client.right + GetSystemMetrics(SM_CXVSCROLL) / 2, client.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2};
  ASSERT_TRUE(ClientToScreen(tree, &arrow));
  const std::string first = FirstShown();
  PointAtScreen(arrow);
  ASSERT_TRUE(driver::WaitUntil([&] { return CaptureOfHost() == nullptr; }, kTimeoutMs)) << "the capture stayed over the scroll bar";
  ASSERT_TRUE(driver::ClickScreen(arrow));
  EXPECT_TRUE(driver::WaitUntil([&] { return FirstShown() != first; }, kTimeoutMs))
      << "no scrolling: " << Shown() << (IsWindowVisible(tree) ? "" : " (closed)");
  EXPECT_TRUE(IsWindowVisible(tree));
  if (const char* root = std::getenv("WINE_TEST_ROOT"))
    EXPECT_TRUE(driver::TakeScreenshot(std::string(root) + "/explorer-host-drop-down.png"));

  // Off the tree it takes the capture back, and the next click closes it.
  RECT list{};
  GetWindowRect(explorer_host::Control(window, "TFileListView"), &list);
  const POINT away{list.right - 20, list.bottom - 20};
  PointAtScreen(away);
  ASSERT_TRUE(driver::WaitUntil([&] { return CaptureOfHost() == tree; }, kTimeoutMs)) << "no capture off the tree";
  ASSERT_TRUE(driver::ClickScreen(away));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(tree); }, kTimeoutMs)) << "still open after a click elsewhere";
}

}  // namespace
