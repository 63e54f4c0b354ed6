// "Send to any folder": a small dialog built in code that asks for a target folder, with a
// Browse button that opens the shell's folder picker and then asks again.
#include "explorer/FileListViewPopUp.h"
#include "explorer/ShellHelpers.h"
#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

namespace {

constexpr int kBrowseResult = 10;

class TSendToForm : public TForm {
public:
  explicit TSendToForm(const std::string& initialPath) : TForm(nullptr) {
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetBorderStyle(bsDialog);
    SetCaption("Send to any folder");
    SetClientSize(333, 135);
    SetPosition(poScreenCenter);
    auto* label = new TLabel(this);
    label->SetAutoSize(true);
    label->SetBounds(20, 12, 200, 13);
    label->SetCaption("Please enter the send_to path");
    label->SetParent(this);
    FEdit = new TEdit(this);
    FEdit->SetName("edtPath");
    FEdit->SetBounds(20, 32, 293, 21);
    FEdit->SetMaxLength(285);
    FEdit->SetText(initialPath);
    FEdit->SetParent(this);
    FOK = AddButton("OK", bkOK, mrOk, 37);
    FOK->SetCancel(true);
    FCancel = AddButton("Cancel", bkCancel, mrCancel, 129);
    AddButton("Browse", bkHelp, kBrowseResult, 221)->SetCancel(false);
    SetActiveControl(FEdit);
  }
  std::string Path() const { return FEdit->Text(); }
  void WndProc(TMessage& m) override {
    // Enter stands for the default button, Esc for the cancel one.
    if (m.Msg == CM_DIALOGKEY && (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE)) {
      (m.WParam == VK_RETURN ? FOK : FCancel)->Click();
      m.Result = 1;
      return;
    }
    TForm::WndProc(m);
  }
protected:
  void CreateWnd() override {
    TForm::CreateWnd();
    FEdit->SelectAll();
  }
private:
  TBitBtn* AddButton(const std::string& caption, TBitBtnKind kind, int result, int left) {
    auto* button = new TBitBtn(this);
    button->SetName("btn" + caption);
    button->SetKind(kind);
    button->SetCaption(caption);
    button->SetModalResult(result);
    button->SetBounds(left, 80, 75, 25);
    button->SetParent(this);
    return button;
  }
  TEdit* FEdit;
  TBitBtn *FOK, *FCancel;
};

}  // namespace

std::string SendToFolderDialog(const std::string& initialPath) {
  std::unique_ptr<TSendToForm> form(New<TSendToForm>(initialPath));
  const int result = form->ShowModal();
  const std::string path = form->Path();
  form.reset();
  if (result == kBrowseResult) {
    std::string chosen;
    return explorer::BrowseForDirectory(nullptr, chosen) ? SendToFolderDialog(chosen) : std::string();
  }
  return result == mrOk ? path : std::string();
}
