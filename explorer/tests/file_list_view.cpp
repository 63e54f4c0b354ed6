// The file list with real windows: a rename in place while other rows are selected too, the
// parent entry kept out of the file operations, and the combo's link undone from either side.
#include "explorer/FileListView.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "explorer/DirTreeCombo.h"
#include "explorer/tests/dir_tree_testing.h"
#include "framework/SysUtils.h"
#include "framework/tests/forms_testing.h"
#include "testing/driver/poisoned.h"

using namespace forms_testing;

namespace {

class FileListViewTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    folder = dir_tree_testing::TempFolder("list");
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"\\a.txt", "\\c.dat"}) CloseHandle(CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    list = new TFileListView(form);
    list->SetParent(form);
    list->SetBounds(0, 0, 380, 260);
    list->SetDirectory(folder);
  }
  void TearDown() override {
    for (const char* name : {"\\a.txt", "\\c.dat", "\\c2.dat"}) DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
    FormTest::TearDown();
  }
  TListItem* Row(const std::string& caption) {
    for (int i = 0; i < list->Items()->Count(); ++i)
      if (list->Items()->Item(i)->Caption() == caption) return list->Items()->Item(i);
    return nullptr;
  }
  // The notice the platform sends its parent when a label's editing starts or ends.
  LRESULT Notify(UINT code, TListItem* item, const char* text = nullptr) {
    NMLVDISPINFOA info{};
    info.hdr.hwndFrom = list->Handle();
    info.hdr.idFrom = GetDlgCtrlID(list->Handle());
    info.hdr.code = code;
    info.item.iItem = item->Index();
    info.item.pszText = const_cast<char*>(text);
    return SendMessageA(form->Handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  }
  void SelectOnly(const std::vector<std::string>& captions) {
    list->ClearSelection();
    for (const std::string& caption : captions) Row(caption)->SetSelected(true);
  }
  std::string folder;
  TFileListView* list = nullptr;
};

TEST_F(FileListViewTest, ARenameInPlaceActsOnTheRowEditedNotTheFirstSelected) {
  TListItem* first = Row("a.txt");
  TListItem* edited = Row("c.dat");
  ASSERT_TRUE(first && edited);
  first->SetSelected(true);
  edited->SetSelected(true);
  std::vector<std::string> messages;
  OnMessageDialog answer([&](TCustomForm* dialog) { messages.push_back(dir_tree_testing::AnswerMessage(dialog, "OK")); });
  ASSERT_EQ(Notify(LVN_BEGINLABELEDITA, edited), FALSE) << "the edit was refused";
  Notify(LVN_ENDLABELEDITA, edited, "c2.dat");
  EXPECT_TRUE(FileExists(folder + "\\c2.dat"));
  EXPECT_FALSE(FileExists(folder + "\\c.dat"));
  EXPECT_TRUE(FileExists(folder + "\\a.txt"));
  EXPECT_EQ(messages, std::vector<std::string>{});
}

// The parent entry is a way up, not a file: a copy or cut never takes it, and with only it
// selected nothing is taken at all.
TEST_F(FileListViewTest, CutAndCopyLeaveTheParentEntryOut) {
  ASSERT_NE(Row(" Parent"), nullptr) << "a folder below the drive's root lists its parent";
  list->SelectAll();
  list->CutCopy(0);
  const std::vector<std::string> files{folder + "\\a.txt" + '\0', folder + "\\c.dat" + '\0'};
  EXPECT_EQ(list->ClipboardList(), files);
  SelectOnly({" Parent"});
  list->CutCopy(2);
  EXPECT_EQ(list->ClipboardList(), files) << "a cut of the parent alone takes nothing";
}

// Whichever side undoes the link, neither keeps a pointer to the other, also once the combo
// is freed.
TEST_F(FileListViewTest, ALinkUndoneFromTheCombosSideIsUndoneOnTheListsToo) {
  auto* combo = new driver::Poisoned<TDirTreeCombo>(form);
  combo->SetParent(form);
  combo->SetBounds(390, 0, 200, 21);
  auto* other = new TFileListView(form);
  other->SetParent(form);
  other->SetBounds(0, 270, 380, 100);
  list->SetDirTreeCombo(combo);
  ASSERT_EQ(combo->FileList(), list);
  combo->SetFileList(other);
  EXPECT_EQ(list->DirTreeCombo(), nullptr) << "another list linked";
  EXPECT_EQ(other->DirTreeCombo(), combo);
  combo->SetFileList(nullptr);
  EXPECT_EQ(other->DirTreeCombo(), nullptr) << "no list linked";
  list->SetDirTreeCombo(combo);
  combo->SetFileList(nullptr);
  delete combo;
  EXPECT_EQ(list->DirTreeCombo(), nullptr) << "after the combo was freed";
}

}  // namespace
