// The rename dialog: the new name of one video, which takes its thumbnail along.
#pragma once
#include <string>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "manager/core/TransferPlan.h"

class TRenameForm : public TForm {
public:
  explicit TRenameForm(TComponent* AOwner);

  TLabel* labNewname;
  TEdit* edtNewname;
  TButton* btnOK;
  TButton* Button2;

  // Shows the dialog for the video at the path, listed on the side, its name to edit.
  void StartRename(manager::TVideoSide side, const std::string& path);

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOKClick(TObject* Sender);
  void Button2Click(TObject* Sender);

private:
  manager::TVideoSide FRenameSide = manager::TVideoSide::PC;
  std::string FRenamePath;
};

extern TRenameForm* RenameForm;
