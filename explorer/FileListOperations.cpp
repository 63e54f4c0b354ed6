// The file operations of TFileListView: every change on disk goes through the shell's file
// operation with undo allowed, so the shell shows its own confirmations and progress.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "explorer/DirTreeCombo.h"
#include "explorer/FileListView.h"
#include "explorer/FileListViewPopUp.h"
#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FileMenu.h"
#include "framework/Clipbrd.h"
#include "framework/RichEdit.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"

using namespace explorer;

namespace {

// The shell's operation for each clipboard mode.
const UINT kOperations[] = {FO_COPY, FO_DELETE, FO_MOVE, FO_RENAME};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string WindowsFolder() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return AddSlash(buffer);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }
std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// Every exit of a step that changed the folder refills the list and refreshes its links.
class TRefillOnExit {
public:
  explicit TRefillOnExit(std::function<void()> refill) : FRefill(std::move(refill)) {}
  ~TRefillOnExit() { FRefill(); }
private:
  std::function<void()> FRefill;
};

}  // namespace

void TFileListView::FillClipboard() {
  FClipboard.clear();
  for (const std::string& path : SelectedPaths()) FClipboard.push_back(path + '\0');
}

void TFileListView::RunOnClipboard(UINT operation, const std::string& folder) {
  HWND owner = Parent() ? Parent()->Handle() : nullptr;
  for (const std::string& entry : FClipboard) {
    bool aborted = false;
    ShellFileOperation(owner, operation, entry, PasteDestination(folder, entry), aborted);
  }
}

void TFileListView::CutCopy(int mode) {
  if (!SelectedEntry()) return;
  FClipboardMode = -1;
  FillClipboard();
  FClipboardMode = mode;
}

void TFileListView::Paste() {
  TWaitCursor wait;
  if (!SetCurrentDirectoryA(FDirectory.c_str())) return;
  // A list made without a cut or copy has no operation to paste with.
  if (FClipboard.empty() || FClipboardMode < 0) {
    MessageDlg(kNoFilesSelectedText, mtWarning, mbOK);
    return;
  }
  TRefillOnExit refill([this] {
    UpdateFileList();
    FClipboard.clear();
    RefreshLinks(FDirectory);
  });
  RunOnClipboard(kOperations[FClipboardMode], FDirectory);
}

void TFileListView::DeleteItems() {
  const std::vector<std::string> paths = SelectedPaths();
  if (paths.empty()) return;
  TWaitCursor wait;
  if (!SetCurrentDirectoryA(FDirectory.c_str())) return;
  FClipboard.clear();
  TRefillOnExit refill([this] {
    UpdateFileList();
    FClipboard.clear();
    RefreshLinks(FDirectory);
  });
  bool aborted = false;
  ShellFileOperation(Parent() ? Parent()->Handle() : nullptr, FO_DELETE, PathList(paths), "", aborted);
}

void TFileListView::NewFolder() {
  const std::string path = NewFolderPath(FDirectory, [](const std::string& p) { return DirectoryExists(p); });
  CreateDirectoryA(path.c_str(), nullptr);
  UpdateFileList();
  ClearSelection();
  // The combo and tree would take the list along to where they go: they read the new folder
  // once its name is given, and the list stays where it is.
  FLinksStale = true;
  for (int i = 0; i < Items()->Count(); ++i) {
    TListItem* item = Items()->Item(i);
    if (Path(item) != path) continue;
    item->SetSelected(true);
    item->SetFocused(true);
    // CanEdit first: the rename of an in-place edit applies. Its end refreshes the links.
    if (item->EditCaption()) return;
    break;
  }
  RefreshLinks(FDirectory);
}

void TFileListView::RenameSelected() {
  TListItem* item = Selected();
  if (!item) return;
  if (ReadOnly() || UpperCase(Sub(item, 3)) == "R") {
    MessageDlg(kReadOnlyText, mtWarning, mbOK);
    return;
  }
  FEditStartPath = Path(item);
  item->EditCaption();
}

