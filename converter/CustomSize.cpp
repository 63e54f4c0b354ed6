#include "converter/CustomSize.h"

#include "converter/DialogConvention.h"
#include "converter/FormBuilding.h"

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
  btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
  btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TSizeForm::FormShow(TObject*) { EnableMainWindow(false); }

void TSizeForm::FormClose(TObject*, TCloseAction&) { EnableMainWindow(true); }

void TSizeForm::btnCancelClick(TObject*) { Close(); }
