#include "explorer/FileListView.h"

#include <shellapi.h>

#include <utility>

#include "explorer/DirTree.h"
#include "explorer/DirTreeCombo.h"
#include "explorer/FileListViewPopUp.h"
#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FileMask.h"
#include "explorer/core/FileMenu.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"

using namespace explorer;

namespace {

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

// The framework's time formats as the locale gives them: "tt" is its AM/PM marker.
std::string FrameworkTime(bool withSeconds) {
  std::string pattern = LocaleText(LOCALE_STIMEFORMAT);
  if (auto tt = pattern.find("tt"); tt != std::string::npos) pattern.replace(tt, 2, "AMPM");
  if (!withSeconds)
    if (auto s = pattern.find(":ss"); s != std::string::npos) pattern.erase(s, 3);
  return pattern;
}

TListKey ListKeyOf(WORD key) {
  switch (key) {
    case 'A': return TListKey::A;
    case 'C': return TListKey::C;
    case 'X': return TListKey::X;
    case 'V': return TListKey::V;
    case 'F': return TListKey::F;
    case 'N': return TListKey::N;
    case 'O': return TListKey::O;
    case VK_BACK: return TListKey::Back;
    case VK_RETURN: return TListKey::Enter;
    case VK_ESCAPE: return TListKey::Escape;
    case VK_DELETE: return TListKey::Delete;
    case VK_F2: return TListKey::F2;
    case VK_F3: return TListKey::F3;
    case VK_F4: return TListKey::F4;
    case VK_F5: return TListKey::F5;
    default: return TListKey::Other;
  }
}

HBITMAP LoadMappedBitmap(const char* name) {
  return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

}  // namespace

TFileListView::TFileListView(TComponent* AOwner) : TCustomListView(AOwner) {
  SetMultiSelect(true);
  SetReadOnly(false);
  SetDateFormat(TDtFormat::df_Customize);
  SetTimeFormat(TTmFormat::tfShortFormat);
  SetHideSelection(false);
  CreateImageLists();
  SetViewStyle(vsReport);
  OnCompare = Handler(this, &TFileListView::CompareItems);
  OnColumnClick = Handler(this, &TFileListView::HandleColumnClick);
  FArrowUp = LoadMappedBitmap("Bmp_Up28");
  FArrowDown = LoadMappedBitmap("Bmp_Down28");
  SetShowColumnHeaders(true);
  FPopUp = new TFileListViewPopUp(this);
  FPopUp->BuildItems();
  FPopUp->SetAutoPopup(true);
  SetPopupMenu(FPopUp);
  FDirectory = kDrivesPath;
}

TFileListView::~TFileListView() {
  // A combo or tree still pointing here would fill a list that is gone.
  SetDirTreeCombo(nullptr);
  SetDirTree(nullptr);
  if (FArrowUp) DeleteObject(FArrowUp);
  if (FArrowDown) DeleteObject(FArrowDown);
}

void TFileListView::CreateImageLists() {
  SHFILEINFOA info{};
  auto shared = [this](HIMAGELIST list) {
    auto* images = new TImageList(this);
    images->SetShareImages(true);
    images->SetBkColor(clNone);
    images->SetHandle(list);
    return images;
  };
  if (auto large = reinterpret_cast<HIMAGELIST>(
          SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SHELLICONSIZE))) {
    FLargeImages = shared(large);
    SetLargeImages(FLargeImages);
  }
  if (auto small = reinterpret_cast<HIMAGELIST>(
          SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON))) {
    FSmallImages = shared(small);
    SetSmallImages(FSmallImages);
  }
}

void TFileListView::CreateWnd() {
  TCustomListView::CreateWnd();
  if (!(ComponentState() & csLoading)) BuildColumns(FolderColumns(FWidths));
}

void TFileListView::SetDateFormat(TDtFormat f) {
  FDateFormat = f;
  FDatePattern = DatePattern(f, LocaleText(LOCALE_SSHORTDATE));
}

