// The About box of both programs: each passes its own name and version text.
#pragma once
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

// Who makes the programs: the About box's and the converter's link label.
extern const char* const kMakerName;
extern const char* const kMakerWebsite;

class TAboutForm : public TForm {
public:
  TAboutForm(TComponent* AOwner, std::string programName, std::string version);

  TLabel* labProgramName;
  TLabel* labVersion;
  TLabel* labMaker;
  TLabel* labWebsite;
  TBevel* bvlLine;
  TButton* btnOK;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOKClick(TObject* Sender);
  void labWebsiteClick(TObject* Sender);

private:
  std::string FProgramName;
  std::string FVersion;
};

extern TAboutForm* AboutForm;
