// Hollimer's main window. For now it carries the console's drive chooser.
#pragma once
#include <string>

#include "explorer/DirTreeCombo.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* AOwner);
  TLabel* labPSP;
  TDirTreeCombo* cmbPSP;

  void cmbPSPPathChange(TObject* Sender, const std::string& SelectedPath);
};
