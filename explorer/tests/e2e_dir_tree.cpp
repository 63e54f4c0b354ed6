// The folder tree driven from outside, through the test host: its context menu, reached by a
// right click on a node and then keys, makes, renames, moves and deletes folders and rebuilds
// the tree after a network drive was disconnected.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "explorer/tests/explorer_host.h"
#include "testing/driver/files.h"
#include "testing/driver/input.h"
#include "testing/driver/remote_block.h"
#include "testing/driver/screenshot.h"

namespace {

using driver::FolderExists;
using explorer_host::kTimeoutMs;

// The folder and all it holds, with no question.
void RemoveFolder(const std::string& path) {
  if (!FolderExists(path)) return;
  const std::string from = path + '\0';
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&op);
}

class DirTreeEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    // Straight under the drive, so that the folders show in the tree without scrolling.
    folder = "C:\\TreeOps-" + std::to_string(GetCurrentProcessId());
    for (const char* sub : {"", "\\Source", "\\Target"}) CreateDirectoryA((folder + sub).c_str(), nullptr);
    ASSERT_TRUE(driver::WriteWholeFile(folder + "\\Source\\clip.txt", "clip"));
  }
  void TearDown() override {
    if (host.Running()) host.Kill();
    for (const std::string& made : {folder, std::string("C:\\New Folder"), std::string("C:\\Made Here"),
                                    std::string("C:\\Made Again")})
      RemoveFolder(made);
  }
  void Start() {
    window = explorer_host::StartHost(host, "\"" + folder + "\"");
    ASSERT_NE(window, nullptr);
    tree = explorer_host::Control(window, "TDirTree");
    list = explorer_host::Control(window, "TFileListView");
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitForItem("Source")) << Shown();
  }
  // The node shown with that text, a drive by its "X:".
  std::optional<driver::TreeViewItem> Item(const std::string& text) {
    for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree))
      if (item.text == text || (text.size() == 2 && item.text.substr(2, 2) == text)) return item;
    return std::nullopt;
  }
  std::optional<driver::TreeViewItem> WaitForItem(const std::string& text) {
    std::optional<driver::TreeViewItem> found;
    driver::WaitUntil([&] { return (found = Item(text)).has_value(); }, kTimeoutMs);
    return found;
  }
  std::string Shown() {
    std::string texts;
    for (const driver::TreeViewItem& item : driver::TreeViewVisibleItems(tree))
      texts += "[" + item.text + (item.selected ? " *" : "") + "]";
    return texts;
  }
  // A right click on the node, as the user's hand gives it, then the keys to the menu it opens.
  void Menu(const std::string& node, const std::vector<WPARAM>& keys, const char* screenshot = nullptr) {
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }, kTimeoutMs));
    ASSERT_TRUE(explorer_host::WaitForNoMenu()) << "the menu before is still open";
    const auto item = WaitForItem(node);
    ASSERT_TRUE(item) << node << " not among " << Shown();
    POINT at{(item->textRect.left + item->textRect.right) / 2, (item->textRect.top + item->textRect.bottom) / 2};
    ASSERT_TRUE(ClientToScreen(tree, &at) && driver::ClickScreen(at, true));
    HWND menu = explorer_host::WaitForMenu();
    ASSERT_NE(menu, nullptr) << "no menu on " << node;
    if (const char* root = std::getenv("WINE_TEST_ROOT"); root && screenshot)
      EXPECT_TRUE(driver::TakeSettledScreenshot(std::string(root) + "/" + screenshot));
    explorer_host::PressMenuKeys(menu, keys);
  }
  // Types the name into the node's in-place editor and ends the edit with Enter, as the user's
  // keys would.
  void TypeName(const std::string& name) {
    HWND edit = nullptr;
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
          const LRESULT answer = driver::Ask(tree, TVM_GETEDITCONTROL, 0, 0);
          return answer > 0 && (edit = reinterpret_cast<HWND>(answer)) != nullptr;
        },
        kTimeoutMs))
        << "no editor";
    // The old name is selected: the first character replaces it.
    for (char c : name) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::WindowText(edit) == name; }, kTimeoutMs))
        << "the editor shows " << driver::WindowText(edit);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  }
  // The next prompt's text, answered with the button.
  std::string Answer(int button) {
    HWND prompt = explorer_host::WaitForPrompt(host, window);
    if (!prompt) return "no prompt";
    const std::string text = driver::WindowText(GetDlgItem(prompt, 0xFFFF));
    EXPECT_TRUE(driver::PressDialogButton(prompt, button)) << text;
    driver::WaitUntil([&] { return !IsWindow(prompt) || !IsWindowVisible(prompt); }, kTimeoutMs);
    return text;
  }
  std::string folder;
  driver::Process host;
  HWND window = nullptr, tree = nullptr, list = nullptr;
};

