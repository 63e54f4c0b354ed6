// The custom frame-size dialog that the video editor's "Custom Size" choice opens.
#pragma once
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TSizeForm : public TForm {
public:
  explicit TSizeForm(TComponent* AOwner);

  TLabel* labWidth;
  TEdit* edtWidth;
  TLabel* labHeight;
  TEdit* edtHeight;
  TButton* btnOK;
  TButton* btnCancel;

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
};

extern TSizeForm* SizeForm;
