// The main window's commands on single videos: the popup menus, Play, "Open the directory",
// Rename and Delete on either side.
#include <windows.h>

#include "converter/ShellOpen.h"
#include "manager/MainForm.h"
#include "manager/Rename.h"
#include "manager/VideoFiles.h"
#include "manager/core/ConsoleNames.h"
#include "manager/core/ConsolePaths.h"

using manager::TVideoSide;

void TMainForm::BuildPopupMenus() {
  struct Entry {
    TMenuItem** item;  // null for a separator
    const char* name;
    const char* caption;
    void (TMainForm::*click)(TObject*);
  };
  const auto build = [this](TPopupMenu*& menu, const char* name, std::initializer_list<Entry> entries) {
    menu = new TPopupMenu(this);
    menu->SetName(name);
    for (const Entry& e : entries) {
      TMenuItem* item = new TMenuItem(this);
      item->SetName(e.name);
      item->SetCaption(e.item ? e.caption : "-");
      if (e.item) {
        item->OnClick = Handler(this, e.click);
        *e.item = item;
      }
      menu->Items()->Add(item);
    }
  };
  build(PopupMenu1, "PopupMenu1",
        {{&Play1, "Play1", "Play", &TMainForm::Play1Click},
         {&Openthedirectory1, "Openthedirectory1", "Open the directory",
          &TMainForm::Openthedirectory1Click},
         {nullptr, "N1", nullptr, nullptr},
         {&Move1, "Move1", "Move to PSP", &TMainForm::Move1Click},
         {&Copy1, "Copy1", "Copy to PSP", &TMainForm::Copy1Click},
         {nullptr, "N2", nullptr, nullptr},
         {&Rename1, "Rename1", "Rename", &TMainForm::Rename1Click},
         {&Delete1, "Delete1", "Delete", &TMainForm::Delete1Click}});
  build(PopupMenu2, "PopupMenu2",
        {{&Play2, "Play2", "Play", &TMainForm::Play2Click},
         {&Openthedirectory2, "Openthedirectory2", "Open the directory",
          &TMainForm::Openthedirectory2Click},
         {nullptr, "N3", nullptr, nullptr},
         {&Move2, "Move2", "Move to PC", &TMainForm::Move2Click},
         {&Copy2, "Copy2", "Copy to PC", &TMainForm::Copy2Click},
         {nullptr, "N4", nullptr, nullptr},
         {&Rename2, "Rename2", "Rename", &TMainForm::Rename2Click},
         {&Delete2, "Delete2", "Delete", &TMainForm::Delete2Click}});
}

const std::string& TMainForm::ConsoleFolder() {
  return FPSPFolder = manager::AddBackslash(FPSPRoot + FPSPSubFolder);
}

// Without a whole folder (no drive chosen, no PC folder listed) the rows name no file.
void TMainForm::PlaySelected(TListView* list, const std::string& folder) {
  if (!manager::IsAbsolutePath(folder)) return;
  if (TListItem* row = list->Selected()) converter::OpenWithShell(folder + row->Caption());
}

void TMainForm::OpenFolder(const std::string& folder) {
  if (manager::IsAbsolutePath(folder)) converter::OpenWithShell(folder);
}

void TMainForm::Play1Click(TObject*) {
  if (!ltvPC->Selected()) return;
  FPCFolder = manager::AddBackslash(FPCFolder);
  PlaySelected(ltvPC, FPCFolder);
}

void TMainForm::Play2Click(TObject*) {
  if (ltvPSP->Selected()) PlaySelected(ltvPSP, ConsoleFolder());
}

void TMainForm::ltvPCDblClick(TObject*) { Play1->Click(); }

void TMainForm::ltvPSPDblClick(TObject*) { Play2->Click(); }

void TMainForm::Openthedirectory1Click(TObject*) { OpenFolder(FPCFolder); }

void TMainForm::Openthedirectory2Click(TObject*) { OpenFolder(ConsoleFolder()); }

void TMainForm::StartRename(TListView* list, TVideoSide side, const std::string& folder) {
  if (!manager::IsAbsolutePath(folder)) return;  // no drive chosen: the rows name no file
  if (TListItem* row = list->Selected()) RenameForm->StartRename(side, folder + row->Caption());
}

void TMainForm::Rename1Click(TObject*) {
  StartRename(ltvPC, TVideoSide::PC, manager::AddBackslash(FPCFolder));
}

void TMainForm::btnRenameClick(TObject*) {
  StartRename(ltvPSP, TVideoSide::PSP, ConsoleFolder());
}

void TMainForm::Rename2Click(TObject*) { btnRename->Click(); }

// Each selected video with its thumbnail, without a question. A video that cannot be deleted
// keeps its thumbnail; the refreshed list shows it, and a box then tells why.
std::vector<std::string> TMainForm::DeleteSelected(TListView* list, const std::string& folder) {
  std::vector<std::string> problems;
  if (!manager::IsAbsolutePath(folder)) return problems;  // no drive chosen: the rows name no file
  manager::TPlatformTransferFiles files;
  for (int i = 0; i < list->Items()->Count(); ++i) {
    TListItem* row = list->Items()->Item(i);
    if (!row->Selected()) continue;
    const std::string video = folder + row->Caption();
    if (files.Delete(video))
      files.Delete(manager::ThumbnailOf(video));
    else
      problems.push_back(row->Caption() + ": " + files.LastError());
  }
  return problems;
}

void TMainForm::ShowDeleteProblems(const std::vector<std::string>& problems) {
  if (!problems.empty())
    Application->MessageBox("Not every video could be deleted." + manager::ProblemLines(problems),
                            "Delete", MB_ICONWARNING);
}

void TMainForm::Delete1Click(TObject*) {
  FPCFolder = manager::AddBackslash(FPCFolder);
  const std::vector<std::string> problems = DeleteSelected(ltvPC, FPCFolder);
  btnRefreshPC->Click();
  StatusBar1->Panels()->Items(0)->SetText("");
  ShowDeleteProblems(problems);
}

void TMainForm::btnDeleteClick(TObject*) {
  const std::vector<std::string> problems = DeleteSelected(ltvPSP, ConsoleFolder());
  btnRefreshPSP->Click();
  StatusBar1->Panels()->Items(2)->SetText("");
  ShowDeleteProblems(problems);
}

void TMainForm::Delete2Click(TObject*) { btnDelete->Click(); }
