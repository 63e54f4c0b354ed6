// The main window's two video lists: finding the console, filling a list, the summary.
#include <windows.h>

#include "converter/ShellBrowseForFolder.h"
#include "manager/MainForm.h"
#include "manager/VideoFiles.h"
#include "manager/core/ConsoleDetection.h"
#include "manager/core/ConsolePaths.h"
#include "manager/core/VideoSizes.h"

namespace {

constexpr DWORD kShowRowsEveryMs = 100;

char UserDecimalSeparator() {
  char separator[4] = ".";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return separator[0];
}

}  // namespace

bool TMainForm::DetectPSP() {
  manager::TPlatformDriveProbe drives;
  const std::optional<std::string> root = manager::FindConsoleRoot(drives);
  if (!root) return false;
  FPSPRoot = *root;
  cmbPSP->SetSelectedPath(*root);
  cmbPSP->SetText("(" + root->substr(0, 2) + ")");
  if (cmbPSP->OnPathChange) cmbPSP->OnPathChange(cmbPSP, cmbPSP->SelectedPath());
  return true;
}

bool TMainForm::CheckPSPConnection() {
  manager::TPlatformDriveProbe drives;
  if (manager::IsConsoleRoot(FPSPRoot, drives)) return true;
  const int answer = Application->MessageBox(
      "Please connect your PSP to the computer and select the proper drive.\n\r"
      "Click \"Yes\" to detect the PSP automatically.",
      "PSP Connection", MB_YESNO | MB_ICONINFORMATION);
  return answer == IDYES && DetectPSP();
}

void TMainForm::RefreshPSPList() {
  FPSPSubFolder = manager::ConsoleVideoFolder(cmbType->ItemIndex());
  FPSPRoot = manager::DriveRootOf(cmbPSP->SelectedPath());
  // Without a drive the folder is relative, which the fill leaves alone.
  FillVideoList(FPSPRoot + FPSPSubFolder, ltvPSP, imlPSP);
}

void TMainForm::FillVideoList(const std::string& folder, TListView* list, TImageList* images) {
  manager::TPlatformDriveProbe drives;
  if (!manager::IsAbsolutePath(folder) || !drives.FolderExists(folder)) return;
  const unsigned fill = ++FillsOf(list);
  list->Items()->Clear();
  images->Clear();
  (list == ltvPC ? FPCFolder : FPSPFolder) = folder;
  const std::string path = manager::AddBackslash(folder);
  const char separator = UserDecimalSeparator();
  // Wine redraws the scroll bar of a shown list at every row added, which costs ten times the
  // row: the list draws nothing while rows come and shows them every kShowRowsEveryMs.
  TListItems* rows = list->Items();
  rows->BeginUpdate();
  DWORD shown = GetTickCount();
  for (const std::string& name : manager::VideoFileNames(manager::ListFolder(path))) {
    if (GetTickCount() - shown >= kShowRowsEveryMs) {
      rows->EndUpdate();
      rows->BeginUpdate();
      shown = GetTickCount();
    }
    Application->ProcessMessages();
    if (FillsOf(list) != fill || Application->Terminated()) break;
    const std::vector<std::string> thumbnails = manager::ThumbnailCandidates(
        path, name, FProgramFolder, [](const std::string& file) { return FileExists(file); });
    const std::optional<std::uint64_t> size = manager::FileSizeOf(path + name);
    // A video gone or unreadable since the folder was listed is left out; the rest still come.
    if (thumbnails.empty() || !size) continue;
    AddVideoRow(list, images, name, manager::FileSizeMB(*size, separator), thumbnails);
  }
  rows->EndUpdate();
  labPCNum->SetCaption(IntToStr(ltvPC->Items()->Count()));
  labPSPNum->SetCaption(IntToStr(ltvPSP->Items()->Count()));
}

void TMainForm::AddVideoRow(TListView* list, TImageList* images, const std::string& name,
                            const std::string& sizeText,
                            const std::vector<std::string>& thumbnails) {
  TCanvas* canvas = imgPreview->Canvas();
  const RECT whole{0, 0, imgPreview->Width(), imgPreview->Height()};
  if (!manager::DrawThumbnail(thumbnails, canvas, whole)) {
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(whole);
  }
  const int image = images->Add(imgPreview->Picture()->Bitmap(), nullptr);
  TListItem* row = list->Items()->Add();
  row->SetCaption(name);
  row->SubItems()->Add(sizeText);
  row->SetImageIndex(image);
}

void TMainForm::btnRefreshPCClick(TObject*) { FillVideoList(edtPath->Text(), ltvPC, imlPC); }

void TMainForm::edtPathKeyPress(TObject*, char& Key) {
  if (Key != '\r') return;
  Key = 0;  // no beep: Enter has done its work
  FillVideoList(edtPath->Text(), ltvPC, imlPC);
}

void TMainForm::btnBrowseClick(TObject*) {
  if (!converter::BrowseForFolder(Handle(), "Select the video directory.", FPCFolder)) return;
  FillVideoList(FPCFolder, ltvPC, imlPC);
  edtPath->SetText(FPCFolder);
}

void TMainForm::btnRefreshPSPClick(TObject*) {
  if (CheckPSPConnection())
    RefreshPSPList();
  else
    Application->MessageBox("No PSP is connected.", "Please connect your PSP", MB_ICONINFORMATION);
}

void TMainForm::cmbPSPPathChange(TObject*, const std::string&) { RefreshPSPList(); }

void TMainForm::cmbTypeChange(TObject*) { RefreshPSPList(); }

void TMainForm::ShowSelectionSummary(TListView* list, int panel) {
  std::vector<std::string> sizes;
  for (int i = 0; i < list->Items()->Count(); ++i)
    if (TListItem* row = list->Items()->Item(i); row->Selected())
      sizes.push_back(row->SubItems()->Strings(0));
  if (sizes.empty()) return;
  StatusBar1->Panels()->Items(panel)->SetText(
      manager::SelectionSummary(sizes, UserDecimalSeparator()));
}

void TMainForm::ltvPCClick(TObject*) { ShowSelectionSummary(ltvPC, 0); }

void TMainForm::ltvPSPClick(TObject*) { ShowSelectionSummary(ltvPSP, 2); }
