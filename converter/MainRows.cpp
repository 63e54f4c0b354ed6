// The task rows: adding inputs (open dialog, folder, command line, drop), removing, moving and
// editing them.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "converter/DroppedFiles.h"
#include "converter/MainForm.h"
#include "converter/ProbeInputFile.h"
#include "converter/ShellBrowseForFolder.h"
#include "converter/ShellFileList.h"
#include "converter/core/AddedInputs.h"
#include "converter/core/CommandLineInputs.h"
#include "converter/core/FileTypes.h"
#include "common/core/FileNames.h"
#include "converter/core/RowMoves.h"
#include "converter/core/ShownText.h"
#include "converter/core/TaskColumns.h"
#include "common/core/TextCase.h"

using converter::ltvItemData;

namespace {

const char* const kNewFilename = "New Filename";
const char* const kStartTime = "Start Time";
const char* const kEndTime = "End Time";
const char* const kTitle = "Title";

// The supported files of a folder, sorted by name.
std::vector<std::string> FolderInputs(const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& extension : converter::InputExtensions()) {
    const std::vector<std::string> found = converter::ListFilesWithExtension(folder, extension);
    names.insert(names.end(), found.begin(), found.end());
  }
  std::sort(names.begin(), names.end(), common::LessText);
  return names;
}

std::vector<bool> SelectedRows(const TListItems* items) {
  std::vector<bool> selected;
  for (int i = 0; i < items->Count(); ++i) selected.push_back(items->Item(i)->Selected());
  return selected;
}

// A list file that cannot be read names no inputs.
std::string ReadListFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

ltvItemData TMainForm::GetTaskData(int row) const {
  const TListItem* item = ltvTask->Items()->Item(row);
  ltvItemData data;
  data.Caption = item->Caption();
  for (int i = 0; i < converter::TaskSubItemCount && i < item->SubItems()->Count(); ++i)
    data.SubItems[i] = item->SubItems()->Strings(i);
  return data;
}

void TMainForm::SetTaskData(int row, const ltvItemData& data) {
  TListItem* item = ltvTask->Items()->Item(row);
  item->SetCaption(data.Caption);
  TStrings* subItems = item->SubItems();
  subItems->BeginUpdate();
  while (subItems->Count() < converter::TaskSubItemCount) subItems->Add("");
  for (int i = 0; i < converter::TaskSubItemCount; ++i) subItems->SetStrings(i, data.SubItems[i]);
  subItems->EndUpdate();
}

void TMainForm::SetProfileDetailValue(int editor, const std::string& key,
                                      const std::string& value) {
  TValueListEditor* const editors[] = {vleOutput, vleVideo, vleAudio, vleAdvanced};
  if (editor >= 0 && editor < 4) editors[editor]->SetValues(key, value);
}

void TMainForm::EnableRowCommands(bool enabled) {
  for (TToolButton* b : {tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart}) b->SetEnabled(enabled);
}

void TMainForm::ClearOutputEditor() {
  FEditInput.clear();
  for (const char* key : {kNewFilename, kStartTime, kEndTime}) SetProfileDetailValue(0, key, "");
}

bool TMainForm::RefuseInput(const std::string& path) {
  const std::string problem = converter::InputProblem(path);
  if (!problem.empty()) FInputsNotAdded.push_back(path + ": " + problem);
  return !problem.empty();
}

void TMainForm::ReportInputsNotAdded() {
  if (FInputsNotAdded.empty()) return;
  const std::string text = converter::InputsNotAddedText(FInputsNotAdded);
  FInputsNotAdded.clear();
  Application->MessageBox(text, "Files not added", MB_ICONINFORMATION);
}

void TMainForm::InputsAdded() {
  if (ltvTask->Items()->Count() > 0) EnableRowCommands(true);
  ReportInputsNotAdded();
}

void TMainForm::AddFileToTaskList(const std::string& path) {
  panbg->SetVisible(false);
  // A relative name would follow the current folder, which the open dialog moves, and could not
  // be told from an output of the same name.
  const std::string input = ExpandFileName(path);
  if (RefuseInput(input)) return;
  if (converter::HasInput(ltvTask->Items()->Captions(), input)) return;
  const converter::ProbeResult probe = converter::ProbeInputFile(FEncoderPath, input);
  ltvTask->Items()->Add();
  // No cell of the row is drawn as mark-up: the probe gives only a time text and a frame size,
  // and a full path cannot hold "<" or begin with "{".
  SetTaskData(ltvTask->Items()->Count() - 1, converter::NewTaskRow(input, probe, FProfileExt));
}

