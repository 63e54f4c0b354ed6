// The process dialog: made at start and kept, never shown by the program.
#pragma once
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TProcessForm : public TForm {
public:
  explicit TProcessForm(TComponent* AOwner);

  TButton* btnStop;

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TProcessForm* ProcessForm;