void TFileListView::SetTimeFormat(TTmFormat f) {
  FTimeFormat = f;
  FTimePattern = TimePattern(f, FrameworkTime(true), FrameworkTime(false), LocaleText(LOCALE_STIMEFORMAT));
}

void TFileListView::SetDirectory(const std::string& path) {
  const TDirectoryDecision d = DecideDirectory(FDirectory, path, [](const std::string& p) { return DirectoryExists(p); });
  if (d.Change == TDirectoryChange::Ignore) return;
  if (d.Change == TDirectoryChange::Folder) SetCurrentDirectoryA(d.Stored.c_str());
  FDirectory = d.Stored;
  UpdateFileList();
}

void TFileListView::SetDirTreeCombo(TDirTreeCombo* combo) {
  if (combo == FDirTreeCombo) return;
  if (FDirTreeCombo) {
    FDirTreeCombo->RemoveFreeNotification(this);
    FDirTreeCombo->SetFileList(nullptr);
  }
  FDirTreeCombo = combo;
  if (combo) {
    combo->FreeNotification(this);
    combo->SetFileList(this);
  }
}

void TFileListView::SetDirTree(TDirTree* tree) {
  if (tree == FDirTree) return;
  TDirTree* old = FDirTree;
  FDirTree = tree;
  if (old) {
    old->RemoveFreeNotification(this);
    if (old->FileList() == this) old->SetFileList(nullptr);
  }
  if (tree) {
    tree->FreeNotification(this);
    tree->SetFileList(this);
  }
}

void TFileListView::Notification(TComponent* c, TOperation op) {
  TCustomListView::Notification(c, op);
  if (op != opRemove) return;
  if (c == FDirTreeCombo) FDirTreeCombo = nullptr;
  if (c == FDirTree) FDirTree = nullptr;
}

std::int64_t TFileListView::DriveFreeSpace() const {
  if (IsDrivesPath(FDirectory) || FDirectory.empty()) return 0;
  ULARGE_INTEGER free{};
  const std::string root = FDirectory.substr(0, 1) + ":\\";
  return GetDiskFreeSpaceExA(root.c_str(), &free, nullptr, nullptr) ? free.QuadPart / 1024 : 0;
}

void TFileListView::SetFileType(TFileType t) {
  if (t == FFileType) return;
  FFileType = t;
  UpdateFileList();
}

void TFileListView::SetMask(const std::string& mask) {
  if (mask == FMask) return;
  FMask = mask;
  UpdateFileList();
}

void TFileListView::SetShowFolders(bool v) {
  if (v == FShowFolders) return;
  FShowFolders = v;
  UpdateFileList();
}

void TFileListView::SetPopUpMenuEnabled(bool v) {
  FPopUpMenuEnabled = v;
  SetPopupMenu(v ? FPopUp : nullptr);
  if (!v) SetMouseCapture(false);
}

int TFileListView::SelectedNumber() const {
  const int selected = SelCount();
  return selected > 0 ? selected : Items()->Count();
}

std::int64_t TFileListView::SelectedSize() const {
  std::int64_t total = 0;
  for (const std::string& path : SelectedPaths()) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) continue;
    FindClose(search);
    total += (std::int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  return total;
}

std::string TFileListView::Sub(TListItem* item, int i) {
  TStrings* subs = item->SubItems();
  return i < subs->Count() ? subs->Get(i) : std::string();
}

TFileRow TFileListView::RowOf(TListItem* item) {
  TFileRow row{item->Caption(), {}};
  for (int i = 0; i < item->SubItems()->Count(); ++i) row.SubItems.push_back(item->SubItems()->Get(i));
  return row;
}