void TMainForm::AddFolderToTaskList(const std::string& folder) {
  // Full paths: a name that is short only relative to the current folder may be too long.
  const std::string full = common::AddBackslash(ExpandFileName(folder));
  for (const std::string& name : FolderInputs(full)) {
    Application->ProcessMessages();
    if (FCloseRequested) return;
    AddFileToTaskList(full + name);
  }
}

void TMainForm::AddCommandLineInputs() {
  const std::vector<std::string> arguments(__argv + 1, __argv + __argc);
  // The window is shown: each row shows as soon as its input is probed.
  FAddingInputs = true;
  Screen->SetCursor(crHourGlass);
  for (const std::string& input : converter::CommandLineInputs(arguments, ReadListFile)) {
    Application->ProcessMessages();
    if (FCloseRequested) break;
    if (RefuseInput(input)) continue;
    if (FileExists(input)) {
      if (converter::HasSupportedExtension(input)) AddFileToTaskList(input);
    } else if (DirectoryExists(input)) {
      AddFolderToTaskList(input);
    }
  }
  Screen->SetCursor(crDefault);
  FAddingInputs = false;
  if (FCloseRequested) {
    Close();
    return;
  }
  InputsAdded();
}

void TMainForm::tbtnAddFileClick(TObject*) {
  if (OpenDialog1->Execute()) {
    // The dialog names the file chosen last first.
    TStrings* files = OpenDialog1->Files();
    for (int i = 1; i < files->Count(); ++i) AddFileToTaskList(files->Strings(i));
    AddFileToTaskList(files->Strings(0));
    if (ltvTask->Items()->Count() == 1) {
      ltvTask->SetSelected(ltvTask->Items()->Item(0));
      ltvTaskClick(ltvTask);
    }
  }
  ltvTask->SetFocus();
  InputsAdded();
}

void TMainForm::tbtnAddDirClick(TObject*) {
  std::string folder;
  if (converter::BrowseForFolder(Handle(), "Add a directory to the Task List", folder))
    AddFolderToTaskList(folder);
  ltvTask->SetFocus();
  InputsAdded();
}

void TMainForm::WMDropFiles(TMessage& Message) {
  const HDROP drop = reinterpret_cast<HDROP>(Message.WParam);
  if (ltvTask->Enabled()) {
    for (const std::string& name : converter::DroppedFileNames(drop)) {
      if (RefuseInput(name)) continue;
      if (DirectoryExists(name))
        AddFolderToTaskList(name);
      else if (converter::HasSupportedExtension(name))
        AddFileToTaskList(name);
    }
    if (ltvTask->Items()->Count() > 0) EnableRowCommands(true);
  }
  DragFinish(drop);
  ReportInputsNotAdded();
}

void TMainForm::tbtnRemoveClick(TObject*) {
  for (int i = ltvTask->Items()->Count() - 1; i >= 0; --i)
    if (ltvTask->Items()->Item(i)->Selected()) ltvTask->Items()->Delete(i);
  ClearOutputEditor();
  if (ltvTask->Items()->Count() == 0) EnableRowCommands(false);
}

void TMainForm::tbtnClearClick(TObject*) {
  ltvTask->Items()->Clear();
  ClearOutputEditor();
  EnableRowCommands(false);
}

void TMainForm::MoveSelectedRows(bool up) {
  std::vector<bool> selected = SelectedRows(ltvTask->Items());
  const auto swapRows = [this](int a, int b) {
    const ltvItemData first = GetTaskData(a);
    SetTaskData(a, GetTaskData(b));
    SetTaskData(b, first);
  };
  if (up)
    converter::MoveSelectedUp(selected, swapRows);
  else
    converter::MoveSelectedDown(selected, swapRows);
  for (int i = 0; i < static_cast<int>(selected.size()); ++i)
    ltvTask->Items()->Item(i)->SetSelected(selected[i]);
}

