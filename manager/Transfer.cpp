#include "manager/Transfer.h"

#include "converter/DialogConvention.h"
#include "converter/FormBuilding.h"
#include "manager/MainForm.h"

TTransferForm* TransferForm = nullptr;

TTransferForm::TTransferForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("TransferForm");
  SetCaption("Transfering...");
  SetBorderStyle(bsDialog);
  SetPosition(poOwnerFormCenter);
  SetClientSize(440, 132);
  labFrom = PlaceLabel(this, this, "labFrom", "From:", 12, 14);
  labSource = PlaceLabel(this, this, "labSource", "", 50, 14);
  labTo = PlaceLabel(this, this, "labTo", "To:", 12, 38);
  labDestination = PlaceLabel(this, this, "labDestination", "", 50, 38);
  pgb1 = Place<TProgressBar>(this, this, "pgb1");
  pgb1->SetBounds(12, 64, 416, 18);
  pgb1->SetMin(0);
  pgb1->SetMax(100);
  Button1 = Place<TButton>(this, this, "Button1", "&Stop", 182, 94, 75, 25);
  Button1->OnClick = Handler(this, &TTransferForm::Button1Click);
  OnShow = Handler(this, &TTransferForm::FormShow);
  OnClose = Handler(this, &TTransferForm::FormClose);
}

// Nothing of an earlier transfer shows while the next one starts.
void TTransferForm::FormShow(TObject*) {
  labSource->SetCaption("");
  labDestination->SetCaption("");
  pgb1->SetPosition(0);
  EnableMainWindow(false);
}

// Closing the dialog stops the transfer; the main window comes back when the transfer has
// ended, so that no second one starts meanwhile.
void TTransferForm::FormClose(TObject*, TCloseAction&) { MainForm->RequestCancel(); }

void TTransferForm::Button1Click(TObject*) { Close(); }
