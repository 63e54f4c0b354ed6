// The drive and folder combo with real windows: picks, the drive without a medium, lazy folders.
#include "explorer/DirTreeCombo.h"

#include <gtest/gtest.h>

#include "framework/SysUtils.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class DirTreeComboTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    combo = new TDirTreeCombo(form);
    combo->SetBounds(10, 10, 219, 21);
    combo->SetParent(form);
    combo->OnPathChange = [this](TObject* sender, const std::string& path) {
      log.push_back((sender == combo->Tree() ? "tree " : "combo ") + path);
    };
    tree = combo->Tree()->Handle();
  }
  TTreeNode* DriveNode(char letter) {
    for (TTreeNode* n = combo->Tree()->Items()->GetFirstNode()->GetFirstChild(); n; n = n->GetNextSibling())
      if (n->Text()[2] == letter) return n;
    return nullptr;
  }
  void Open() {
    combo->ToggleDropDown();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tree) && GetFocus() == tree; })) << GetFocus();
  }
  // A left click on the node's text, as the mouse gives it.
  void Click(TTreeNode* node) {
    const TRect r = node->DisplayRect(true);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tree, WM_LBUTTONUP, 0, at);
  }
  std::vector<std::string> Children(TTreeNode* node) {
    std::vector<std::string> names;
    for (TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling()) names.push_back(c->Text());
    return names;
  }
  TDirTreeCombo* combo = nullptr;
  HWND tree = nullptr;
  std::vector<std::string> log;
};

TEST_F(DirTreeComboTest, APickSetsThePathAndTellsBeforeADriveWithoutAMediumIsReported) {
  Open();
  ASSERT_NE(DriveNode('N'), nullptr);
  bool capturedAtMessage = true;
  OnMessageDialog answer([&](TCustomForm* dialog) {
    char text[256] = {};
    GetDlgItemTextA(dialog->Handle(), 0xFFFF, text, sizeof text);
    log.push_back(std::string("message ") + text);
    capturedAtMessage = GetCapture() != nullptr;
    SendMessageA(static_cast<TWinControl*>(dialog->FindComponent("OK"))->Handle(), BM_CLICK, 0, 0);
  });
  Click(DriveNode('N'));
  ASSERT_TRUE(PumpUntil([&] { return log.size() >= 2; }, 10000)) << ::testing::PrintToString(log);
  EXPECT_EQ(log, (std::vector<std::string>{"tree N:\\", "message There is no disk in Drive N\ror Drive N: is not ready"}));
  EXPECT_FALSE(capturedAtMessage);
  EXPECT_EQ(combo->SelectedPath(), "N:\\");
  EXPECT_EQ(combo->Text().substr(0, 7), " (N:)  ");
  EXPECT_FALSE(IsWindowVisible(tree));

  // The console's drive has its medium: no message, and its label shows.
  log.clear();
  Open();
  Click(DriveNode('P'));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(tree); })) << "the tree stayed open";
  Pump(100);
  EXPECT_EQ(log, std::vector<std::string>{"tree P:\\"});
  EXPECT_EQ(combo->Text(), " (P:)  PSP ");
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DirTreeComboTest, FoldersAreReadOnceAndSorted) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "combo-" + std::to_string(GetCurrentProcessId());
  for (const char* sub : {"", "\\b", "\\A", "\\c", "\\c\\inner"}) CreateDirectoryA((folder + sub).c_str(), nullptr);

  combo->OpenPath(folder);
  TTreeNode* node = combo->Tree()->Selected();
  ASSERT_NE(node, nullptr);
  EXPECT_TRUE(SameText(combo->Tree()->GetNodePath(node), folder)) << combo->Tree()->GetNodePath(node);
  EXPECT_EQ(log, std::vector<std::string>{"combo " + folder + "\\"});
  EXPECT_EQ(Children(node), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_FALSE(node->GetFirstChild()->HasChildren());
  EXPECT_TRUE(node->GetFirstChild()->GetNextSibling()->GetNextSibling()->HasChildren());

  CreateDirectoryA((folder + "\\d").c_str(), nullptr);
  node->Collapse(false);
  node->Expand(false);
  EXPECT_EQ(Children(node), (std::vector<std::string>{"A", "b", "c"})) << "read again";

  for (const char* sub : {"\\d", "\\c\\inner", "\\c", "\\A", "\\b", ""}) RemoveDirectoryA((folder + sub).c_str());
}

TEST_F(DirTreeComboTest, KeysActOnTheTreeOpenOrClosed) {
  TTreeNode* root = combo->Tree()->Items()->GetFirstNode();
  const std::string rootText = combo->Text();
  EXPECT_EQ(rootText, root->Text());   // nothing picked yet: the computer shows
  root->SetSelected(true);
  TTreeNode* first = root->GetFirstChild();

  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->Tree()->Selected(), first);
  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(combo->Tree()->Selected(), root);
  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(combo->Tree()->Selected(), root) << "nothing above the root";

  // Opened, the tree keeps the focus and its keys move the selection one node.
  Open();
  Pump(50);
  EXPECT_TRUE(combo->Tree()->IsOpen());
  SendMessageA(tree, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->Tree()->Selected(), first);
  SendMessageA(tree, WM_KEYDOWN, VK_RETURN, 0);
  const std::string path = std::string(1, first->Text()[2]) + ":\\";
  EXPECT_EQ(log, std::vector<std::string>{"combo " + path});
  EXPECT_EQ(combo->Text(), first->Text());
  EXPECT_EQ(combo->ImageIndex(), first->ImageIndex());
  EXPECT_FALSE(IsWindowVisible(tree));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == combo->Handle(); }));

  // Setting the path moves nothing and keeps the spelling when only case differs.
  combo->SetSelectedPath(LowerCase(path));
  EXPECT_EQ(combo->SelectedPath(), path);
  combo->SetSelectedPath("Z:\\");
  EXPECT_EQ(combo->SelectedPath(), "Z:\\");
  EXPECT_EQ(combo->Text(), first->Text());
  EXPECT_EQ(combo->Tree()->Selected(), first);
}

TEST_F(DirTreeComboTest, TheDropButtonSitsInTheEditAndOpensTheTree) {
  TDropSpeedButton* button = combo->Button();
  EXPECT_EQ((std::vector<int>{button->Left(), button->Top(), button->Width(), button->Height()}),
            (std::vector<int>{198, 0, 17, 17}));
  const LPARAM at = MAKELPARAM(button->Left() + 8, 8);
  PostMessageA(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(combo->Handle(), WM_LBUTTONUP, 0, at);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tree); }));
  RECT placed{};
  GetWindowRect(tree, &placed);
  const TPoint below = form->ClientToScreen(TPoint(10, 31));
  EXPECT_EQ((std::vector<long>{placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top}),
            (std::vector<long>{below.x, below.y, 219, 240}));
  EXPECT_EQ(GetCapture(), tree);

  // A click outside closes it and lets the capture go.
  PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, -5));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(tree); }));
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
