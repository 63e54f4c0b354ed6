// The main window's profile editors: loading the chosen profile, the option string of a run,
// the folding groups, the cells' colours and the custom frame size.
#include <windows.h>
#include <commctrl.h>

#include "converter/CustomSize.h"
#include "converter/MainForm.h"
#include "converter/ProfileGrids.h"
#include "converter/ShellBalloonTip.h"
#include "converter/core/ProfileEditors.h"
#include "converter/core/Profiles.h"

namespace {

TProfileGrids GridsOf(const TMainForm* form) {
  return {form->vleVideo, form->vleAudio, form->vleAdvanced};
}

void RefreshEditors(const TMainForm* form) {
  RefreshProfileEditors({form->vleOutput, form->vleVideo, form->vleAudio, form->vleAdvanced});
}

// A timer's message comes after the messages that show and paint the window. The platform
// calls this directly: nothing may be raised past it.
void CALLBACK ReportWhenShown(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  try {
    MainForm->ReportChosenProfileProblem();
  } catch (const std::exception&) {
    Application->HandleException(MainForm);
  }
}

}  // namespace

void TMainForm::LoadProfile(const std::string& Path) {
  const std::optional<converter::TLoadedProfile> profile = converter::LoadProfile(Path);
  if (!profile) return;
  FProfileExt = profile->Extension;
  ShowProfileEditors(GridsOf(this), profile->Editors);
}

void TMainForm::BuildEncoderParameters(const std::string& Path, std::string& Options) {
  Options += converter::BuildEncoderParameters(Path, ProfileEditorsOf(GridsOf(this)));
}

// A profile that cannot be converted with is reported as soon as it is chosen; the one chosen
// at start-up once the window shows, so that the message is not the first thing to appear.
void TMainForm::cmbProfileChange(TObject*) {
  LoadProfile(converter::ProfilePath(FProgramFolder, cmbProfile->Text()));
  if (IsWindowVisible(Handle()))
    ReportChosenProfileProblem();
  else
    SetTimer(Handle(), reinterpret_cast<UINT_PTR>(&ReportWhenShown), 0, ReportWhenShown);
}

void TMainForm::ReportChosenProfileProblem() {
  ReportProfileProblem(converter::ProfileProblem(
      cmbProfile->Text(), converter::ProfilePath(FProgramFolder, cmbProfile->Text())));
}

bool TMainForm::ProfileReadyToConvert() {
  const std::string problem =
      cmbProfile->ItemIndex() < 0
          ? "A profile must be chosen before converting. Please choose one in the Profile list "
            "(profiles are the .ovx files in " + converter::ProfilesFolder(FProgramFolder) + ")."
          : converter::ProfileProblem(cmbProfile->Text(),
                                      converter::ProfilePath(FProgramFolder, cmbProfile->Text()));
  ReportProfileProblem(problem);
  return problem.empty();
}

void TMainForm::btnOutputClick(TObject*) { ToggleEditorGroup(btnOutput, vleOutput); }
void TMainForm::btnVideoClick(TObject*) { ToggleEditorGroup(btnVideo, vleVideo); }
void TMainForm::btnAudioClick(TObject*) { ToggleEditorGroup(btnAudio, vleAudio); }
void TMainForm::btnAdvancedClick(TObject*) { ToggleEditorGroup(btnAdvanced, vleAdvanced); }

// The output editor's values are the task row's own: none of them is shown grey.
void TMainForm::vleOutputDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                  TGridDrawState State) {
  DrawProfileCell(vleOutput, ACol, ARow, Rect, State, false);
}

void TMainForm::vleVideoDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                 TGridDrawState State) {
  DrawProfileCell(vleVideo, ACol, ARow, Rect, State, true);
}

void TMainForm::vleAudioDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                 TGridDrawState State) {
  DrawProfileCell(vleAudio, ACol, ARow, Rect, State, true);
}

void TMainForm::vleAdvancedDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                    TGridDrawState State) {
  DrawProfileCell(vleAdvanced, ACol, ARow, Rect, State, true);
}

void TMainForm::vleVideoStringsChange(TObject*) {
  if (converter::OpensCustomSize(vleVideo->Keys(vleVideo->Row()),
                                 vleVideo->Values(converter::kVideoSizeKey)))
    SizeForm->Show();
}

void TMainForm::vleVideoMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  RefreshEditors(this);
}

// The output values belong to a task row: without one there is nothing to edit.
void TMainForm::vleOutputMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  if (!vleOutput->Values("New Filename").empty()) {
    RefreshEditors(this);
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  converter::ShowBalloonTip(WindowFromPoint(cursor), TTI_INFO, "Tip:",
                            "Please select a file in Task List.");
  vleOutput->SetEditorMode(false);
}

void TMainForm::vleOutputClick(TObject*) { RefreshEditors(this); }
