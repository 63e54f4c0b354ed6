// The transfer dialog: where the video being copied comes from and goes to, the progress,
// and Stop.
#pragma once
#include "framework/ComCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TTransferForm : public TForm {
public:
  explicit TTransferForm(TComponent* AOwner);

  TLabel* labFrom;
  TLabel* labSource;
  TLabel* labTo;
  TLabel* labDestination;
  TProgressBar* pgb1;
  TButton* Button1;

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Button1Click(TObject* Sender);
};

extern TTransferForm* TransferForm;
