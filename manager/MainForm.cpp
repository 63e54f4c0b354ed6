#include "manager/MainForm.h"

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("MainForm");
  SetCaption("Hollimer");
  SetPosition(poScreenCenter);
  SetClientSize(640, 480);

  labPSP = new TLabel(this);
  labPSP->SetName("labPSP");
  labPSP->SetCaption("PSP:");
  labPSP->SetBounds(16, 20, 28, 13);
  labPSP->SetParent(this);

  cmbPSP = new TDirTreeCombo(this);
  cmbPSP->SetName("cmbPSP");
  cmbPSP->SetBounds(48, 16, 219, 21);
  cmbPSP->SetTreeHeight(240);
  cmbPSP->SetParent(this);
  cmbPSP->SetExpandRoot(true);
  cmbPSP->OnPathChange = Handler(this, &TMainForm::cmbPSPPathChange);
}

void TMainForm::cmbPSPPathChange(TObject*, const std::string&) {}
