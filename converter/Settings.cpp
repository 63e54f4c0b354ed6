#include "converter/Settings.h"

#include "converter/DialogConvention.h"
#include "converter/FormBuilding.h"
#include "converter/MainForm.h"
#include "converter/ShellBrowseForFolder.h"
#include "common/core/FileNames.h"
#include "converter/core/Profiles.h"

TSettingForm* SettingForm = nullptr;

TSettingForm::TSettingForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("SettingForm");
  SetCaption("Settings");
  SetBorderStyle(bsDialog);
  SetPosition(poMainFormCenter);
  SetClientSize(440, 392);

  pgcSetting = Place<TPageControl>(this, this, "pgcSetting", "", 8, 8, 424, 340);
  BuildGeneralPage();
  BuildProfilesPage();

  btnDefault = Place<TButton>(this, this, "btnDefault", "&Load Default", 8, 358, 95, 25);
  btnOK = Place<TButton>(this, this, "btnOK", "&OK", 274, 358, 75, 25);
  btnCancel = Place<TButton>(this, this, "btnCancel", "&Cancel", 357, 358, 75, 25);
  SaveDialog1 = new TSaveDialog(this);
  SaveDialog1->SetName("SaveDialog1");
  SaveDialog1->SetDefaultExt("ovx");
  SaveDialog1->SetFilter("Profiles (*.ovx)|*.ovx");

  btnDefault->OnClick = Handler(this, &TSettingForm::btnDefaultClick);
  btnOK->OnClick = Handler(this, &TSettingForm::btnOKClick);
  btnCancel->OnClick = Handler(this, &TSettingForm::btnCancelClick);

  OnCreate = Handler(this, &TSettingForm::FormCreate);
  OnShow = Handler(this, &TSettingForm::FormShow);
  OnClose = Handler(this, &TSettingForm::FormClose);
}

void TSettingForm::BuildGeneralPage() {
  TabSheet1 = new TTabSheet(this);
  TabSheet1->SetName("TabSheet1");
  TabSheet1->SetPageControl(pgcSetting);
  TabSheet1->SetCaption("     General     ");

  edtOutputDir = Place<TLabeledEdit>(this, TabSheet1, "edtOutputDir", "", 130, 20, 246, 21);
  edtOutputDir->SetLabelPosition(lpLeft);
  edtOutputDir->EditLabel()->SetCaption("Default Output Path:");
  sbtnBrowse = Place<TSpeedButton>(this, TabSheet1, "sbtnBrowse", "", 380, 19, 23, 23);
  TBitmap folder;
  LoadPicture(folder, "BROWSEGLYPH");
  sbtnBrowse->SetGlyph(&folder);
  sbtnBrowse->OnClick = Handler(this, &TSettingForm::sbtnBrowseClick);

  labSyn = Place<TLabel>(this, TabSheet1, "labSyn", "Synchronization Mode:", 16, 56, 110, 13);
  cmbSyn = Place<TComboBox>(this, TabSheet1, "cmbSyn", "", 130, 52, 160, 21);
  cmbSyn->SetStyle(csDropDownList);
  for (const char* mode : {"Auto", "Force Mode", "Progressive Mode"}) cmbSyn->Items()->Add(mode);

  chkOpenDir =
      Place<TCheckBox>(this, TabSheet1, "chkOpenDir",
                       "Open the output directory when the task is completed. ", 16, 92, 390, 17);
  chkExit = Place<TCheckBox>(this, TabSheet1, "chkExit",
                             "Exit the program when the task is completed.", 16, 116, 390, 17);
  chkTurnoff =
      Place<TCheckBox>(this, TabSheet1, "chkTurnoff",
                       "Turn off the computer when the task is completed.", 16, 140, 390, 17);

  gpbOverWrite =
      Place<TGroupBox>(this, TabSheet1, "gpbOverWrite", "Output File Overwrite", 16, 174, 388, 72);
  rdbOverWrite =
      Place<TRadioButton>(this, gpbOverWrite, "rdbOverWrite", "Overwrite", 12, 20, 360, 17);
  rdbRename = Place<TRadioButton>(this, gpbOverWrite, "rdbRename",
                                  "Not overwrite (Rename to <Filename> + Index", 12, 44, 360, 17);
  rdbOverWrite->SetChecked(true);
}