std::vector<std::string> TFileListView::SelectedPaths() const {
  std::vector<std::string> paths;
  for (TListItem* item = GetNextItem(nullptr, sdAll, isSelected); item; item = GetNextItem(item, sdAll, isSelected))
    if (std::string path = Path(item); !IsParentEntry(path)) paths.push_back(std::move(path));
  return paths;
}

TListItem* TFileListView::SelectedEntry() const {
  TListItem* item = GetNextItem(nullptr, sdAll, isSelected);
  while (item && IsParentEntry(Path(item))) item = GetNextItem(item, sdAll, isSelected);
  return item;
}

void TFileListView::BuildColumns(const std::vector<TColumnSpec>& columns) {
  Columns()->Clear();
  for (const TColumnSpec& shape : columns) {
    TListColumn* column = Columns()->Add();
    column->SetCaption(shape.Caption);
    column->SetWidth(shape.Width);
    column->SetAlignment(shape.Align == TColumnAlign::Right ? taRightJustify : taLeftJustify);
  }
}

void TFileListView::UpdateFileList() {
  Items()->BeginUpdate();
  Items()->Clear();
  {
    TWaitCursor wait;
    struct AfterFill {
      TFileListView* list;
      ~AfterFill() {
        // Also when the listing failed: the order rule holds for what is there.
        list->FSort.Reverse = true;
        list->SortByColumn(0);
      }
    } afterFill{this};
    if (IsDrivesPath(FDirectory)) {
      BuildColumns(DriveColumns());
      ListDrives();
    } else {
      BuildColumns(FolderColumns(FWidths));
      const std::string folder = AddSlash(FDirectory);
      if (FShowFolders) AddFiles(folder + "*.*", true);
      for (const std::string& piece : MaskPieces(FMask)) AddFiles(folder + piece, false);
    }
  }
  Items()->EndUpdate();
  if (Items()->Count() > 0 && !Selected()) Items()->Item(0)->SetFocused(true);
  Application->ProcessMessages();
}

bool TFileListView::AddFiles(const std::string& pattern, bool folders) {
  FSortable = true;
  const TEntryAttributes wanted{folders, (FFileType & ftReadOnly) != 0, (FFileType & ftHidden) != 0,
                                (FFileType & ftSystem) != 0};
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  const std::string folder = AddSlash(FDirectory);
  const TLocaleSeparators separators = LocaleSeparators();
  bool added = false;
  do {
    const std::string name = data.cFileName;
    const DWORD a = data.dwFileAttributes;
    const TEntryAttributes entry{(a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_READONLY) != 0,
                                 (a & FILE_ATTRIBUTE_HIDDEN) != 0, (a & FILE_ATTRIBUTE_SYSTEM) != 0};
    if (!EntryWanted(name, entry, wanted, FParentDirEnabled)) continue;
    const std::string path = folder + name;
    SHFILEINFOA info{};
    SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME);
    const bool parent = name == "..";
    const std::string kind = entry.Directory ? kKindDir : kKindFile;
    const std::int64_t size = (std::int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    TListItem* item = Items()->Add();
    item->SetCaption(parent ? kParentCaption : EntryCaption(name, FHideFileExt));
    item->SetImageIndex(parent ? kParentImage : info.iIcon);
    TStrings* subs = item->SubItems();
    subs->Add(parent ? " " : FormatSizeKB(size, kind));
    subs->Add(parent ? " " : info.szTypeName);
    subs->Add(FileTimeToText(data.ftLastWriteTime, FDatePattern, FTimePattern, separators));
    subs->Add(AttributeLetters(a & FILE_ATTRIBUTE_ARCHIVE, entry.ReadOnly, entry.Hidden, entry.System));
    subs->Add(path);
    subs->Add(parent ? kKindDir : kind);
    subs->Add(std::to_string(Ticks(data.ftLastWriteTime)));
    added = true;
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return added;
}

void TFileListView::ListDrives() {
  FSortable = false;
  const DWORD drives = GetLogicalDrives();
  const std::string thousands = LocaleSeparators().Thousands;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) continue;
    TListItem* item = Items()->Add();
    try {
      const std::string root = std::string(1, letter) + ":\\";
      SHFILEINFOA info{};
      SHGetFileInfoA(root.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME);
      item->SetImageIndex(info.iIcon);
      item->SetCaption(DriveNodeText(letter, info.szDisplayName));
      const UINT type = GetDriveTypeA(root.c_str());
      std::int64_t size = 0, free = 0;
      if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM) {
        ULARGE_INTEGER freeBytes{}, totalBytes{};
        if (GetDiskFreeSpaceExA(root.c_str(), &freeBytes, &totalBytes, nullptr)) {
          size = totalBytes.QuadPart / 1024;
          free = freeBytes.QuadPart / 1024;
        }
      }
      TStrings* subs = item->SubItems();
      subs->Add(DriveTypeText(type));
      subs->Add(DriveSizeText(size, thousands));
      subs->Add(DriveSizeText(free, thousands));
      subs->Add("");
      subs->Add(root);
      subs->Add(kKindDrive);
    } catch (const std::exception&) {
      // A drive that cannot be described is left out; the others are still listed.
      item->Delete();
    }
  }
}

