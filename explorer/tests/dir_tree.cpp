// The folder tree with real windows: selection by mouse and keys, the drive without a medium,
// opening paths, renames in place and the link to a file list.
#include "explorer/DirTree.h"

#include <gtest/gtest.h>

#include <memory>

#include "explorer/FileListView.h"
#include "explorer/FolderNodes.h"
#include "framework/SysUtils.h"
#include "explorer/tests/dir_tree_testing.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;
using dir_tree_testing::AnswerMessage;
using dir_tree_testing::TempFolder;

namespace {

class DirTreeTest : public dir_tree_testing::DirTreeOnForm {
protected:
  void SetUp() override {
    DirTreeOnForm::SetUp();
    tree->OnKeyUp = [this](TObject*, WORD& key, TShiftState) { log.push_back("key " + std::to_string(key)); };
  }
  TTreeNode* Child(TTreeNode* node, const std::string& text) {
    for (TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling())
      if (SameText(c->Text(), text) || c->Text().substr(2, 2) == text) return c;
    return nullptr;
  }
  TTreeNode* Root() { return tree->Items()->GetFirstNode(); }
  // A click on the node's text as the mouse gives it; waits for the step it starts.
  void Click(TTreeNode* node, size_t logged) {
    node->MakeVisible();
    const TRect r = node->DisplayRect(true);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tree->Handle(), WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= logged; }, 10000)) << ::testing::PrintToString(log);
    Pump(50);
  }
  // The next message dialog's text is logged and the named button pressed.
  std::unique_ptr<OnMessageDialog> Answer(const char* button) {
    return std::make_unique<OnMessageDialog>([this, button](TCustomForm* dialog) {
      log.push_back("message " + AnswerMessage(dialog, button));
    });
  }
  // Edits the node's text in place as a user types it and presses Enter.
  void Rename(TTreeNode* node, const std::string& text) {
    node->EditText();
    HWND edit = reinterpret_cast<HWND>(SendMessageA(tree->Handle(), TVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr) << "no editing started on " << node->Text();
    SetWindowTextA(edit, text.c_str());
    SendMessageA(tree->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
  }
};

TEST_F(DirTreeTest, ClicksSelectTheRootDrivesAndFoldersAndMoveTheList) {
  const std::string folder = TempFolder("tree");
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\Inner").c_str(), nullptr);
  TFileListView* list = new TFileListView(form);
  list->SetParent(form);
  list->SetBounds(0, 260, 380, 30);
  tree->SetFileList(list);

  ASSERT_EQ(Root()->GetFirstChild(), nullptr) << "drives before the first click";
  Click(Root(), 1);
  EXPECT_EQ(log, std::vector<std::string>{"dir Drives"});
  EXPECT_NE(Child(Root(), "C:"), nullptr);
  Root()->Expand(false);

  log.clear();
  Click(Child(Root(), "C:"), 1);
  EXPECT_EQ(log, std::vector<std::string>{"dir C:\\"});
  EXPECT_EQ(tree->SelectedPath(), "C:\\");
  EXPECT_EQ(list->Directory(), "C:\\");

  // The removable drive without a medium reports and changes nothing else.
  log.clear();
  auto answer = Answer("OK");
  Click(Child(Root(), "N:"), 1);
  EXPECT_EQ(log, std::vector<std::string>{"message There is no disk in Drive N\ror Drive N: is not ready"});
  EXPECT_EQ(list->Directory(), "C:\\");

  // OpenPath keeps the final "\", a click on the folder gives it without.
  log.clear();
  tree->OpenPath(folder);
  EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\"});
  EXPECT_EQ(list->Directory(), "C:\\") << "OpenPath leaves the list";
  log.clear();
  Click(Child(tree->Selected(), "Inner"), 1);
  EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\Inner"});
  EXPECT_TRUE(SameText(list->Directory(), folder + "\\Inner\\") || SameText(list->Directory(), folder + "\\Inner"))
      << list->Directory();

  // The list going first takes the link with it.
  delete list;
  EXPECT_EQ(tree->FileList(), nullptr);
  RemoveDirectoryA((folder + "\\Inner").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(DirTreeTest, OpenPathMatchesAmongChildrenOnlyAndStopsQuietly) {
  const std::string folder = TempFolder("open");
  for (const char* sub : {"", "\\a", "\\a\\x", "\\x"}) CreateDirectoryA((folder + sub).c_str(), nullptr);
  tree->OpenPath(folder + "\\a");   // loads a's own "x" first
  log.clear();
  tree->OpenPath(folder + "\\x");
  ASSERT_NE(tree->Selected(), nullptr);
  EXPECT_TRUE(SameText(tree->GetPathOfNode(tree->Selected()), folder + "\\x"))
      << tree->GetPathOfNode(tree->Selected());
  EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\x\\"});

  // A folder made after its parent was read, a missing one, a one-letter text: nothing fires.
  CreateDirectoryA((folder + "\\late").c_str(), nullptr);
  log.clear();
  for (const std::string& path : {folder + "\\late", folder + "\\missing", std::string("C")}) tree->OpenPath(path);
  EXPECT_EQ(log, std::vector<std::string>{});
  EXPECT_TRUE(SameText(tree->SelectedPath(), folder + "\\x\\"));

  tree->Rebuild();
  tree->OpenPath(folder + "\\late");
  EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\late\\"}) << "read again after Rebuild";
  for (const char* sub : {"\\late", "\\x", "\\a\\x", "\\a", ""}) RemoveDirectoryA((folder + sub).c_str());
}

TEST_F(DirTreeTest, OnlyArrowKeysSelectAndReachKeyUp) {
  tree->Rebuild();
  Root()->Expand(false);
  Root()->SetSelected(true);
  SendMessageA(tree->Handle(), WM_KEYUP, 'A', 0);
  EXPECT_EQ(log, std::vector<std::string>{});
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(tree->Handle(), WM_KEYUP, VK_DOWN, 0);
  const std::string first = Root()->GetFirstChild()->Text().substr(2, 2) + "\\";
  EXPECT_EQ(log, (std::vector<std::string>{"key " + std::to_string(VK_DOWN), "dir " + first}));
}

TEST_F(DirTreeTest, RenamesAskUnlessSkippedAndRefuseInvalidNames) {
  const std::string folder = TempFolder("rename");
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\Old").c_str(), nullptr);
  tree->OpenPath(folder);
  TTreeNode* node = Child(tree->Selected(), "Old");
  ASSERT_NE(node, nullptr);
  EXPECT_FALSE(SendMessageA(tree->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(Root()->ItemId())))
      << "the root is not edited";

  struct Case {
    const char* name;
    const char* button;   // null: no dialog expected
    std::vector<std::string> log;
    const char* onDisk;
  };
  const std::string question = "message Do you want to rename the selected folder\r\r    From  : " + folder + "\\Old\r    To     : " + folder + "\\";
  for (const Case& c : {
           Case{"Bad:Name", "OK", {"message Error - Invalid Directory Name\rBad:Name"}, "Old"},
           Case{"", nullptr, {}, "Old"},
           Case{"Kept", "No", {question + "Kept"}, "Old"},
           Case{"New", "Yes", {question + "New"}, "New"},
       }) {
    log.clear();
    std::unique_ptr<OnMessageDialog> answer;
    if (c.button) answer = Answer(c.button);
    Rename(node, c.name);
    EXPECT_EQ(log, c.log) << c.name;
    EXPECT_TRUE(DirectoryExists(folder + "\\" + c.onDisk)) << c.name;
    EXPECT_EQ(node->Text(), c.onDisk) << c.name;
    if (c.onDisk == std::string("New")) EXPECT_EQ(tree->Selected(), node->Parent());
  }

  RemoveDirectoryA((folder + "\\New").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(DirTreeTest, ANewFolderIsRenamedWithoutAQuestionTheNextRenameAsks) {
  const std::string folder = TempFolder("fresh");
  CreateDirectoryA(folder.c_str(), nullptr);
  tree->OpenPath(folder);
  log.clear();
  ASSERT_TRUE(tree->CreateFolder(tree->Selected(), ""));
  ASSERT_TRUE(tree->IsEditing()) << "no editing of the new folder's name";
  Rename(tree->Selected(), "Fresh");
  EXPECT_EQ(log, std::vector<std::string>{"dir " + folder + "\\New Folder\\"}) << "a question was asked";
  ASSERT_TRUE(DirectoryExists(folder + "\\Fresh"));

  // An existing New Folder is not numbered; the failed attempt leaves no rename unasked.
  CreateDirectoryA((folder + "\\New Folder").c_str(), nullptr);
  EXPECT_FALSE(tree->CreateFolder(tree->Selected(), ""));
  EXPECT_FALSE(tree->IsEditing());
  log.clear();
  auto answer = Answer("Yes");
  Rename(Child(tree->Selected(), "Fresh"), "Again");
  EXPECT_EQ(log.size(), 1u) << ::testing::PrintToString(log);
  EXPECT_TRUE(DirectoryExists(folder + "\\Again"));
  for (const char* sub : {"\\Again", "\\New Folder", ""}) RemoveDirectoryA((folder + sub).c_str());
}

TEST_F(DirTreeTest, TheTreeGoingFirstLeavesTheListUsable) {
  TFileListView* list = new TFileListView(form);
  list->SetParent(form);
  list->SetDirTree(tree);
  EXPECT_EQ(tree->FileList(), list) << "linked both ways";
  delete tree;
  EXPECT_EQ(list->DirTree(), nullptr);
  list->SetDirectory("C:\\");
  EXPECT_EQ(list->Directory(), "C:\\");
}

TEST_F(DirTreeTest, AFailedNetworkDialogChangesNothingADisconnectSelectsTheRoot) {
  TFileListView* list = new TFileListView(form);
  list->SetParent(form);
  tree->SetFileList(list);
  EXPECT_EQ(list->DirTree(), tree) << "linked both ways";
  tree->OpenPath("C:\\windows");
  TTreeNode* before = tree->Selected();
  log.clear();
  tree->ConnectNetDrive();  // a stub under Wine that fails
  EXPECT_EQ(tree->Selected(), before);
  EXPECT_EQ(tree->SelectedPath(), "C:\\windows\\");
  tree->DisconnectNetDrive();
  EXPECT_EQ(tree->Selected(), Root());
  EXPECT_EQ(tree->SelectedPath(), "Drives");
  EXPECT_EQ(list->Directory(), "Drives");
  EXPECT_EQ(log, std::vector<std::string>{});
}

TEST_F(DirTreeTest, WithoutTheComputerTheDrivesAreTheTopNodesOnceAndTheirFoldersAreFolders) {
  const std::string folder = "C:\\TopLevel-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  // As the tree is built when the shell has no computer folder.
  tree->Items()->Clear();
  explorer::AddDriveNodes(tree->Items(), nullptr);
  auto topNodes = [&] {
    int count = 0;
    for (TTreeNode* n = Root(); n; n = n->GetNextSibling()) ++count;
    return count;
  };
  const int drives = topNodes();

  tree->OpenPath(folder);
  EXPECT_EQ(topNodes(), drives) << "drives added again";
  TTreeNode* node = tree->Selected();
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(tree->GetPathOfNode(node), folder);
  // Right under its drive, the folder can be renamed in place.
  node->EditText();
  EXPECT_NE(SendMessageA(tree->Handle(), TVM_GETEDITCONTROL, 0, 0), 0) << "no editing on " << node->Text();
  SendMessageA(tree->Handle(), TVM_ENDEDITLABELNOW, TRUE, 0);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