void TFileListView::ViewFile() {
  TListItem* item = Selected();
  if (!item) return;
  const std::string path = Path(item), viewer = ViewerFor(UpperExtension(path));
  if (viewer.empty()) return;
  ExecuteFile("Open", WindowsFolder() + viewer, Quoted(NameOf(path)), FolderOf(path), SW_SHOW);
}

void TFileListView::FindFile() {
  if (Focused()) ExecuteFile("Find", FDirectory, "", "", SW_SHOWNORMAL);
}

void TFileListView::ShowProperties() {
  TListItem* item = Selected();
  if (item && !Path(item).empty()) ShowFileProperties(Path(item));
}

void TFileListView::SendTo(int n) {
  // Only the parent entry selected: nothing to send.
  if (!SelectedEntry()) return;
  switch (n) {
    case 0:
      if (const std::string target = SendToFolderDialog(""); !target.empty()) CopyToFolder(target);
      break;
    case 1:
      CopyContents(Path(SelectedEntry()));
      break;
    case 2:
      Clipboard()->SetAsText(FileNameLines(SelectedPaths()));
      break;
    case 3:
      CreateDesktopShortcut();
      break;
  }
}

void TFileListView::CopyContents(const std::string& path) {
  const std::string ext = UpperExtension(path);
  if (ext == ".WMF") {
    Clipboard()->AssignMetafileFile(path);
  } else if (ext == ".BMP") {
    TPicture picture;
    picture.LoadFromFile(path);
    Clipboard()->Assign(picture.Bitmap());
  } else {
    TWaitCursor wait;
    std::unique_ptr<TRichEdit> editor(new TRichEdit(this));
    editor->SetVisible(false);
    editor->SetParent(this);
    // The rich edit refuses plain text streamed in as rich text, and then copies nothing.
    editor->LoadFromFile(path, ext == ".RTF");
    editor->SelectAll();
    editor->CopyToClipboard();
  }
}

void TFileListView::CopyToFolder(const std::string& target) {
  if (!SelectedEntry() || !SetCurrentDirectoryA(FDirectory.c_str())) return;
  TWaitCursor wait;
  FillClipboard();
  struct ClearOnExit {
    std::vector<std::string>& list;
    ~ClearOnExit() { list.clear(); }
  } clear{FClipboard};
  RunOnClipboard(FO_COPY, target);
}

void TFileListView::CopyToRemovable(const std::string& target) {
  TWaitCursor wait;
  if (!target.empty() && DriveReady(target[0], true)) CopyToFolder(target);
}

void TFileListView::SendToShellEntry(const std::string& entry) {
  TListItem* item = SelectedEntry();
  if (!item) return;
  if (UpperExtension(entry) != ".LNK") {
    if (DirectoryExists(entry)) CopyToFolder(entry);
    return;
  }
  const std::string target = ResolveShortcut(entry);
  if (target.empty()) return;
  if (GetDriveTypeA(target.substr(0, 3).c_str()) == DRIVE_REMOVABLE)
    CopyToRemovable(target);
  else if (DirectoryExists(target))
    CopyToFolder(target);
  else
    ExecuteFile("Open", target, Quoted(NameOf(Path(item))), FolderOf(Path(item)), SW_SHOW);
}

void TFileListView::CreateDesktopShortcut() {
  const std::string folder = WindowsFolder() + "DESKTOP\\";
  TListItem* item = SelectedEntry();
  if (!item) {
    MessageDlg(kNoFileSelectedText, mtError, mbOK);
    return;
  }
  const std::string target = Path(item), name = FileNameWithoutExt(NameOf(target));
  IShellLinkA* link = nullptr;
  bool saved = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    const std::string linkFile = folder + name + ".lnk";
    saved = SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetWorkingDirectory(FolderOf(target).c_str())) &&
            SUCCEEDED(link->SetDescription(name.c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Save(WidePath(linkFile).c_str(), FALSE));
    if (file) file->Release();
    link->Release();
  }
  if (!saved) MessageDlg(kShortcutFailedText, mtError, mbOK);
}
