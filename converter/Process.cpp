#include "converter/Process.h"

#include "converter/DialogConvention.h"

TProcessForm* ProcessForm = nullptr;

TProcessForm::TProcessForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("ProcessForm");
  SetCaption("Process");
  SetBorderStyle(bsDialog);
  SetPosition(poMainFormCenter);
  SetClientSize(650, 287);
  btnStop = new TButton(this);
  btnStop->SetName("btnStop");
  btnStop->SetParent(this);
  btnStop->SetCaption("Stop");
  btnStop->SetBounds(288, 250, 75, 25);
  OnShow = Handler(this, &TProcessForm::FormShow);
  OnClose = Handler(this, &TProcessForm::FormClose);
}

void TProcessForm::FormShow(TObject*) { EnableMainWindow(false); }

void TProcessForm::FormClose(TObject*, TCloseAction&) { EnableMainWindow(true); }
