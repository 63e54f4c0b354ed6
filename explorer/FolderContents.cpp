#include "explorer/FolderContents.h"

#include <algorithm>
#include <vector>

#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FolderTree.h"
#include "framework/ExtCtrls.h"

using namespace explorer;

namespace {

TPanel* NewPlainPanel(TComponent* owner, TWinControl* parent, TAlign align, int width) {
  auto* panel = new TPanel(owner);
  panel->SetParent(parent);
  panel->SetAlign(align);
  panel->SetBevelOuter(bvNone);
  panel->SetCaption("");
  panel->SetTabStop(false);
  panel->SetBounds(0, 0, width, 22);
  return panel;
}

}  // namespace

TFolderContents::TFolderContents(TWinControl* tree, const std::string& folder) : TForm(tree) {
  SetParent(tree);
  SetAlign(alClient);
  SetBorderStyle(bsSizeToolWin);
  SetBorderIcons(0);
  SetTabStop(false);
  SetFormStyle(fsStayOnTop);

  TPanel* bottom = NewPlainPanel(this, this, alBottom, Width());
  TPanel* right = NewPlainPanel(this, bottom, alRight, 80);
  btnOK = new TBitBtn(this);
  btnOK->SetName("btnOK");
  btnOK->SetParent(right);
  btnOK->SetBounds(1, 1, 60, 22);
  btnOK->SetKind(bkOK);
  btnOK->SetCaption("&OK");
  btnOK->SetLayout(blGlyphLeft);
  btnOK->SetTabStop(true);
  btnOK->OnClick = Handler(this, &TFolderContents::ContentsOKClick);

  lvwFiles = new TListView(this);
  lvwFiles->SetName("lvwFiles");
  lvwFiles->SetParent(this);
  lvwFiles->SetAlign(alClient);
  lvwFiles->SetViewStyle(vsList);
  lvwFiles->SetHideSelection(false);
  lvwFiles->SetHint(kContentsHint);
  lvwFiles->SetShowHint(true);
  lvwFiles->SetTabStop(true);
  lvwFiles->OnDblClick = Handler(this, &TFolderContents::ContentsDblClick);
  lvwFiles->SetSmallImages(NewSmallSystemImages(lvwFiles));
  AddFiles(folder);
}

void TFolderContents::AddFiles(const std::string& folder) {
  TWaitCursor wait;
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((AddSlash(folder) + "*.*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
  }
  // By name as the platform orders words, the order the list keeps for its rows.
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) < 0; });
  lvwFiles->Items()->BeginUpdate();
  for (const std::string& name : names) {
    const std::string path = JoinPath(folder, name);
    TListItem* item = lvwFiles->Items()->Add();
    item->SetCaption(name);
    item->SetImageIndex(GetSmallIconIndex(path));
    item->SubItems()->Add(path);
  }
  lvwFiles->Items()->EndUpdate();
  if (lvwFiles->Items()->Count() > 0) lvwFiles->SetItemFocused(lvwFiles->Items()->Item(0));
}

void TFolderContents::ContentsDblClick(TObject*) {
  // Hidden meanwhile, so that the program the shell starts is not covered by it.
  if (TListItem* item = lvwFiles->Selected()) {
    Hide();
    const std::string path = item->SubItems()->Strings(0);
    ExecuteFile("Open", path, "", path.substr(0, path.find_last_of('\\') + 1), SW_SHOW);
  }
  Show();
}

void TFolderContents::ContentsOKClick(TObject*) {
  TListItem* item = lvwFiles ? lvwFiles->Selected() : nullptr;
  const std::string file = item ? item->SubItems()->Strings(0) : std::string();
  TObject::FreeAndNil(lvwFiles);
  Close();
  if (OnOK) OnOK(file);
}
