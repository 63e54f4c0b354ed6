// The open dialog shows the filter's pairs and gives back the chosen files.
#include "framework/Dialogs.h"
#include "framework/StdCtrls.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// Runs action on the first shown message dialog once its modal loop runs.
class OnMessageDialog {
public:
  explicit OnMessageDialog(std::function<void(TCustomForm*)> action) : FAction(std::move(action)) {
    current = this;
    FTimer = SetTimer(nullptr, 0, 30, OnTimer);
  }
  ~OnMessageDialog() {
    KillTimer(nullptr, FTimer);
    current = nullptr;
  }
private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    TCustomForm* dialog = Screen->ActiveForm();
    if (!current || !current->FAction || !dialog || dialog->ClassName() != "TMessageForm") return;
    auto action = std::move(current->FAction);
    current->FAction = nullptr;
    action(dialog);
  }
  static inline OnMessageDialog* current = nullptr;
  std::function<void(TCustomForm*)> FAction;
  UINT_PTR FTimer;
};

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

}  // namespace