void TMainForm::tbtnUpClick(TObject*) { MoveSelectedRows(true); }

void TMainForm::tbtnDownClick(TObject*) { MoveSelectedRows(false); }

void TMainForm::ltvTaskClick(TObject*) {
  // A value typed but not yet confirmed belongs to the row shown so far.
  vleOutput->FinishEdit();
  const TListItem* selected = ltvTask->Selected();
  if (!selected) {
    ClearOutputEditor();
    SetProfileDetailValue(3, kTitle, "");
    return;
  }
  vleOutput->SetTag(3);
  const ltvItemData row = GetTaskData(selected->Index());
  FEditInput = row.Caption;
  SetProfileDetailValue(0, kNewFilename, row.SubItems[converter::siOutputName] + FProfileExt);
  SetProfileDetailValue(0, kStartTime, row.SubItems[converter::siStart]);
  SetProfileDetailValue(0, kEndTime, row.SubItems[converter::siEnd]);
  SetProfileDetailValue(3, kTitle, row.SubItems[converter::siTitle]);
}

void TMainForm::ltvTaskSelectItem(TObject* Sender, TListItem*, bool) { ltvTaskClick(Sender); }

void TMainForm::ltvTaskMouseMove(TObject*, TShiftState, int X, int Y) {
  const TListItem* item = ltvTask->GetItemAt(X, Y);
  const int row = item ? item->Index() : -1;
  // Asked each time: a run, a move or a removal may have changed the row under the pointer.
  const std::string hint =
      row < 0 ? "" : converter::HintText(GetTaskData(row).SubItems[converter::siFailure]);
  if (row == FHintRow && hint == ltvTask->Hint()) return;
  // The hint shown belongs to the row left behind; the next move starts the new row's.
  FHintRow = row;
  Application->CancelHint();
  ltvTask->SetHint(hint);
}

void TMainForm::ppmTaskPopup(TObject*) {
  TMenuItem* items = ppmTask->Items();
  const bool anySelected = ltvTask->SelCount() > 0;
  items->Items(0)->SetEnabled(anySelected);  // Open
  items->Items(5)->SetEnabled(anySelected);  // Remove
  items->Items(6)->SetEnabled(ltvTask->Items()->Count() > 0);  // Clear
}

void TMainForm::ltvTaskKeyDown(TObject*, WORD& Key, TShiftState) {
  if (Key == VK_BACK)
    tbtnClearClick(ltvTask);
  else if (Key == VK_DELETE)
    tbtnRemoveClick(ltvTask);
}

void TMainForm::ltvTaskResize(TObject*) {
  // The tag holds the width the columns were last fitted to.
  const int width = ltvTask->Width();
  const int fitted = static_cast<int>(ltvTask->Tag());
  if (width == fitted) return;
  std::array<int, 4> widths;
  for (int i = 0; i < 4; ++i) widths[i] = ltvTask->Columns()->Items(i)->Width();
  widths = converter::ResizedColumnWidths(widths, width - fitted);
  ltvTask->SetTag(width);
  for (int i = 0; i < 4; ++i) ltvTask->Columns()->Items(i)->SetWidth(widths[i]);
}

void TMainForm::vleOutputValidate(TObject*, int, int, const std::string&, const std::string&) {
  int index = ltvTask->Items()->Count() - 1;
  while (index >= 0 && ltvTask->Items()->Item(index)->Caption() != FEditInput) --index;
  if (FEditInput.empty() || index < 0) return;
  ltvItemData row = GetTaskData(index);
  const std::string name = vleOutput->Values(kNewFilename);
  converter::ApplyOutputEdit(row, name, vleOutput->Values(kStartTime), vleOutput->Values(kEndTime));
  SetTaskData(index, row);
  // A refused value shows the row's own again at once; a refused name is also explained.
  SetProfileDetailValue(0, kStartTime, row.SubItems[converter::siStart]);
  SetProfileDetailValue(0, kEndTime, row.SubItems[converter::siEnd]);
  if (const std::string refusal = converter::RefusedNameMessage(name); !refusal.empty()) {
    SetProfileDetailValue(0, kNewFilename, row.SubItems[converter::siOutputName] + FProfileExt);
    Application->MessageBox(refusal, "Incorrect File Name", MB_ICONINFORMATION);
  }
}
