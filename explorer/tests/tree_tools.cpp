// The folder tree's Tree Size and Folder Contents with real windows and a small known tree of
// folders in the temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "explorer/DirTree.h"
#include "explorer/FolderContents.h"
#include "explorer/ShellHelpers.h"
#include "explorer/tests/dir_tree_testing.h"
#include "framework/SysUtils.h"
#include "framework/tests/forms_testing.h"
#include "testing/driver/screenshot.h"

using namespace forms_testing;

namespace {

// Folders (ending in "\") and files of a number of bytes, made below a folder of this run.
class TKnownTree {
public:
  TKnownTree(const std::string& name, const std::vector<std::pair<std::string, int>>& entries) {
    Root = dir_tree_testing::TempFolder(name);
    CreateDirectoryA(Root.c_str(), nullptr);
    for (const auto& [entry, bytes] : entries) {
      const std::string path = Root + "\\" + entry;
      FEntries.insert(FEntries.begin(), path);
      if (entry.back() == '\\') {
        CreateDirectoryA(path.c_str(), nullptr);
        continue;
      }
      HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      const std::string data(bytes, 'x');
      DWORD written = 0;
      WriteFile(file, data.data(), bytes, &written, nullptr);
      CloseHandle(file);
    }
  }
  ~TKnownTree() {
    for (const std::string& path : FEntries)
      if (path.back() == '\\') RemoveDirectoryA(path.c_str());
      else DeleteFileA(path.c_str());
    RemoveDirectoryA(Root.c_str());
  }
  std::string Root;
private:
  std::vector<std::string> FEntries;   // the last made first
};

class TreeToolsTest : public dir_tree_testing::DirTreeOnForm {
protected:
  void SetUp() override {
    DirTreeOnForm::SetUp();
    tree->OnFileChange = [this](TObject*, const std::string& file) { log.push_back("file " + file); };
  }
  // The text of the message the call shows, which is then answered with OK.
  std::string MessageOf(const std::function<void()>& call) {
    std::string text = "(no message)";
    OnMessageDialog answer(
        [&](TCustomForm* dialog) { text = dir_tree_testing::AnswerMessage(dialog, "OK"); });
    call();
    return text;
  }
  TFolderContents* LastContents() {
    TFolderContents* last = nullptr;
    for (int i = 0; i < tree->ComponentCount(); ++i)
      if (auto* c = dynamic_cast<TFolderContents*>(tree->Components(i))) last = c;
    return last;
  }
};

TEST_F(TreeToolsTest, TreeSizeCountsTheFolderAndTheFoldersBelowItOnly) {
  const TKnownTree known("size", {{"Data\\", 0}, {"Data\\a.bin", 500}, {"Data\\Sub\\", 0},
                                  {"Data\\Sub\\b.bin", 1500}, {"Data\\Sub\\Deep\\", 0},
                                  {"Data\\Sub\\Deep\\c.bin", 24}, {"Data2\\", 0},
                                  {"Data2\\d.bin", 100000}, {"Empty\\", 0}});
  struct Case {
    std::string folder, message;
    double bytes;
  };
  for (const Case& c : {
           // The sibling Data2, whose name extends Data's, is not counted.
           Case{"Data", "Folder \"Data\"\rand all its Sub-Folders  =  1.98 KB", 2024},
           Case{"Data\\Sub\\Deep", "Folder \"Deep\"\rand all its Sub-Folders  =  1.00 KB", 24},
           Case{"Empty", "Folder \"Empty\"\rand all its Sub-Folders  =  0.00 KB", 0},
       }) {
    const std::string folder = known.Root + "\\" + c.folder;
    tree->OpenPath(folder);
    log.clear();
    double total = -1;
    EXPECT_EQ(MessageOf([&] { total = tree->ShowTreeSize(tree->SelectedPath()); }), "=== TREE SIZE ===\r\r" + c.message)
        << c.folder;
    EXPECT_EQ(total, c.bytes) << c.folder;
    EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\"}) << c.folder << ": opened again";
  }
  // The walk loaded the folders below the one it measured.
  tree->OpenPath(known.Root + "\\Data\\Sub");
  ASSERT_NE(tree->Selected(), nullptr);
  ASSERT_NE(tree->Selected()->GetFirstChild(), nullptr);
  TTreeNode* deep = tree->Selected()->GetFirstChild();
  EXPECT_EQ(deep->Text(), "Deep");
  // A plain folder shows the icons the shell gives its path.
  const std::string deepPath = known.Root + "\\Data\\Sub\\Deep";
  EXPECT_EQ(deep->ImageIndex(), explorer::GetSmallIconIndex(deepPath));
  EXPECT_EQ(deep->SelectedIndex(), explorer::GetSmallOpenIconIndex(deepPath));
}

TEST_F(TreeToolsTest, FolderContentsListsTheFilesAndOKChoosesOne) {
  const TKnownTree known("contents", {{"b.txt", 1}, {"A.txt", 1}, {"c.dat", 1}, {"sub\\", 0}});
  tree->OpenPath(known.Root);
  tree->ShowFolderContents(tree->SelectedPath());
  TFolderContents* window = LastContents();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Caption(), "Files in \" ..\\contents-" + std::to_string(GetCurrentProcessId()) + " \"");
  EXPECT_EQ(GetParent(window->Handle()), tree->Handle()) << "lies inside the tree";
  EXPECT_TRUE(GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));

  auto* list = static_cast<TListView*>(window->FindComponent("lvwFiles"));
  ASSERT_NE(list, nullptr);
  std::vector<std::string> rows;
  for (int i = 0; i < list->Items()->Count(); ++i) {
    char text[MAX_PATH] = {};
    ListView_GetItemText(list->Handle(), i, 0, text, sizeof text);
    rows.push_back(text);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"A.txt", "b.txt", "c.dat"})) << "files only, by name";
  EXPECT_EQ(GetWindowLongA(list->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
  // The hint comes when the mouse rests on the list, its two parts on two lines.
  const TRect onList = list->ClientRect();
  PostMessageA(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(onList.Width() / 2, onList.Height() / 2));
  ASSERT_TRUE(PumpUntil([] {
    Application->ProcessMessages();
    return Application->HintWindow() != nullptr;
  }, 10000)) << "no hint";
  THintWindow* hint = Application->HintWindow();
  EXPECT_EQ(hint->Text(), "LeftClick - Select\rDblClick  - Open");
  EXPECT_GT(hint->Height(), 2 * std::abs(hint->Font()->Height())) << "two lines";
  if (const char* root = std::getenv("WINE_TEST_ROOT")) {
    Pump(100);
    EXPECT_TRUE(driver::TakeSettledScreenshot(std::string(root) + "/explorer-folder-contents.png"));
  }
  Application->CancelHint();

  log.clear();
  list->SetSelected(list->Items()->Item(1));
  SendMessageA(static_cast<TWinControl*>(window->FindComponent("btnOK"))->Handle(), BM_CLICK, 0, 0);
  const std::string chosen = known.Root + "\\b.txt";
  EXPECT_EQ(log, (std::vector<std::string>{"file " + chosen, "dir " + known.Root + "\\"}));
  EXPECT_EQ(tree->SelectedFile(), chosen);
  EXPECT_FALSE(IsWindowVisible(window->Handle())) << "closed by OK";
  EXPECT_EQ(window->FindComponent("lvwFiles"), nullptr) << "the list goes with OK";

  // OK without a selection empties SelectedFile and fires nothing.
  tree->ShowFolderContents(tree->SelectedPath());
  log.clear();
  SendMessageA(static_cast<TWinControl*>(LastContents()->FindComponent("btnOK"))->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(log, std::vector<std::string>{"dir " + known.Root + "\\"});
  EXPECT_EQ(tree->SelectedFile(), "");
}

}  // namespace