void TFileListView::HandleColumnClick(TObject*, TListColumn* column) {
  if (FSortable) SortByColumn(column->Index());
}

void TFileListView::SortByColumn(int column) {
  if (!FSortable) return;
  FSort.Click(column);
  AlphaSort();
  UpdateSortGlyphs();
}

void TFileListView::UpdateSortGlyphs() {
  for (int i = 0; i < Columns()->Count(); ++i)
    SetHeaderBitmap(i, i == FSort.Column ? (FSort.Reverse ? FArrowUp : FArrowDown) : nullptr);
}

void TFileListView::CompareItems(TObject*, TListItem* a, TListItem* b, int, int& compare) {
  if (a == b) {
    compare = 0;
    return;
  }
  compare = CompareRows(RowOf(a), RowOf(b), FSort, [](const std::string& s) { return AnsiUpperCase(s); });
}

void TFileListView::Click() {
  TListItem* item = Selected();
  if (!item) return;
  FSelectedItem = Path(item);
  if (OnItemChange) OnItemChange(this, FSelectedItem);
  TCustomListView::Click();
}

void TFileListView::KeyUp(WORD& key, TShiftState shift) {
  TCustomListView::KeyUp(key, shift);
  if (key == VK_UP || key == VK_DOWN) Click();
}

void TFileListView::DblClick() {
  TListItem* item = Selected();
  if (!item || item->Caption().empty()) return;
  if (FDblClickToOpen)
    OpenItem();
  else if (item->Caption() == kParentCaption)
    OneLevelUp();
  else
    TCustomListView::DblClick();
}

void TFileListView::OpenItem() {
  TListItem* item = Selected();
  if (!item) return;
  TWaitCursor wait;
  const std::string kind = Kind(item), path = Path(item);
  if (item->Caption() == kParentCaption) {
    OneLevelUp();
  } else if (kind == kKindFile) {
    ExecuteFile("Open", path, "", FDirectory, SW_SHOW);
  } else if (kind == kKindDir || kind == kKindDrive) {
    const std::string target = AddSlash(path);
    if (kind == kKindDrive && GetDriveTypeA(target.c_str()) == DRIVE_REMOVABLE && !DriveReady(target[0], true))
      return;
    SetDirectory(target);
    MoveLinks(target);
  }
}

void TFileListView::OneLevelUp() {
  const TUpStep step = OneLevelUpStep(FDirectory);
  // At a drive root the combo and tree would be sent to their root node, which names no folder:
  // they stay.
  if (step.Move == TUpMove::Drives) SetDirectory(kDrivesPath);
  if (step.Move != TUpMove::Parent) return;
  SetDirectory(step.Target);
  MoveLinks(step.Target);
}

