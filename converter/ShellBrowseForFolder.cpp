#include "converter/ShellBrowseForFolder.h"

#include <ole2.h>
#include <shlobj.h>

#include <vector>

namespace converter {
namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder the dialog opens on. Now and then Wine's tree misses a folder that was looked up
// a moment before and selects nothing at all; the selection is then asked for again from a
// timer until the tree has one (ours or the user's), for a few seconds at most.
struct StartFolder {
  const char* path;
  bool selected = false;
  int triesLeft = 50;
};

const char kStartFolderProp[] = "StartFolder";
const UINT_PTR kSelectAgainTimer = 1;

void CALLBACK SelectAgain(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  auto* start = static_cast<StartFolder*>(GetPropA(dialog, kStartFolderProp));
  if (start && !start->selected && start->triesLeft-- > 0) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->path));
    return;
  }
  KillTimer(dialog, timer);
  RemovePropA(dialog, kStartFolderProp);
}

int CALLBACK SelectOnStart(HWND dialog, UINT message, LPARAM, LPARAM data) {
  auto* start = reinterpret_cast<StartFolder*>(data);
  if (message == BFFM_SELCHANGED) start->selected = true;
  if (message != BFFM_INITIALIZED) return 0;
  SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->path));
  if (!start->selected && SetPropA(dialog, kStartFolderProp, start))
    SetTimer(dialog, kSelectAgainTimer, 100, SelectAgain);
  return 0;
}

// The program's other windows stay disabled while the dialog is up and come back as they
// were. The owner is left to the dialog, which disables it and on closing enables and
// activates it again.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : FOwner(owner) {
    EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
  }
  ~OtherWindowsDisabled() {
    for (HWND window : FDisabled) EnableWindow(window, TRUE);
  }

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM that) {
    auto* self = reinterpret_cast<OtherWindowsDisabled*>(that);
    if (window != self->FOwner && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      self->FDisabled.push_back(window);
    }
    return TRUE;
  }
  HWND FOwner;
  std::vector<HWND> FDisabled;
};

}  // namespace

bool BrowseForFolder(HWND owner, const std::string& title, std::string& folder) {
  if (!IsFolder(folder)) folder.clear();
  char displayName[MAX_PATH];
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  StartFolder start{folder.c_str()};
  if (!folder.empty()) {
    browse.lpfn = SelectOnStart;
    browse.lParam = reinterpret_cast<LPARAM>(&start);
  }

  LPITEMIDLIST chosen = nullptr;
  {
    OtherWindowsDisabled disabled(owner);
    // No system boxes about drives that are not ready while the dialog browses.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const HRESULT ole = OleInitialize(nullptr);
    chosen = SHBrowseForFolderA(&browse);
    if (SUCCEEDED(ole)) OleUninitialize();
    SetErrorMode(errorMode);
  }
  if (!chosen) return false;
  char path[MAX_PATH];
  const bool named = SHGetPathFromIDListA(chosen, path);
  CoTaskMemFree(chosen);
  if (named) folder = path;
  return named;
}

}  // namespace converter
