// The Settings dialog: the General page (output folder, what to do when the task list is done,
// the overwrite rule) and the Profiles page (the profile editors with save and save as). The
// General page's controls are the converter's live settings: the run reads them from here.
#pragma once
#include <string>

#include "converter/core/Preferences.h"
#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ScrollBox.h"
#include "framework/StdCtrls.h"
#include "framework/ValEdit.h"

class TSettingForm : public TForm {
public:
  explicit TSettingForm(TComponent* AOwner);

  TPageControl* pgcSetting;
  TTabSheet* TabSheet1;
  TLabeledEdit* edtOutputDir;
  TSpeedButton* sbtnBrowse;
  TLabel* labSyn;
  TComboBox* cmbSyn;
  TCheckBox* chkOpenDir;
  TCheckBox* chkExit;
  TCheckBox* chkTurnoff;
  TGroupBox* gpbOverWrite;
  TRadioButton* rdbOverWrite;
  TRadioButton* rdbRename;
  TTabSheet* TabSheet2;
  TLabel* labProfile;
  TComboBox* cmbProfile;
  TScrollBox* sbxEditors;  // the three editor groups, scrolled when taller than the page
  TPanel* panVideo;
  TButton* btnVideo;
  TValueListEditor* vleVideo;
  TPanel* panAudio;
  TButton* btnAudio;
  TValueListEditor* vleAudio;
  TPanel* panAdvanced;
  TButton* btnAdvanced;
  TValueListEditor* vleAdvanced;
  TButton* btnSaveAs;
  TLabel* labDescription;
  TMemo* memDescription;
  TButton* btnOK;
  TButton* btnCancel;
  TButton* btnDefault;
  TSaveDialog* SaveDialog1;

  // The General page as preferences, and back.
  converter::TGeneralPreferences GeneralPreferences() const;
  void ShowGeneralPreferences(const converter::TGeneralPreferences& preferences);
  void LoadPreferences();
  void SavePreferences();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOKClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void btnDefaultClick(TObject* Sender);
  void sbtnBrowseClick(TObject* Sender);

  // The profile editors
  // Loads the profile file into the editors; a missing file leaves them as they are.
  void LoadProfile(const std::string& path);
  void SaveProfile(const std::string& path);
  // Copies the source profile to the new path and saves the editors into the copy.
  void SaveProfileAs(const std::string& source, const std::string& newPath);
  void cmbProfileChange(TObject* Sender);
  void btnSaveAsClick(TObject* Sender);
  void btnVideoClick(TObject* Sender);
  void btnAudioClick(TObject* Sender);
  void btnAdvancedClick(TObject* Sender);
  void vleVideoDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                        TGridDrawState State);
  void vleAudioDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                        TGridDrawState State);
  void vleAdvancedDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                           TGridDrawState State);
  // A press on any of the editors: they repaint.
  void vleVideoMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
  void BuildGeneralPage();
  void BuildProfilesPage();
  std::string PreferencesFile() const;
};

extern TSettingForm* SettingForm;
