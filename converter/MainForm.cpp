#include "converter/MainForm.h"

#include <shellapi.h>
#include <windows.h>

#include <utility>

#include "converter/About.h"
#include "converter/FormBuilding.h"
#include "converter/Settings.h"
#include "converter/ShellBrowseForFolder.h"
#include "converter/ShellFileList.h"
#include "converter/ShellOpen.h"
#include "converter/core/FileTypes.h"
#include "common/core/FileNames.h"
#include "converter/core/Paths.h"
#include "converter/core/Preferences.h"
#include "converter/core/Profiles.h"
#include "skin/BuiltInSkin.h"

TMainForm* MainForm = nullptr;

namespace {

const char* const kTitle = "Tessark";
constexpr int kUnskinnedTag = 9999;
constexpr TColor kLinkPressed = 0x00FDA580;
constexpr TColor kLinkReleased = 0x00FC5F1B;
constexpr TColor kUndrawn = 0x00FF00FF;  // the pictures' mask colour
constexpr UINT kAddCommandLineInputs = WM_APP + 42;

TPanel* PlacePanel(TComponent* owner, TWinControl* parent, const char* name, TAlign align) {
  TPanel* panel = Place<TPanel>(owner, parent, name);
  panel->SetAlign(align);
  panel->SetBevelOuter(bvNone);
  panel->SetCaption("");
  return panel;
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner), FInputExts(new TStringList) {
  SetName("MainForm");
  SetPosition(poScreenCenter);
  SetClientSize(772, 540);

  // The skin is the one built into the program.
  kivSkinEngine1 = skin::NewBuiltInSkinEngine(this, kUnskinnedTag);

  BuildToolbar();
  BuildBottomBars();
  BuildProfilePane();
  BuildTaskList();

  Memo1 = Place<TMemo>(this, this, "Memo1");
  Memo1->SetVisible(false);
  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->SetName("OpenDialog1");
  OpenDialog1->SetTitle("Add Video Files");
  OpenDialog1->SetOptions(ofHideReadOnly | ofAllowMultiSelect | ofPathMustExist |
                          ofFileMustExist | ofEnableSizing);
  timerTime = new TTimer(this);
  timerTime->SetName("timerTime");
  timerTime->SetEnabled(false);
  timerTime->OnTimer = Handler(this, &TMainForm::timerTimeTimer);

  OnCreate = Handler(this, &TMainForm::FormCreate);
  OnShow = Handler(this, &TMainForm::FormShow);
  OnClose = Handler(this, &TMainForm::FormClose);
  OnCloseQuery = Handler(this, &TMainForm::FormCloseQuery);
}

void TMainForm::BuildToolbar() {
  ImageList1 = new TImageList(this);
  ImageList1->SetName("ImageList1");
  ImageList1->SetWidth(48);
  ImageList1->SetHeight(48);
  ImageList2 = new TImageList(this);
  ImageList2->SetName("ImageList2");
  ImageList2->SetWidth(48);
  ImageList2->SetHeight(48);
  // One strip each, the pictures in the buttons' order.
  for (auto [list, resource] : {std::pair{ImageList1, "TOOLBARIMAGES"},
                                std::pair{ImageList2, "TOOLBARDISABLEDIMAGES"}}) {
    TBitmap strip;
    LoadPicture(strip, resource);
    list->AddMasked(&strip, kUndrawn);
  }

  Toolbar1 = Place<TToolBar>(this, this, "Toolbar1");
  Toolbar1->SetAlign(alTop);
  Toolbar1->SetFlat(true);
  Toolbar1->SetShowCaptions(true);
  Toolbar1->SetImages(ImageList1);
  Toolbar1->SetDisabledImages(ImageList2);
  Toolbar1->SetButtonWidth(55);
  Toolbar1->SetButtonHeight(54);
  Toolbar1->SetHeight(58);

  int picture = 0;
  auto button = [this, &picture](const char* name, const char* caption, const char* hint,
                                 void (TMainForm::*handler)(TObject*)) {
    TToolButton* b = new TToolButton(this);
    b->SetName(name);
    b->SetCaption(caption);
    b->SetImageIndex(picture++);
    b->SetHint(hint);
    b->SetToolBar(Toolbar1);
    b->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
    return b;
  };
  auto separator = [this]() {
    TToolButton* b = new TToolButton(this);
    b->SetStyle(tbsSeparator);
    b->SetToolBar(Toolbar1);
  };
  tbtnAddFile = button("tbtnAddFile", "Add", "Add Video Files", &TMainForm::tbtnAddFileClick);
  tbtnAddDir = button("tbtnAddDir", "Folder", "Add Directory", &TMainForm::tbtnAddDirClick);
  tbtnRemove = button("tbtnRemove", "Remove", "Remove", &TMainForm::tbtnRemoveClick);
  tbtnClear = button("tbtnClear", "Clear", "Clear", &TMainForm::tbtnClearClick);
  separator();
  tbtnUp = button("tbtnUp", "Up", "Move Up", &TMainForm::tbtnUpClick);
  tbtnDown = button("tbtnDown", "Down", "Move Down", &TMainForm::tbtnDownClick);
  separator();
  tbtnStart = button("tbtnStart", "Start", "Start", &TMainForm::tbtnStartClick);
  tbtnStop = button("tbtnStop", "Stop", "Stop", &TMainForm::tbtnStopClick);
  separator();
  tbtnSetting = button("tbtnSetting", "Settings", "Settings", &TMainForm::tbtnSettingClick);
  tbtnHelp = button("tbtnHelp", "Help", "Help", &TMainForm::tbtnHelpClick);
  tbtnAbout = button("tbtnAbout", "About", "About", &TMainForm::tbtnAboutClick);
  ToolButton1 = button("ToolButton1", "PSP", "", &TMainForm::ToolButton1Click);
  for (TToolButton* b : {tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart, tbtnStop})
    b->SetEnabled(false);
}

void TMainForm::BuildTaskList() {
  ltvTask = Place<TRichListView>(this, this, "ltvTask");
  ltvTask->SetAlign(alClient);
  ltvTask->SetHeaderOwnerDraw(true);
  ltvTask->SetHeaderFlatStyle(true);
  ltvTask->SetHeaderHeight(13);
  ltvTask->SetHoverTime(-1);
  ltvTask->SetSaveHeader(true);
  ltvTask->SetLoadHeader(true);
  ltvTask->SetViewStyle(vsReport);
  ltvTask->SetMultiSelect(true);
  ltvTask->SetReadOnly(true);
  ltvTask->SetRowSelect(true);
  ltvTask->SetHideSelection(false);
  ltvTask->SetTag(562);
  for (const char* caption : {"Input File", "Length", "Size", "Status"})
    ltvTask->Columns()->Add()->SetCaption(caption);
  ltvTask->OnClick = Handler(this, &TMainForm::ltvTaskClick);
  ltvTask->OnSelectItem = Handler(this, &TMainForm::ltvTaskSelectItem);
  ltvTask->OnMouseMove = Handler(this, &TMainForm::ltvTaskMouseMove);
  ltvTask->SetShowHint(true);
  ltvTask->OnDblClick = Handler(this, &TMainForm::ltvTaskDblClick);
  ltvTask->OnKeyDown = Handler(this, &TMainForm::ltvTaskKeyDown);
  ltvTask->OnResize = Handler(this, &TMainForm::ltvTaskResize);

  ppmTask = new TPopupMenu(this);
  ppmTask->SetName("ppmTask");
  struct Entry {
    const char* caption;
    void (TMainForm::*handler)(TObject*);
  };
  const Entry entries[] = {{"Open", &TMainForm::ltvTaskDblClick},
                           {"-", nullptr},
                           {"Add Files...", &TMainForm::tbtnAddFileClick},
                           {"Add Directorys...", &TMainForm::tbtnAddDirClick},
                           {"-", nullptr},
                           {"Remove", &TMainForm::tbtnRemoveClick},
                           {"Clear", &TMainForm::tbtnClearClick}};
  for (const Entry& entry : entries) {
    TMenuItem* item = new TMenuItem(this);
    item->SetCaption(entry.caption);
    if (entry.handler) {
      auto handler = entry.handler;
      item->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
    }
    ppmTask->Items()->Add(item);
  }
  ppmTask->OnPopup = Handler(this, &TMainForm::ppmTaskPopup);
  ltvTask->SetPopupMenu(ppmTask);

  // The welcome panel covers the list until the first row comes.
  panbg = PlacePanel(this, ltvTask, "panbg", alClient);
  panbg->SetTag(kUnskinnedTag);
  panbg->SetParentColor(false);
  panbg->SetColor(clWindow);
  auto welcome = [this](const char* name, const char* caption, int left, int top, int size,
                        TFontStyles style, TColor color) {
    TLabel* label = Place<TLabel>(this, panbg, name);
    label->SetTransparent(true);
    label->Font()->SetSize(size);
    label->Font()->SetStyle(style);
    label->Font()->SetColor(color);
    label->SetAutoSize(false);
    label->SetBounds(left, top, 420, label->Font()->Size() * 2);
    label->SetCaption(caption);
    return label;
  };
  imgWelcome = Place<TImage>(this, panbg, "imgWelcome");
  LoadPicture(*imgWelcome->Picture()->Bitmap(), "WELCOMEIMAGE");
  imgWelcome->SetTransparent(true);
  imgWelcome->SetBounds(390, 60, 128, 128);
  labProgramNameShadow = welcome("labProgramNameShadow", "", 42, 32, 28, fsBold, clSilver);
  labProgramName = welcome("labProgramName", "", 40, 30, 28, fsBold, clNavy);
  labStep1 =
      welcome("labStep1", "1. Add unlimited videos to the list.", 48, 110, 11, 0, clWindowText);
  labStep2 =
      welcome("labStep2", "2. Specify the output profile and Path.", 48, 140, 11, 0, clWindowText);
  labStep3 = welcome("labStep3", "3. Click on the \"Start\" button.", 48, 170, 11, 0, clWindowText);
  labLink = welcome("labLink", "", 48, 230, 8, fsUnderline, kLinkReleased);
  labLink->SetCursor(crHandPoint);
  labLink->OnMouseDown = Handler(this, &TMainForm::labLinkMouseDown);
  labLink->OnMouseUp = Handler(this, &TMainForm::labLinkMouseUp);
  labLink->OnClick = Handler(this, &TMainForm::labLinkClick);
}

void TMainForm::BuildBottomBars() {
  panBottom = PlacePanel(this, this, "panBottom", alBottom);
  panBottom->SetHeight(66);

  panBottomCenter = PlacePanel(this, panBottom, "panBottomCenter", alLeft);
  labProfile = PlaceLabel(this, panBottomCenter, "labProfile", "Profile:", 10, 12);
  cmbProfile = Place<TComboBox>(this, panBottomCenter, "cmbProfile");
  cmbProfile->SetStyle(csDropDownList);
  cmbProfile->SetBounds(84, 8, 400, 21);
  cmbProfile->OnChange = Handler(this, &TMainForm::cmbProfileChange);
  labOutputdir = PlaceLabel(this, panBottomCenter, "labOutputdir", "Output Path:", 10, 40);
  edtOutputdir = Place<TEdit>(this, panBottomCenter, "edtOutputdir");
  edtOutputdir->SetBounds(84, 36, 400, 21);
  bbtnSetting = Place<TBitBtn>(this, panBottomCenter, "bbtnSetting");
  bbtnSetting->SetCaption("&Setting");
  bbtnSetting->SetBounds(492, 6, 110, 25);
  bbtnSetting->OnClick = Handler(this, &TMainForm::bbtnSettingClick);
  bbtnBrowser = Place<TBitBtn>(this, panBottomCenter, "bbtnBrowser");
  bbtnBrowser->SetCaption("&Browse");
  bbtnBrowser->SetBounds(492, 34, 54, 25);
  bbtnBrowser->OnClick = Handler(this, &TMainForm::bbtnBrowserClick);
  bbtnOpen = Place<TBitBtn>(this, panBottomCenter, "bbtnOpen");
  bbtnOpen->SetCaption("&Open");
  bbtnOpen->SetBounds(548, 34, 54, 25);
  bbtnOpen->OnClick = Handler(this, &TMainForm::bbtnOpenClick);

  panBottomLeft = PlacePanel(this, panBottom, "panBottomLeft", alLeft);
  labConverting = PlaceLabel(this, panBottomLeft, "labConverting", "Converting:", 10, 4);
  labConvertingFile = PlaceLabel(this, panBottomLeft, "labConvertingFile", "No File", 110, 4);
  labConvertingFile->SetShowAccelChar(false);  // a file name shows its "&" as it is
  labCurrent = PlaceLabel(this, panBottomLeft, "labCurrent", "Current Progress:", 10, 24);
  pgbCurrent = Place<TProgressBar>(this, panBottomLeft, "pgbCurrent");
  pgbCurrent->SetBounds(110, 24, 220, 15);
  labCurProgress = PlaceLabel(this, panBottomLeft, "labCurProgress", "0%", 336, 24);
  labTotal = PlaceLabel(this, panBottomLeft, "labTotal", "Total Progress:", 10, 44);
  pgbTotal = Place<TProgressBar>(this, panBottomLeft, "pgbTotal");
  pgbTotal->SetBounds(110, 44, 220, 15);
  labTotalProgress = PlaceLabel(this, panBottomLeft, "labTotalProgress", "0%", 336, 44);
  labElapsedCaption =
      PlaceLabel(this, panBottomLeft, "labElapsedCaption", "Time Elapsed:", 400, 24);
  labElapsed = PlaceLabel(this, panBottomLeft, "labElapsed", "00:00:00", 500, 24);
  labRemainingCaption =
      PlaceLabel(this, panBottomLeft, "labRemainingCaption", "Time Remaining:", 400, 44);
  labRemaining = PlaceLabel(this, panBottomLeft, "labRemaining", "00:00:00", 500, 44);
}

void TMainForm::BuildProfilePane() {
  panProfile = PlacePanel(this, this, "panProfile", alRight);
  panProfile->SetWidth(200);
  panSplitter = Place<TPanel>(this, this, "panSplitter");
  panSplitter->SetAlign(alRight);
  panSplitter->SetWidth(10);
  panSplitter->SetCaption("<>");
  panSplitter->SetCursor(crHSplit);
  panSplitter->OnMouseMove = Handler(this, &TMainForm::panSplitterMouseMove);

  BuildPreviewPane();
  Splitter1 = Place<TSplitter>(this, panProfile, "Splitter1");
  Splitter1->SetAlign(alBottom);
  Splitter1->SetHeight(4);

  gpbProfile = Place<TGroupBox>(this, panProfile, "gpbProfile");
  gpbProfile->SetAlign(alClient);
  gpbProfile->SetCaption("Profile Detail");

  // The group box paints no background of its own.
  TPanel* panDetail = PlacePanel(this, gpbProfile, "panDetail", alClient);
  auto group = [this, panDetail](const char* panelName, const char* caption, const char* buttonName,
                                 const char* editorName, TPanel*& panel, TButton*& button,
                                 TValueListEditor*& editor, void (TMainForm::*fold)(TObject*)) {
    const TNotifyEvent onFold = [this, fold](TObject* s) { (this->*fold)(s); };
    const TEditorGroup placed = PlaceEditorGroup(this, panDetail, panelName, caption, buttonName,
                                                 editorName, 95, 68, onFold);
    panel = placed.panel;
    button = placed.button;
    editor = placed.editor;
    panel->OnDblClick = onFold;
  };
  group("panOutput", "Output", "btnOutput", "vleOutput", panOutput, btnOutput, vleOutput,
        &TMainForm::btnOutputClick);
  group("panVideo", "Video", "btnVideo", "vleVideo", panVideo, btnVideo, vleVideo,
        &TMainForm::btnVideoClick);
  group("panAudio", "Audio", "btnAudio", "vleAudio", panAudio, btnAudio, vleAudio,
        &TMainForm::btnAudioClick);
  group("panAdvanced", "Advanced", "btnAdvanced", "vleAdvanced", panAdvanced, btnAdvanced,
        vleAdvanced, &TMainForm::btnAdvancedClick);
  for (const char* key : {"New Filename", "Start Time", "End Time"})
    vleOutput->InsertRow(key, "", true);
  vleOutput->SetHeight(3 * 18);  // its three rows
  for (TValueListEditor* editor : {vleVideo, vleAudio, vleAdvanced}) editor->SetHeight(1);

  vleOutput->OnValidate = Handler(this, &TMainForm::vleOutputValidate);
  vleOutput->OnDrawCell = Handler(this, &TMainForm::vleOutputDrawCell);
  vleVideo->OnDrawCell = Handler(this, &TMainForm::vleVideoDrawCell);
  vleAudio->OnDrawCell = Handler(this, &TMainForm::vleAudioDrawCell);
  vleAdvanced->OnDrawCell = Handler(this, &TMainForm::vleAdvancedDrawCell);
  vleVideo->OnStringsChange = Handler(this, &TMainForm::vleVideoStringsChange);
  for (TValueListEditor* editor : {vleVideo, vleAudio, vleAdvanced})
    editor->OnMouseDown = Handler(this, &TMainForm::vleVideoMouseDown);
  vleOutput->OnMouseDown = Handler(this, &TMainForm::vleOutputMouseDown);
  vleOutput->OnClick = Handler(this, &TMainForm::vleOutputClick);
}

void TMainForm::BuildPreviewPane() {
  panPreview = PlacePanel(this, panProfile, "panPreview", alBottom);
  panPreview->SetHeight(177);

  panPreviewButtons = PlacePanel(this, panPreview, "panPreviewButtons", alBottom);
  panPreviewButtons->SetHeight(26);
  auto button = [this](const char* name, const char* caption, const char* hint, int left,
                       void (TMainForm::*handler)(TObject*)) {
    TSpeedButton* b = Place<TSpeedButton>(this, panPreviewButtons, name);
    b->SetFlat(true);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetShowHint(true);
    b->SetBounds(left, 2, 39, 22);
    b->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
    return b;
  };
  sbtnPlay = button("sbtnPlay", "Play", "Play", 2, &TMainForm::sbtnPlayClick);
  sbtnPause = button("sbtnPause", "Pause", "Pause / Resume", 42, &TMainForm::sbtnPauseClick);
  sbtnStop = button("sbtnStop", "Stop", "Stop", 82, &TMainForm::sbtnStopClick);
  labPreviewTime = PlaceLabel(this, panPreviewButtons, "labPreviewTime", "00:00:00", 130, 6);

  BuildPreviewComponents();
}

void TMainForm::FormCreate(TObject*) {
  FProgramFolder = common::AddBackslash(ExtractFileDir(Application->ExeName()));
  edtOutputdir->SetText(FProgramFolder);
  FEncoderPath = FProgramFolder + "vodivi.dll";
  ltvTask->SetHeaderColor(0x00EFEFEF);
  FVersion = converter::ReadVersion(converter::PreferencesPath(FProgramFolder));
  Application->SetTitle(kTitle);
  Application->SetHelpFile(FProgramFolder + "Tessark.chm");
  SetHelpFile(Application->HelpFile());
  SetCaption(std::string(kTitle) + " V" + FVersion);

  for (const std::string& extension : converter::InputExtensions()) FInputExts->Add(extension);
  FInputMask = converter::InputMask();
  OpenDialog1->SetFilter(converter::InputFilter());

  for (const std::string& name : converter::ProfileNames(
           converter::ListFilesWithExtension(converter::ProfilesFolder(FProgramFolder), ".ovx")))
    cmbProfile->Items()->Add(name);

  // The inputs of the command line are added once the window shows (FormShow).
  DragAcceptFiles(Handle(), TRUE);

  panBottomCenter->SetWidth(607);
  panBottomLeft->SetWidth(607);
  panBottomLeft->SetVisible(false);
  const int widths[] = {260, 90, 80, 100};
  for (int i = 0; i < 4; ++i) ltvTask->Columns()->Items(i)->SetWidth(widths[i]);
  labProgramName->SetCaption(kTitle);
  labProgramNameShadow->SetCaption(kTitle);
  labLink->SetCaption(std::string(kMakerName) + " - " + kMakerWebsite);
}

void TMainForm::FormShow(TObject*) {
  LoadMainPreferences();
  // Posted: the window is on the screen before the first input is probed. Only the first
  // showing: rows removed since must not come back.
  if (!FCommandLineRead) PostMessageA(Handle(), kAddCommandLineInputs, 0, 0);
  FCommandLineRead = true;
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  // A preferences file that cannot be written is reported; the program still ends.
  try {
    SaveMainPreferences();
  } catch (const std::exception&) {
    Application->HandleException(this);
  }
}

void TMainForm::LoadMainPreferences() {
  const converter::TMainPreferences preferences =
      converter::LoadMainPreferences(converter::PreferencesPath(FProgramFolder), FProgramFolder);
  edtOutputdir->SetText(preferences.OutputPath);
  if (cmbProfile->Items()->Count() == 0) return;
  cmbProfile->SetItemIndex(preferences.Profile);
  if (cmbProfile->OnChange) cmbProfile->OnChange(cmbProfile);
}

void TMainForm::SaveMainPreferences() {
  converter::TGeneralPreferences general = SettingForm->GeneralPreferences();
  general.OutputPath = edtOutputdir->Text();
  converter::SaveMainPreferences(converter::PreferencesPath(FProgramFolder),
                                 cmbProfile->ItemIndex(), general);
}

void TMainForm::tbtnAboutClick(TObject*) {
  if (!AboutForm) AboutForm = New<TAboutForm>(Application, kTitle, FVersion);
  AboutForm->Show();
}

void TMainForm::ShowSettings(int page) {
  SettingForm->Show();
  SettingForm->pgcSetting->SetActivePageIndex(page);
}

void TMainForm::tbtnSettingClick(TObject*) { ShowSettings(0); }

void TMainForm::bbtnSettingClick(TObject*) {
  ShowSettings(1);
  SettingForm->cmbProfile->SetItemIndex(cmbProfile->ItemIndex());
  if (SettingForm->cmbProfile->OnChange) SettingForm->cmbProfile->OnChange(SettingForm->cmbProfile);
}

void TMainForm::tbtnHelpClick(TObject*) {
  converter::OpenWithShell(HelpFile());
}

void TMainForm::bbtnBrowserClick(TObject*) {
  std::string folder;
  if (converter::BrowseForFolder(Handle(), "Select the output directory.", folder))
    edtOutputdir->SetText(common::AddBackslash(folder));
}

void TMainForm::bbtnOpenClick(TObject*) {
  if (DirectoryExists(edtOutputdir->Text())) converter::OpenWithShell(edtOutputdir->Text());
}

void TMainForm::panSplitterMouseMove(TObject*, TShiftState Shift, int X, int) {
  const TShiftState keys = ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle;
  if ((Shift & keys) == ssLeft && X != 0) panProfile->SetWidth(panProfile->Width() - X + 5);
}

void TMainForm::labLinkMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  labLink->Font()->SetColor(kLinkPressed);
}

void TMainForm::labLinkMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  labLink->Font()->SetColor(kLinkReleased);
}

void TMainForm::labLinkClick(TObject*) { converter::OpenWithShell(kMakerWebsite); }

void TMainForm::WndProc(TMessage& m) {
  if (m.Msg == WM_DROPFILES) {
    WMDropFiles(m);
    return;
  }
  if (m.Msg == kAddCommandLineInputs) {
    AddCommandLineInputs();
    return;
  }
  TForm::WndProc(m);
}
