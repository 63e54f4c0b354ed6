#include "explorer/FileListViewPopUp.h"

#include <shellapi.h>
#include <shlobj.h>

#include "explorer/FileListView.h"
#include "explorer/ShellHelpers.h"
#include "explorer/core/FileMenu.h"
#include "explorer/core/PathText.h"
#include "framework/ComObj.h"
#include "framework/Forms.h"

using namespace explorer;

TFileListViewPopUp::TFileListViewPopUp(TFileListView* list) : TPopupMenu(list), FList(list) {
  FSystemImages = NewSmallSystemImages(this);
  if (FSystemImages) SetImages(FSystemImages);
}

TFileListViewPopUp::~TFileListViewPopUp() = default;

TMenuItem* TFileListViewPopUp::AddMenuItem(TMenuItem* parent, const std::string& caption, int groupIndex,
                                           const std::string& name, int tag, TBitmap* bitmap) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  item->SetGroupIndex(groupIndex);
  item->SetName(name);
  item->SetTag(tag);
  item->OnClick = Handler(this, &TFileListViewPopUp::ItemClick);
  if (bitmap) item->SetBitmap(bitmap);
  parent->Add(item);
  return item;
}

void TFileListViewPopUp::BuildItems() {
  for (const TMenuEntry& e : MainMenuEntries())
    AddMenuItem(Items(), e.Caption, 0, e.Name, e.Tag, FPictures.Get(e.Bitmap));
  TMenuItem* sendTo = Items()->Items(kSendToMenuIndex);
  for (const TMenuEntry& e : SendToMenuEntries()) AddMenuItem(sendTo, e.Caption, 0, e.Name, e.Tag, FPictures.Get(e.Bitmap));
  AddSendToEntries();
}

void TFileListViewPopUp::AddSendToEntries() {
  FSendToList.clear();
  const std::string folder = GetSpecialFolderPath(CSIDL_SENDTO);
  if (folder.empty()) return;
  TMenuItem* sendTo = Items()->Items(kSendToMenuIndex);
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(JoinPath(folder, "*.LNK").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  int n = 0;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = JoinPath(folder, name);
    SHFILEINFOA info{};
    SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON);
    TMenuItem* item = AddMenuItem(sendTo, info.szDisplayName, 1, SendToEntryName(n), SendToEntryTag(n), nullptr);
    item->SetImageIndex(info.iIcon);
    FSendToList.push_back(path);
    ++n;
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

void TFileListViewPopUp::ItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  const TMenuCommand command = ItemCommand(item->Name(), item->Tag());
  switch (command.Action) {
    case TMenuAction::None: break;
    case TMenuAction::Open: FList->OpenItem(); break;
    case TMenuAction::View: FList->ViewFile(); break;
    case TMenuAction::Cut: FList->CutCopy(2); break;
    case TMenuAction::Copy: FList->CutCopy(0); break;
    case TMenuAction::Paste: FList->Paste(); break;
    case TMenuAction::Rename: FList->RenameSelected(); break;
    case TMenuAction::Delete: FList->DeleteItems(); break;
    case TMenuAction::Properties: FList->ShowProperties(); break;
    case TMenuAction::NewFolder: FList->NewFolder(); break;
    case TMenuAction::SendTo: FList->SendTo(command.Number); break;
    case TMenuAction::SendToShortcut:
      if (command.Number < static_cast<int>(FSendToList.size())) FList->SendToShellEntry(FSendToList[command.Number]);
      break;
  }
}

void TFileListViewPopUp::Popup(int x, int y) {
  TMenuState state;
  state.Selected = FList->SelCount();
  if (TListItem* selected = FList->Selected(); selected && selected->SubItems()->Count() > 4)
    state.Extension = UpperExtension(selected->SubItems()->Get(4));
  state.ClipboardFilled = !FList->ClipboardList().empty();
  state.DrivesListed = IsDrivesPath(FList->Directory());
  const TMenuEnabled enabled = MenuEnabled(state);
  for (size_t i = 0; i < enabled.Main.size(); ++i) Items()->Items(static_cast<int>(i))->SetEnabled(enabled.Main[i]);
  TMenuItem* sendTo = Items()->Items(kSendToMenuIndex);
  for (size_t i = 0; i < enabled.SendTo.size(); ++i) sendTo->Items(static_cast<int>(i))->SetEnabled(enabled.SendTo[i]);
  TPopupMenu::Popup(x + 10, y + 10);
}

std::string GetSpecialFolderPath(int csidl) {
  IMalloc* malloc = nullptr;
  if (FAILED(SHGetMalloc(&malloc))) return "";
  std::string path;
  LPITEMIDLIST list = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) {
    char buffer[MAX_PATH] = {};
    if (SHGetPathFromIDListA(list, buffer)) path = buffer;
    malloc->Free(list);
  }
  malloc->Release();
  return path;
}

std::string ResolveShortcut(const std::string& linkPath) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return "";
  std::string target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    char buffer[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(WidePath(linkPath).c_str(), 0)) && SUCCEEDED(link->Resolve(Application->Handle(), SLR_ANY_MATCH)) &&
        SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, 0)))
      target = buffer;
    file->Release();
  }
  link->Release();
  return target;
}
