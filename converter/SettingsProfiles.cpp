// The Settings dialog's Profiles page: the chosen profile in its own editors, saved back into
// its file or into a copy.
#include "converter/MainForm.h"
#include "converter/ProfileGrids.h"
#include "converter/Settings.h"
#include "converter/core/NewInifiles.h"
#include "converter/core/Profiles.h"

namespace {

TProfileGrids GridsOf(const TSettingForm* form) {
  return {form->vleVideo, form->vleAudio, form->vleAdvanced};
}

}  // namespace

void TSettingForm::LoadProfile(const std::string& path) {
  if (const std::optional<converter::TLoadedProfile> profile = converter::LoadProfile(path))
    ShowProfileEditors(GridsOf(this), profile->Editors);
}

void TSettingForm::SaveProfile(const std::string& path) {
  converter::SaveProfile(path, ProfileEditorsOf(GridsOf(this)));
}

void TSettingForm::SaveProfileAs(const std::string& source, const std::string& newPath) {
  converter::SaveProfileAs(source, newPath, ProfileEditorsOf(GridsOf(this)));
}

void TSettingForm::cmbProfileChange(TObject*) {
  const std::string path = converter::ProfilePath(MainForm->ProgramFolder(), cmbProfile->Text());
  LoadProfile(path);
  ReportProfileProblem(converter::ProfileProblem(cmbProfile->Text(), path));
}

// The profile lists are not filled again: a copy saved among the profiles is listed from the
// next start on. A copy that cannot be made leaves the file chosen as it was, and says why.
void TSettingForm::btnSaveAsClick(TObject*) {
  if (!SaveDialog1->Execute()) return;
  try {
    SaveProfileAs(converter::ProfilePath(MainForm->ProgramFolder(), cmbProfile->Text()),
                  SaveDialog1->FileName());
  } catch (const converter::EFCreateError& e) {
    Application->MessageBox(
        "The profile could not be saved as " + SaveDialog1->FileName() + ".\n" + e.what(),
        "Save as", MB_ICONWARNING);
  }
}

void TSettingForm::btnVideoClick(TObject*) { ToggleEditorGroup(btnVideo, vleVideo); }
void TSettingForm::btnAudioClick(TObject*) { ToggleEditorGroup(btnAudio, vleAudio); }
void TSettingForm::btnAdvancedClick(TObject*) { ToggleEditorGroup(btnAdvanced, vleAdvanced); }

void TSettingForm::vleVideoDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                    TGridDrawState State) {
  DrawProfileCell(vleVideo, ACol, ARow, Rect, State, true);
}

void TSettingForm::vleAudioDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                    TGridDrawState State) {
  DrawProfileCell(vleAudio, ACol, ARow, Rect, State, true);
}

void TSettingForm::vleAdvancedDrawCell(TObject*, int ACol, int ARow, const TRect& Rect,
                                       TGridDrawState State) {
  DrawProfileCell(vleAdvanced, ACol, ARow, Rect, State, true);
}

void TSettingForm::vleVideoMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  RefreshProfileEditors({vleVideo, vleAudio, vleAdvanced});
}
