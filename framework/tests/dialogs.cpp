// The open dialog shows the filter's pairs and gives back the chosen files.
#include "framework/Dialogs.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

TEST(MessageDialogs, CaptionAndButtonsFollowTheTypeAndTheAnswerComesBack) {
  {
    MessageBoxAnswer box(IDNO);
    EXPECT_EQ(MessageDlg("Replace it?", mtConfirmation, mbYes | mbNo), mrNo);
    EXPECT_EQ(box.Caption, "Confirmation");
    EXPECT_EQ(box.Text, "Replace it?");
  }
  {
    MessageBoxAnswer box(IDCANCEL);
    EXPECT_EQ(MessageDlg("Stop?", mtWarning, mbYesNoCancel), mrCancel);
    EXPECT_EQ(box.Caption, "Warning");
  }
  {
    MessageBoxAnswer box(IDOK);
    ShowMessage("Done");
    EXPECT_EQ(box.Caption, "framework_tests");
    EXPECT_EQ(box.Text, "Done");
  }
}

TEST(OpenDialog, TheFilterTextBecomesThePlatformsPairs) {
  EXPECT_EQ(TOpenDialog::PlatformFilter("A|*.a|B|*.b"), std::string("A\0*.a\0B\0*.b\0\0", 13));
  EXPECT_EQ(TOpenDialog::PlatformFilter(""), "");
}

// The file type box of the shown dialog (cmb1), its items and selection.
std::vector<std::string> FileTypes(HWND dialog, int* selected) {
  HWND box = GetDlgItem(dialog, 0x470);
  std::vector<std::string> texts;
  int count = (int)SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    char text[64] = {};
    SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  *selected = (int)SendMessageA(box, CB_GETCURSEL, 0, 0);
  return texts;
}

TEST(OpenDialog, ShowsTheFilterDescriptionsAndStartsOnTheFilterIndex) {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("A|*.a|B|*.b");
  dialog.SetFilterIndex(2);
  std::vector<std::string> types;
  int selected = -1;
  dialog.OnShow = [&](TObject*) {
    types = FileTypes(dialog.Handle(), &selected);
    PostMessageA(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(types, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(selected, 1);
}

TEST(OpenDialog, GivesBackTheChosenFileAndFilter) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string file = std::string(folder) + "framework-dialog.b";
  FILE* f = fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  fclose(f);
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("A|*.a|B|*.b");
  dialog.SetFilterIndex(2);
  dialog.SetOptions(ofFileMustExist | ofAllowMultiSelect);
  dialog.OnShow = [&](TObject*) {
    SetDlgItemTextA(dialog.Handle(), 0x47C, file.c_str());   // the file name box (cmb13)
    PostMessageA(dialog.Handle(), WM_COMMAND, IDOK, 0);
  };
  ASSERT_TRUE(dialog.Execute());
  EXPECT_TRUE(SameText(dialog.FileName(), file));
  ASSERT_EQ(dialog.Files()->Count(), 1);
  EXPECT_TRUE(SameText(dialog.Files()->Strings(0), file));
  EXPECT_EQ(dialog.FilterIndex(), 2);
  DeleteFile(file);
}

}  // namespace