TEST_F(DirTreeEndToEnd, NewFolderOnADriveIsNamedWithoutAQuestionLaterRenamesAsk) {
  Start();
  Menu("C:", {'n'}, "explorer-tree-menu.png");
  TypeName("Made Here");
  // A question would hold the rename back until it was answered.
  ASSERT_TRUE(driver::WaitUntil([] { return FolderExists("C:\\Made Here"); }, kTimeoutMs)) << Shown();
  EXPECT_FALSE(FolderExists("C:\\New Folder"));

  struct Case {
    const char* name;
    int button;
    const char* onDisk;
  };
  for (const Case& c : {Case{"Not This", IDNO, "C:\\Made Here"}, Case{"Made Again", IDYES, "C:\\Made Again"}}) {
    Menu("Made Here", {'r'});
    TypeName(c.name);
    const std::string asked = Answer(c.button);
    EXPECT_NE(asked.find("Do you want to rename the selected folder"), std::string::npos) << asked;
    EXPECT_NE(asked.find(std::string("C:\\") + c.name), std::string::npos) << asked;
    EXPECT_TRUE(driver::WaitUntil([&] { return FolderExists(c.onDisk); }, kTimeoutMs)) << c.name;
    EXPECT_TRUE(WaitForItem(std::string(c.onDisk).substr(3))) << c.name << ": " << Shown();
  }
  EXPECT_FALSE(FolderExists("C:\\Made Here"));
}

TEST_F(DirTreeEndToEnd, ACutFolderPastesIntoAnotherAndDeletesAfterTheShellsPrompts) {
  Start();
  Menu("Source", {'t'});
  Menu("Target", {'p'});
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::FileExists(folder + "\\Target\\Source\\clip.txt"); }, kTimeoutMs));
  EXPECT_FALSE(FolderExists(folder + "\\Source"));
  // The tree is read again and open at the target, the moved folder inside it.
  ASSERT_TRUE(driver::WaitUntil(
      [&] {
        const auto target = Item("Target"), source = Item("Source");
        return target && source && target->selected && source->textRect.left > target->textRect.left;
      },
      kTimeoutMs))
      << Shown();

  Menu("Source", {'d'});
  std::string seen;
  EXPECT_TRUE(explorer_host::AnswerYesUntil(host, window, [&] { return !FolderExists(folder + "\\Target\\Source"); }, seen))
      << seen;
  EXPECT_TRUE(driver::WaitUntil([&] { return !Item("Source") && Item("Target") && Item("Target")->selected; }, kTimeoutMs))
      << Shown();
}

TEST_F(DirTreeEndToEnd, DisconnectReadsTheTreeAgainWithTheRootSelectedAndTheDrivesListed) {
  Start();
  // The network entries share their letter with others: up from the end, past Properties.
  Menu("Source", {VK_UP, VK_UP, VK_RETURN});
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        const auto shown = driver::TreeViewVisibleItems(tree);
        return !shown.empty() && shown.front().selected && !Item("Source") && Item("C:");
      },
      kTimeoutMs))
      << Shown();
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        const std::string first = driver::ListViewItemText(list, 0, 0);
        return first.rfind(" (", 0) == 0 && first.substr(3, 2) == ":)";
      },
      kTimeoutMs))
      << driver::ListViewItemText(list, 0, 0);
}

}  // namespace
