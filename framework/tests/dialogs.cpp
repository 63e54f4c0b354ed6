// The open dialog shows the filter's pairs and gives back the chosen files, however many.
#include "framework/Dialogs.h"
#include "framework/StdCtrls.h"

#include "framework/tests/forms_testing.h"


using namespace forms_testing;

namespace {

std::vector<std::string> ButtonCaptions(TCustomForm* dialog) {
  std::vector<std::string> captions;
  for (int i = 0; i < dialog->ControlCount(); ++i)
    if (dynamic_cast<TButton*>(dialog->Controls(i))) captions.push_back(dialog->Controls(i)->Caption());
  return captions;
}

TEST(MessageDialogs, AFormWithTheTypesCaptionTheMessageAndTheButtonsInOrder) {
  TForm* dialog = CreateMessageDialog("Replace the file?", mtConfirmation, mbCancel | mbNo | mbYes);
  EXPECT_EQ(dialog->Caption(), "Confirmation");
  EXPECT_EQ(static_cast<TControl*>(dialog->FindComponent("Message"))->Caption(), "Replace the file?");
  EXPECT_EQ(ButtonCaptions(dialog), (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(dialog->ActiveControl(), dialog->FindComponent("Yes"));
  dialog->Free();

  TForm* custom = CreateMessageDialog("Done", mtCustom, mbOK);
  EXPECT_EQ(custom->Caption(), "framework_tests");
  custom->Free();
}

TEST(MessageDialogs, TheMessageIsAStaticWindowReadLikeAMessageBoxs) {
  const std::string message = "There is no disk in Drive P\ror Drive P: is not ready & more";
  std::string read;
  OnMessageDialog look([&](TCustomForm* dialog) {
    char text[256] = {};
    GetDlgItemTextA(dialog->Handle(), 0xFFFF, text, sizeof text);
    read = text;
    SendMessageA(static_cast<TWinControl*>(dialog->FindComponent("OK"))->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(MessageDlg(message, mtWarning, mbOK), mrOk);
  EXPECT_EQ(read, message);
}

TEST(MessageDialogs, TheClickedButtonsResultComesBack) {
  OnMessageDialog click([](TCustomForm* dialog) {
    SendMessageA(static_cast<TWinControl*>(dialog->FindComponent("No"))->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(MessageDlg("Replace it?", mtConfirmation, mbYes | mbNo), mrNo);
}

TEST(MessageDialogs, ButtonsCarryTheirResultsAsWindowIdsLikeAMessageBox) {
  OnMessageDialog press([](TCustomForm* dialog) {
    HWND retry = GetDlgItem(dialog->Handle(), IDRETRY);
    PostMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(IDRETRY, BN_CLICKED), reinterpret_cast<LPARAM>(retry));
  });
  EXPECT_EQ(MessageDlg("Failed", mtError, mbAbortRetryIgnore), mrRetry);
}

TEST(MessageDialogs, EscapeMeansCancelOrNoAndEnterTheFocusedButton) {
  auto press = [](WORD key) {
    return [key](TCustomForm*) { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); };
  };
  {
    OnMessageDialog escape(press(VK_ESCAPE));
    EXPECT_EQ(MessageDlg("Stop?", mtWarning, mbYesNoCancel), mrCancel);
  }
  {
    OnMessageDialog escape(press(VK_ESCAPE));
    EXPECT_EQ(MessageDlg("Stop?", mtWarning, mbYes | mbNo), mrNo);
  }
  OnMessageDialog enter(press(VK_RETURN));
  EXPECT_EQ(MessageDlg("Go on?", mtInformation, mbOKCancel), mrOk);   // OK has the focus
}

TEST(MessageDialogs, OtherWindowsAreDisabledWhileTheDialogIsShown) {
  auto* owner = New<TForm>(nullptr);
  owner->Show();
  bool ownerEnabled = true;
  OnMessageDialog check([&](TCustomForm* dialog) {
    ownerEnabled = IsWindowEnabled(owner->Handle()) != FALSE;
    dialog->Close();
  });
  EXPECT_EQ(MessageDlg("Busy", mtInformation, mbOK), mrCancel);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  owner->Free();
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

// A folder of files whose names take more than the dialog's first 64 KB together.
class ManyFiles {
public:
  ManyFiles() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    FFolder = std::string(temp) + "framework-dialog-many";
    CreateDirectoryA(FFolder.c_str(), nullptr);
    for (int i = 0; i < kCount; ++i) {
      const std::string name = FFolder + "\\" + Name(i);
      CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
  }
  ~ManyFiles() {
    for (int i = 0; i < kCount; ++i) DeleteFile(FFolder + "\\" + Name(i));
    RemoveDirectoryA(FFolder.c_str());
  }
  static std::string Name(int i) {
    char number[8];
    snprintf(number, sizeof number, "%04d", i);
    return std::string(150, 'n') + number + ".b";
  }
  static constexpr int kCount = 440;  // 440 names of 156 characters: 68,640
  const std::string& Folder() const { return FFolder; }

private:
  std::string FFolder;
};

// Every file of the folder comes back, where a buffer of 64 KB once gave back the first 418
// and said nothing.
TEST(OpenDialog, GivesBackMoreThan64KBOfChosenNames) {
  ManyFiles files;
  std::string typed;
  for (int i = 0; i < ManyFiles::kCount; ++i) typed += "\"" + ManyFiles::Name(i) + "\" ";
  ASSERT_GT(typed.size(), 65536u);
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("B|*.b");
  dialog.SetInitialDir(files.Folder());
  dialog.SetOptions(ofFileMustExist | ofAllowMultiSelect);
  // Typed: selecting them all in the list takes Wine minutes, a notice for each name.
  dialog.OnShow = [&](TObject*) {
    SetDlgItemTextA(dialog.Handle(), 0x47C, typed.c_str());   // the file name box (cmb13)
    PostMessageA(dialog.Handle(), WM_COMMAND, IDOK, 0);
  };
  ASSERT_TRUE(dialog.Execute()) << "error " << CommDlgExtendedError();
  ASSERT_EQ(dialog.Files()->Count(), ManyFiles::kCount);
  for (int i = 0; i < ManyFiles::kCount; i += 39)
    EXPECT_TRUE(SameText(dialog.Files()->Strings(i), files.Folder() + "\\" + ManyFiles::Name(i)))
        << i << ": " << dialog.Files()->Strings(i);
}

}  // namespace
