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

// Opens the dialog on the folder passed as the callback's data.
int CALLBACK SelectOnStart(HWND dialog, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder)
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, folder);
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
  if (!folder.empty()) {
    browse.lpfn = SelectOnStart;
    browse.lParam = reinterpret_cast<LPARAM>(folder.c_str());
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
