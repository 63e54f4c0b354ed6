#include "converter/About.h"

#include "converter/DialogConvention.h"
#include "converter/ShellOpen.h"

const char* const kMakerName = "Tessark Team";
const char* const kMakerWebsite = "https://tessark.example/";

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(TComponent* AOwner, std::string programName, std::string version)
    : TForm(AOwner), FProgramName(std::move(programName)), FVersion(std::move(version)) {
  SetName("AboutForm");
  SetCaption("About");
  SetBorderStyle(bsDialog);
  SetPosition(poMainFormCenter);
  SetClientSize(340, 190);

  labProgramName = new TLabel(this);
  labProgramName->SetParent(this);
  labProgramName->SetBounds(24, 20, 290, 30);
  labProgramName->Font()->SetSize(16);
  labProgramName->Font()->SetStyle(fsBold);

  labVersion = new TLabel(this);
  labVersion->SetParent(this);
  labVersion->SetBounds(24, 60, 290, 16);

  labMaker = new TLabel(this);
  labMaker->SetParent(this);
  labMaker->SetBounds(24, 84, 290, 16);

  labWebsite = new TLabel(this);
  labWebsite->SetParent(this);
  labWebsite->SetBounds(24, 108, 290, 16);
  labWebsite->Font()->SetColor(clBlue);
  labWebsite->Font()->SetStyle(fsUnderline);
  labWebsite->SetCursor(crHandPoint);
  labWebsite->OnClick = Handler(this, &TAboutForm::labWebsiteClick);

  bvlLine = new TBevel(this);
  bvlLine->SetParent(this);
  bvlLine->SetShape(bsTopLine);
  bvlLine->SetBounds(12, 138, 316, 2);

  btnOK = new TButton(this);
  btnOK->SetParent(this);
  btnOK->SetCaption("&OK");
  btnOK->SetBounds(250, 150, 75, 25);
  btnOK->OnClick = Handler(this, &TAboutForm::btnOKClick);

  OnCreate = Handler(this, &TAboutForm::FormCreate);
  OnShow = Handler(this, &TAboutForm::FormShow);
  OnClose = Handler(this, &TAboutForm::FormClose);
}

void TAboutForm::FormCreate(TObject*) {
  labProgramName->SetCaption(FProgramName);
  labVersion->SetCaption("Version " + FVersion);
  labMaker->SetCaption(kMakerName);
  labWebsite->SetCaption(kMakerWebsite);
}

void TAboutForm::FormShow(TObject*) { EnableMainWindow(false); }

void TAboutForm::FormClose(TObject*, TCloseAction&) { EnableMainWindow(true); }

void TAboutForm::btnOKClick(TObject*) { Close(); }

void TAboutForm::labWebsiteClick(TObject* Sender) {
  converter::OpenWithShell(static_cast<TLabel*>(Sender)->Caption());
}
