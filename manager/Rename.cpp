#include "manager/Rename.h"

#include <windows.h>

#include "converter/DialogConvention.h"
#include "converter/FormBuilding.h"
#include "common/core/FileNames.h"
#include "framework/SysUtils.h"
#include "manager/MainForm.h"
#include "manager/VideoFiles.h"
#include "manager/core/ConsoleNames.h"

TRenameForm* RenameForm = nullptr;

namespace {

const char* const kRefusedCaption = "Not a proper format";

}  // namespace

TRenameForm::TRenameForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("RenameForm");
  SetCaption("Rename");
  SetBorderStyle(bsDialog);
  SetPosition(poOwnerFormCenter);
  SetClientSize(300, 92);
  labNewname = PlaceLabel(this, this, "labNewname", "New Filename:", 12, 16);
  edtNewname = Place<TEdit>(this, this, "edtNewname");
  edtNewname->SetBounds(92, 12, 196, 21);
  btnOK = Place<TButton>(this, this, "btnOK", "&OK", 68, 52, 75, 25);
  btnOK->OnClick = Handler(this, &TRenameForm::btnOKClick);
  Button2 = Place<TButton>(this, this, "Button2", "&Cancel", 157, 52, 75, 25);
  Button2->OnClick = Handler(this, &TRenameForm::Button2Click);
  OnShow = Handler(this, &TRenameForm::FormShow);
  OnClose = Handler(this, &TRenameForm::FormClose);
}

void TRenameForm::StartRename(manager::TVideoSide side, const std::string& path) {
  FRenameSide = side;
  FRenamePath = path;
  edtNewname->SetText(common::FileNameOf(path));
  Show();
}

void TRenameForm::FormShow(TObject*) { EnableMainWindow(false); }

void TRenameForm::FormClose(TObject*, TCloseAction&) { EnableMainWindow(true); }

void TRenameForm::btnOKClick(TObject*) {
  const std::string typed = edtNewname->Text();
  if (FRenameSide == manager::TVideoSide::PSP) {
    if (const std::optional<std::string> error =
            manager::ConsoleRenameError(common::FileNameOf(FRenamePath), typed)) {
      Application->MessageBox(*error, kRefusedCaption, MB_ICONINFORMATION);
      return;
    }
  }
  // The new name stays in the video's folder and names a file.
  if (const std::optional<std::string> error = manager::FileNameError(typed)) {
    Application->MessageBox(*error, kRefusedCaption, MB_ICONINFORMATION);
    return;
  }
  edtNewname->SetText(manager::WithVideoExtension(typed));
  const std::string folder =
      FRenamePath.substr(0, FRenamePath.size() - common::FileNameOf(FRenamePath).size());
  const std::string renamed = folder + edtNewname->Text();
  // The dialog stays for another name when the video keeps its own; the thumbnail follows
  // only a video that was renamed.
  if (const std::optional<std::string> reason = manager::RenameFile(FRenamePath, renamed)) {
    Application->MessageBox(common::FileNameOf(FRenamePath) + " could not be renamed: " + *reason,
                            "Rename", MB_ICONWARNING);
    return;
  }
  if (FileExists(manager::ThumbnailOf(FRenamePath)))
    manager::RenameFile(manager::ThumbnailOf(FRenamePath), manager::ThumbnailOf(renamed));
  (FRenameSide == manager::TVideoSide::PC ? MainForm->btnRefreshPC : MainForm->btnRefreshPSP)
      ->Click();
  Close();
}

void TRenameForm::Button2Click(TObject*) { Close(); }