void TFileListView::KeyDown(WORD& key, TShiftState shift) {
  TListKeyState state;
  const TShiftState mods = shift & (ssShift | ssAlt | ssCtrl);
  state.Ctrl = mods == ssCtrl;
  state.OtherModifier = mods != 0 && !state.Ctrl;
  state.HasRows = Items()->Count() > 0;
  state.HasSelection = Selected() != nullptr;
  state.ClipboardFilled = !FClipboard.empty();
  state.Editing = IsEditing();
  state.DrivesListed = IsDrivesPath(FDirectory);
  state.ComboLinked = FDirTreeCombo != nullptr;
  const TListKeyPlan plan = PlanListKey(ListKeyOf(key), state);
  switch (plan.Action) {
    case TKeyAction::None: break;
    case TKeyAction::SelectAll: SelectAll(); break;
    case TKeyAction::Copy: CutCopy(0); break;
    case TKeyAction::Cut: CutCopy(2); break;
    case TKeyAction::Paste: Paste(); break;
    case TKeyAction::View: ViewFile(); break;
    case TKeyAction::NewFolder: NewFolder(); break;
    case TKeyAction::Open: OpenItem(); break;
    case TKeyAction::Up: OneLevelUp(); break;
    case TKeyAction::CloseDropDown:
      if (FDirTreeCombo->Tree()->IsOpen()) FDirTreeCombo->ToggleDropDown();
      break;
    case TKeyAction::Delete: DeleteItems(); break;
    case TKeyAction::Rename: RenameSelected(); break;
    case TKeyAction::Find: FindFile(); break;
    case TKeyAction::ToggleDropDown:
      FDirTreeCombo->ToggleDropDown();
      if (FDirTreeCombo->Tree()->Visible()) FDirTreeCombo->Tree()->SetFocus();
      break;
    case TKeyAction::Refresh: UpdateFileList(); break;
  }
  if (plan.Inherited) TCustomListView::KeyDown(key, shift);
}

void TFileListView::WndProc(TMessage& m) {
  TCustomListView::WndProc(m);
  // A new folder's name edit has ended, given or cancelled: now the combo and tree read it.
  if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == LVN_ENDLABELEDITA && FLinksStale)
    RefreshLinks(FDirectory);
}

bool TFileListView::CanEdit(TListItem* item) {
  if (ReadOnly() || !RowEditable(item->Caption(), Kind(item))) return false;
  FEditStartPath = Path(item);
  return TCustomListView::CanEdit(item);
}

void TFileListView::Edit(TListItem* item, std::string text) {
  TCustomListView::Edit(item, text);
  TWaitCursor wait;
  // The row edited, which need not be the first of those selected.
  if (!item) return;
  const std::string start = FEditStartPath, folder = start.substr(0, start.find_last_of('\\') + 1);
  const bool wasFolder = explorer::SameText(Kind(item), kKindDir);
  const std::string newPath = folder + item->Caption();
  if (explorer::SameText(newPath, start)) return;
  if (!NameAcceptable(item->Caption())) {
    MessageBeep(MB_ICONHAND);
    MessageDlg(kInvalidNameText, mtError, mbOK);
  } else if (!FileAlreadyExists(newPath)) {
    bool aborted = false;
    ShellFileOperation(Parent() ? Parent()->Handle() : nullptr, FO_RENAME, start, newPath, aborted);
  }
  UpdateFileList();
  if (wasFolder) RefreshLinks(folder);
}

void TFileListView::RefreshLinks(const std::string& path) {
  FLinksStale = false;
  if (FDirTreeCombo) FDirTreeCombo->RebuildTree();
  if (FDirTree) FDirTree->Rebuild();
  MoveLinks(path);
}

void TFileListView::MoveLinks(const std::string& path) {
  if (FDirTreeCombo) FDirTreeCombo->OpenPath(path);
  if (FDirTree) FDirTree->OpenPath(path);
}
