#include "converter/CustomSize.h"

#include "converter/DialogConvention.h"
#include "converter/FormBuilding.h"
#include "converter/MainForm.h"
#include "converter/core/ProfileEditors.h"

TSizeForm* SizeForm = nullptr;

TSizeForm::TSizeForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("SizeForm");
  SetCaption("Video Size of output files");
  SetBorderStyle(bsDialog);
  SetPosition(poMainFormCenter);
  SetClientSize(250, 110);
  labWidth = Place<TLabel>(this, this, "labWidth", "Width:", 16, 20, 50, 13);
  edtWidth = Place<TEdit>(this, this, "edtWidth", "", 72, 16, 160, 21);
  labHeight = Place<TLabel>(this, this, "labHeight", "Height:", 16, 48, 50, 13);
  edtHeight = Place<TEdit>(this, this, "edtHeight", "", 72, 44, 160, 21);
  btnOK = Place<TButton>(this, this, "btnOK", "&OK", 76, 78, 75, 25);
  btnCancel = Place<TButton>(this, this, "btnCancel", "&Cancel", 157, 78, 75, 25);
  btnOK->OnClick = Handler(this, &TSizeForm::btnOKClick);
  btnCancel->OnClick = Handler(this, &TSizeForm::btnCancelClick);
  OnShow = Handler(this, &TSizeForm::FormShow);
  OnClose = Handler(this, &TSizeForm::FormClose);
}

void TSizeForm::FormShow(TObject*) { EnableMainWindow(false); }

// However the dialog closes, the video editor is left with a size it can pass on.
void TSizeForm::FormClose(TObject*, TCloseAction&) {
  TValueListEditor* video = MainForm->vleVideo;
  const std::string shown = video->Values(converter::kVideoSizeKey);
  const std::string size = converter::SizeAfterDialog(shown);
  if (size != shown) video->SetValues(converter::kVideoSizeKey, size);
  EnableMainWindow(true);
}

void TSizeForm::btnOKClick(TObject*) {
  const converter::TCustomSize size =
      converter::CheckCustomSize(edtWidth->Text(), edtHeight->Text());
  if (!size.WidthValid) {
    Application->MessageBox("Please specify a proper width for output videos.", "Incorrect Width",
                            MB_ICONINFORMATION);
    edtWidth->SetFocus();
  }
  if (!size.HeightValid) {
    Application->MessageBox("Please specify a proper height for output videos.",
                            "Incorrect Height", MB_ICONINFORMATION);
    edtHeight->SetFocus();
  }
  if (size.Size.empty()) return;
  MainForm->vleVideo->SetValues(converter::kVideoSizeKey, size.Size);
  Close();
}

void TSizeForm::btnCancelClick(TObject*) { Close(); }