void TSettingForm::BuildProfilesPage() {
  TabSheet2 = new TTabSheet(this);
  TabSheet2->SetName("TabSheet2");
  TabSheet2->SetPageControl(pgcSetting);
  TabSheet2->SetCaption("     Profiles     ");

  labProfile = Place<TLabel>(this, TabSheet2, "labProfile", "Profile:", 8, 12, 40, 13);
  cmbProfile = Place<TComboBox>(this, TabSheet2, "cmbProfile", "", 56, 8, 250, 21);
  cmbProfile->SetStyle(csDropDownList);
  cmbProfile->OnChange = Handler(this, &TSettingForm::cmbProfileChange);
  btnSaveAs = Place<TButton>(this, TabSheet2, "btnSaveAs", "&Save as...", 316, 6, 90, 25);
  btnSaveAs->OnClick = Handler(this, &TSettingForm::btnSaveAsClick);

  sbxEditors = Place<TScrollBox>(this, TabSheet2, "sbxEditors", "", 8, 40, 400, 264);
  auto group = [this](const char* panelName, const char* caption, const char* buttonName,
                      const char* editorName, TPanel*& panel, TButton*& button,
                      TValueListEditor*& editor, void (TSettingForm::*fold)(TObject*)) {
    const TEditorGroup placed =
        PlaceEditorGroup(this, sbxEditors, panelName, caption, buttonName, editorName, 160, 200,
                         [this, fold](TObject* s) { (this->*fold)(s); });
    panel = placed.panel;
    button = placed.button;
    editor = placed.editor;
  };
  group("panVideo", "Video", "btnVideo", "vleVideo", panVideo, btnVideo, vleVideo,
        &TSettingForm::btnVideoClick);
  group("panAudio", "Audio", "btnAudio", "vleAudio", panAudio, btnAudio, vleAudio,
        &TSettingForm::btnAudioClick);
  group("panAdvanced", "Advanced", "btnAdvanced", "vleAdvanced", panAdvanced, btnAdvanced,
        vleAdvanced, &TSettingForm::btnAdvancedClick);
  vleVideo->OnDrawCell = Handler(this, &TSettingForm::vleVideoDrawCell);
  vleAudio->OnDrawCell = Handler(this, &TSettingForm::vleAudioDrawCell);
  vleAdvanced->OnDrawCell = Handler(this, &TSettingForm::vleAdvancedDrawCell);
  for (TValueListEditor* editor : {vleVideo, vleAudio, vleAdvanced})
    editor->OnMouseDown = Handler(this, &TSettingForm::vleVideoMouseDown);

  labDescription = Place<TLabel>(this, TabSheet2, "labDescription", "Description:", 8, 250, 80, 13);
  memDescription = Place<TMemo>(this, TabSheet2, "memDescription", "", 8, 266, 400, 40);
  labDescription->SetVisible(false);
  memDescription->SetVisible(false);
}

std::string TSettingForm::PreferencesFile() const {
  return converter::PreferencesPath(MainForm->ProgramFolder());
}

converter::TGeneralPreferences TSettingForm::GeneralPreferences() const {
  converter::TGeneralPreferences preferences;
  preferences.OutputPath = edtOutputDir->Text();
  preferences.SynMode = cmbSyn->ItemIndex();
  preferences.AutoOpenDir = chkOpenDir->Checked();
  preferences.AutoExit = chkExit->Checked();
  preferences.AutoTurnOff = chkTurnoff->Checked();
  preferences.Overwrite = rdbOverWrite->Checked();
  return preferences;
}

void TSettingForm::ShowGeneralPreferences(const converter::TGeneralPreferences& preferences) {
  edtOutputDir->SetText(preferences.OutputPath);
  cmbSyn->SetItemIndex(preferences.SynMode);
  chkOpenDir->SetChecked(preferences.AutoOpenDir);
  chkExit->SetChecked(preferences.AutoExit);
  chkTurnoff->SetChecked(preferences.AutoTurnOff);
  rdbOverWrite->SetChecked(preferences.Overwrite);
  rdbRename->SetChecked(!preferences.Overwrite);
}

void TSettingForm::LoadPreferences() {
  ShowGeneralPreferences(converter::LoadPreferences(PreferencesFile(), MainForm->ProgramFolder()));
}

void TSettingForm::SavePreferences() {
  converter::SavePreferences(PreferencesFile(), GeneralPreferences());
}

void TSettingForm::FormCreate(TObject*) {
  cmbProfile->Items()->Assign(MainForm->cmbProfile->Items());
  LoadPreferences();
}

void TSettingForm::FormShow(TObject*) {
  EnableMainWindow(false);
  edtOutputDir->SetText(MainForm->edtOutputdir->Text());
}

void TSettingForm::FormClose(TObject*, TCloseAction&) { EnableMainWindow(true); }

void TSettingForm::btnOKClick(TObject*) {
  MainForm->edtOutputdir->SetText(edtOutputDir->Text());
  SavePreferences();
  const std::string profile = converter::ProfilePath(MainForm->ProgramFolder(), cmbProfile->Text());
  if (FileExists(profile)) SaveProfile(profile);
  if (MainForm->cmbProfile->Text() == cmbProfile->Text() && MainForm->cmbProfile->OnChange)
    MainForm->cmbProfile->OnChange(MainForm->cmbProfile);
  Close();
}

void TSettingForm::btnCancelClick(TObject*) { Close(); }

void TSettingForm::btnDefaultClick(TObject*) {
  if (MessageBoxA(Handle(), "Are you sure to load the default preferences?", "Load Default",
                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  ShowGeneralPreferences(
      converter::LoadDefaultPreferences(PreferencesFile(), MainForm->ProgramFolder()));
}

void TSettingForm::sbtnBrowseClick(TObject*) {
  std::string folder;
  if (converter::BrowseForFolder(Handle(), "Select the output directory.", folder))
    edtOutputDir->SetText(common::AddBackslash(folder));
}
