// The main window's two video lists: finding the console, filling a list, the summary.
#include <windows.h>

#include "converter/ShellBrowseForFolder.h"
#include "manager/MainForm.h"
#include "manager/VideoFiles.h"
#include "manager/core/ConsoleDetection.h"
#include "manager/core/ConsolePaths.h"
#include "manager/core/VideoSizes.h"

namespace {

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
  const std::string folder = FPSPRoot + FPSPSubFolder;
  manager::TPlatformDriveProbe drives;
  if (manager::IsConsoleRoot(FPSPRoot, drives) && FillVideoList(folder, ltvPSP, imlPSP)) return;
  // No rows of another folder or drive stay: they would name files that are not there.
  TVideoList::TFill(VideosOf(ltvPSP, imlPSP), "").Finish();
  labPSPNum->SetCaption("0");
}

bool TMainForm::FillVideoList(const std::string& folder, TListView* list, TImageList* images) {
  manager::TPlatformDriveProbe drives;
  if (!manager::IsAbsolutePath(folder) || !drives.FolderExists(folder)) return false;
  const std::string path = manager::AddBackslash(folder);
  TVideoList::TFill fill(VideosOf(list, images), path);
  (list == ltvPC ? FPCFolder : FPSPFolder) = folder;
  const char separator = UserDecimalSeparator();
  // The window answers while the fill goes on, looking at its messages often enough for a
  // click to be felt at once and no more: each look costs Wine a call to its server.
  constexpr DWORD kLookAtMessagesEveryMs = 15;
  DWORD lookedAt = GetTickCount() - kLookAtMessagesEveryMs;
  for (const std::string& name : manager::VideoFileNames(manager::ListFolder(path))) {
    if (GetTickCount() - lookedAt >= kLookAtMessagesEveryMs) {
      Application->ProcessMessages();
      lookedAt = GetTickCount();
    }
    if (fill.Overtaken() || Application->Terminated()) break;
    const std::vector<std::string> thumbnails = manager::ThumbnailCandidates(
        path, name, FProgramFolder, [](const std::string& file) { return FileExists(file); });
    const std::optional<manager::TFileStamp> video = manager::FileStampOf(path + name);
    // A video gone or unreadable since the folder was listed is left out; the rest still come.
    if (thumbnails.empty() || !video) continue;
    manager::TVideoLook look{manager::FileSizeMB(video->Size, separator), {}};
    for (const std::string& thumbnail : thumbnails)
      if (const std::optional<manager::TFileStamp> stamp = manager::FileStampOf(thumbnail))
        look.Thumbnails.push_back(*stamp);
    fill.Show(name, look, [&] { return VideoPicture(thumbnails); });
  }
  if (!fill.Overtaken()) fill.Finish();
  labPCNum->SetCaption(IntToStr(ltvPC->Items()->Count()));
  labPSPNum->SetCaption(IntToStr(ltvPSP->Items()->Count()));
  return true;
}

TVideoList& TMainForm::VideosOf(TListView* list, TImageList* images) {
  std::unique_ptr<TVideoList>& videos = list == ltvPC ? FPCVideos : FPSPVideos;
  if (!videos) videos = std::make_unique<TVideoList>(list, images);
  return *videos;
}

TBitmap* TMainForm::VideoPicture(const std::vector<std::string>& thumbnails) {
  TCanvas* canvas = imgPreview->Canvas();
  const RECT whole{0, 0, imgPreview->Width(), imgPreview->Height()};
  if (!manager::DrawThumbnail(thumbnails, canvas, whole)) {
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(whole);
  }
  return imgPreview->Picture()->Bitmap();
}

void TMainForm::RefreshPCList() {
  const std::string folder = edtPath->Text();
  // At start-up a saved Path that is gone leaves the list empty quietly.
  if (!FillVideoList(folder, ltvPC, imlPC) && Showing())
    Application->MessageBox("The Path \"" + folder + "\" is not a folder.", "Refresh",
                            MB_ICONINFORMATION);
}

void TMainForm::RefreshPCFolder() { FillVideoList(FPCFolder, ltvPC, imlPC); }

bool TMainForm::PathShowsPCList() {
  return manager::IsAbsolutePath(FPCFolder) &&
         SameFile(manager::AddBackslash(edtPath->Text()), manager::AddBackslash(FPCFolder));
}

void TMainForm::btnRefreshPCClick(TObject*) { RefreshPCList(); }

void TMainForm::edtPathKeyPress(TObject*, char& Key) {
  if (Key != '\r') return;
  Key = 0;  // no beep: Enter has done its work
  RefreshPCList();
}

void TMainForm::btnBrowseClick(TObject*) {
  if (!converter::BrowseForFolder(Handle(), "Select the video directory.", FPCFolder)) return;
  RefreshPCFolder();
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
