// The file list with real windows: a rename in place while other rows are selected too.
#include "explorer/FileListView.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "explorer/tests/dir_tree_testing.h"
#include "framework/SysUtils.h"
#include "framework/tests/forms_testing.h"

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

}  // namespace
