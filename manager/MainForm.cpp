#include "manager/MainForm.h"

#include <windows.h>

#include "converter/About.h"
#include "converter/FormBuilding.h"
#include "converter/ShellOpen.h"
#include "framework/IniFiles.h"
#include "manager/core/Banner.h"
#include "manager/core/ConsolePaths.h"
#include "skin/BuiltInSkin.h"

TMainForm* MainForm = nullptr;

namespace {

const char* const kTitle = "Hollimer";
constexpr int kUnskinnedTag = 9999;
constexpr int kBannerCount = 4;
constexpr int kThumbnailWidth = 80;
constexpr int kThumbnailHeight = 60;
constexpr int kThumbnailsAllocBy = 256;  // a folder's videos come by the hundred

TImageList* MakeImageList(TComponent* owner, const char* name, int width, int height) {
  TImageList* images = new TImageList(owner);
  images->SetName(name);
  images->SetWidth(width);
  images->SetHeight(height);
  return images;
}

void MakeLink(TLabel* label) {
  label->Font()->SetColor(clBlue);
  label->Font()->SetStyle(fsUnderline);
  label->SetCursor(crHandPoint);
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("MainForm");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  SetPosition(poScreenCenter);
  SetClientSize(760, 578);

  // The skin is the one built into the program.
  kivSkinEngine1 = skin::NewBuiltInSkinEngine(this, kUnskinnedTag);

  imlPC = MakeImageList(this, "imlPC", kThumbnailWidth, kThumbnailHeight);
  imlPSP = MakeImageList(this, "imlPSP", kThumbnailWidth, kThumbnailHeight);
  for (TImageList* thumbnails : {imlPC, imlPSP}) thumbnails->SetAllocBy(kThumbnailsAllocBy);
  imladv = MakeImageList(this, "imladv", 200, 69);
  imladv->SetMasked(false);
  for (int i = 1; i <= kBannerCount; ++i) {
    TBitmap banner;
    banner.LoadFromResourceName(GetModuleHandleA(nullptr), "BANNER" + std::to_string(i));
    imladv->Add(&banner, nullptr);
  }
  BuildPopupMenus();

  BuildStatusBar();
  BuildTopPanel();
  BuildPathBar();
  BuildComputerGroup();
  BuildConsoleGroup();
  BuildCommandButtons();

  imgPreview = Place<TImage>(this, this, "imgPreview");
  imgPreview->SetBounds(0, 0, kThumbnailWidth, kThumbnailHeight);
  imgPreview->SetVisible(false);

  Timer1 = new TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetInterval(3000);
  Timer1->SetEnabled(false);
  Timer1->OnTimer = Handler(this, &TMainForm::Timer1Timer);

  OnCreate = Handler(this, &TMainForm::FormCreate);
  OnClose = Handler(this, &TMainForm::FormClose);
}

void TMainForm::BuildTopPanel() {
  panTop = Place<TPanel>(this, this, "panTop");
  panTop->SetAlign(alTop);
  panTop->SetHeight(76);
  panTop->SetBevelOuter(bvNone);
  panTop->SetCaption("");
  panTop->SetParentColor(false);
  panTop->SetColor(clWhite);

  // The shadow first, so that the title paints over it.
  labTitle2 = PlaceLabel(this, panTop, "labTitle2", "", 15, 9);
  labTitle1 = PlaceLabel(this, panTop, "labTitle1", "", 13, 7);
  for (TLabel* title : {labTitle2, labTitle1}) {
    title->SetTransparent(true);
    title->Font()->SetSize(20);
    title->Font()->SetStyle(fsBold);
  }
  labTitle2->Font()->SetColor(clSilver);
  labTitle1->Font()->SetColor(clNavy);
  labVersion = PlaceLabel(this, panTop, "labVersion", "", 16, 46);
  labWebsite = PlaceLabel(this, panTop, "labWebsite", "", 120, 46);
  MakeLink(labWebsite);
  labWebsite->OnClick = Handler(this, &TMainForm::labWebsiteClick);
  labAbout = PlaceLabel(this, panTop, "labAbout", "About this Freeware", 420, 46);
  MakeLink(labAbout);
  labAbout->OnClick = Handler(this, &TMainForm::labAboutClick);

  Image2 = Place<TImage>(this, panTop, "Image2");
  Image2->SetBounds(552, 3, 200, 69);
  Image2->SetCursor(crHandPoint);
  Image2->OnClick = Handler(this, &TMainForm::Image2Click);
}

void TMainForm::BuildPathBar() {
  labPath = PlaceLabel(this, this, "labPath", "Path:", 8, 88);
  edtPath = Place<TEdit>(this, this, "edtPath");
  edtPath->SetBounds(44, 84, 254, 21);
  edtPath->OnKeyPress = Handler(this, &TMainForm::edtPathKeyPress);
  btnBrowse = Place<TButton>(this, this, "btnBrowse", "&Browse", 44, 110, 80, 24);
  btnBrowse->OnClick = Handler(this, &TMainForm::btnBrowseClick);
  btnRefreshPC = Place<TButton>(this, this, "btnRefreshPC", "Refr&esh", 128, 110, 80, 24);
  btnRefreshPC->OnClick = Handler(this, &TMainForm::btnRefreshPCClick);

  labPSP = PlaceLabel(this, this, "labPSP", "PSP:", 456, 88);
  cmbPSP = new TDirTreeCombo(this);
  cmbPSP->SetName("cmbPSP");
  cmbPSP->SetBounds(488, 84, 219, 21);
  cmbPSP->SetTreeHeight(240);
  cmbPSP->SetParent(this);
  cmbPSP->SetExpandRoot(true);
  cmbPSP->OnPathChange = Handler(this, &TMainForm::cmbPSPPathChange);
  btnRefreshPSP = Place<TButton>(this, this, "btnRefreshPSP", "Re&fresh", 488, 110, 80, 24);
  btnRefreshPSP->OnClick = Handler(this, &TMainForm::btnRefreshPSPClick);
}

TListView* TMainForm::BuildVideoList(TWinControl* parent, const char* name, TImageList* images,
                                     TPopupMenu* menu, void (TMainForm::*click)(TObject*)) {
  TListView* list = Place<TListView>(this, parent, name);
  list->SetViewStyle(vsReport);
  list->SetShowColumnHeaders(false);
  list->SetMultiSelect(true);
  list->SetReadOnly(true);
  list->SetSmallImages(images);
  list->Columns()->Add()->SetWidth(220);
  list->SetPopupMenu(menu);
  list->SetDragMode(dmAutomatic);
  list->OnClick = Handler(this, click);
  return list;
}

void TMainForm::BuildComputerGroup() {
  gpbPC = Place<TGroupBox>(this, this, "gpbPC", "Videos in the Computer", 8, 142, 290, 408);
  ltvPC = BuildVideoList(gpbPC, "ltvPC", imlPC, PopupMenu1, &TMainForm::ltvPCClick);
  ltvPC->SetBounds(10, 22, 270, 350);
  ltvPC->OnDblClick = Handler(this, &TMainForm::ltvPCDblClick);
  ltvPC->OnDragOver = Handler(this, &TMainForm::ltvPCDragOver);
  ltvPC->OnDragDrop = Handler(this, &TMainForm::ltvPCDragDrop);
  labPCNumCaption = PlaceLabel(this, gpbPC, "labPCNumCaption", "Video Num:", 10, 382);
  labPCNum = PlaceLabel(this, gpbPC, "labPCNum", "0", 72, 382);
}

void TMainForm::BuildConsoleGroup() {
  gpbPSP = Place<TGroupBox>(this, this, "gpbPSP", "Videos in the PSP", 456, 142, 296, 408);
  labType = PlaceLabel(this, gpbPSP, "labType", "Video Type:", 10, 25);
  cmbType = Place<TComboBox>(this, gpbPSP, "cmbType");
  cmbType->SetStyle(csDropDownList);
  cmbType->SetBounds(76, 21, 210, 21);
  cmbType->Items()->Add("MPEG-4 Video");
  cmbType->Items()->Add("MPEG-4 AVC Video");
  cmbType->OnChange = Handler(this, &TMainForm::cmbTypeChange);
  ltvPSP = BuildVideoList(gpbPSP, "ltvPSP", imlPSP, PopupMenu2, &TMainForm::ltvPSPClick);
  ltvPSP->SetBounds(10, 50, 276, 322);
  ltvPSP->OnDblClick = Handler(this, &TMainForm::ltvPSPDblClick);
  ltvPSP->OnDragOver = Handler(this, &TMainForm::ltvPSPDragOver);
  ltvPSP->OnDragDrop = Handler(this, &TMainForm::ltvPSPDragDrop);
  labPSPNumCaption = PlaceLabel(this, gpbPSP, "labPSPNumCaption", "Video Num:", 10, 382);
  labPSPNum = PlaceLabel(this, gpbPSP, "labPSPNum", "0", 72, 382);
}

void TMainForm::BuildCommandButtons() {
  struct Command {
    TButton*& button;
    const char* name;
    const char* caption;
    int top;
    void (TMainForm::*click)(TObject*);
  };
  for (const Command& c : {
           Command{btnMovePSP, "btnMovePSP", "&Move to PSP -->", 200, &TMainForm::btnMovePSPClick},
           Command{btnCopyPSP, "btnCopyPSP", "&Copy to PSP -->", 232, &TMainForm::btnCopyPSPClick},
           Command{btnMovePC, "btnMovePC", "<-- M&ove to PC", 290, &TMainForm::btnMovePCClick},
           Command{btnCopyPC, "btnCopyPC", "<-- Co&py to PC", 322, &TMainForm::btnCopyPCClick},
           Command{btnRename, "btnRename", "&Rename (PSP Video)", 390, &TMainForm::btnRenameClick},
           Command{btnDelete, "btnDelete", "&Delete (PSP Video)", 422, &TMainForm::btnDeleteClick}}) {
    c.button = Place<TButton>(this, this, c.name, c.caption, 308, c.top, 140, 26);
    c.button->OnClick = Handler(this, c.click);
  }
}

void TMainForm::BuildStatusBar() {
  StatusBar1 = Place<TStatusBar>(this, this, "StatusBar1");
  for (int width : {260, 138, 260, 50}) StatusBar1->Panels()->Add()->SetWidth(width);
}

void TMainForm::FormCreate(TObject*) {
  Timer1->SetEnabled(true);
  FBannerIndex = -1;

  FProgramFolder = manager::AddBackslash(ExtractFileDir(Application->ExeName()));
  FConverterMarker = FProgramFolder + "vodivi.dll";

  TIniFile preferences(PreferencesFile());
  FVersion = preferences.ReadString("Main", "Version", "1.1");
  edtPath->SetText(preferences.ReadString("Main", "Output Path", FProgramFolder));

  Application->SetTitle(kTitle);
  Application->SetHelpFile(FProgramFolder + "Hollimer.chm");
  SetHelpFile(Application->HelpFile());
  SetCaption(std::string(kTitle) + " V" + FVersion + "  Freeware by " + kMakerName);
  labTitle1->SetCaption(kTitle);
  labTitle2->SetCaption(kTitle);
  labVersion->SetCaption("Version " + FVersion);
  labWebsite->SetCaption(kMakerWebsite);

  cmbType->SetItemIndex(0);
  FPSPSubFolder = manager::ConsoleVideoFolder(0);

  DetectPSP();

  btnRefreshPC->Click();
  btnRefreshPSP->Click();
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  // Beside the converter its output folder stays the converter's to set.
  if (FileExists(FConverterMarker)) return;
  // A preferences file that cannot be written is reported; the program still ends.
  try {
    TIniFile(PreferencesFile()).WriteString("Main", "Output Path", edtPath->Text());
  } catch (const std::exception&) {
    Application->HandleException(this);
  }
}

void TMainForm::Timer1Timer(TObject*) {
  Timer1->SetEnabled(false);
  FBannerIndex = manager::NextBannerIndex(FBannerIndex, imladv->Count());
  Image2->Picture()->Assign(nullptr);
  if (FBannerIndex >= 0) imladv->GetBitmap(FBannerIndex, Image2->Picture()->Bitmap());
  Image2->Invalidate();
  Timer1->SetEnabled(true);
}

void TMainForm::Image2Click(TObject*) {
  if (const std::optional<std::string> page = manager::BannerPage(FBannerIndex))
    converter::OpenWithShell(kMakerWebsite + *page);
}

void TMainForm::labWebsiteClick(TObject*) { converter::OpenWithShell(kMakerWebsite); }

void TMainForm::labAboutClick(TObject*) { AboutForm->Show(); }
