#include "explorer/ShellHelpers.h"

#include <shellapi.h>
#include <shlobj.h>

#include "explorer/core/DateText.h"
#include "explorer/core/DriveCheck.h"
#include "explorer/core/Messages.h"
#include "framework/Dialogs.h"

namespace explorer {
namespace {

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

FILETIME FileTime(std::uint64_t ticks) { return FILETIME{DWORD(ticks), DWORD(ticks >> 32)}; }

std::string DriveRoot(char letter) { return std::string(1, letter) + ":\\"; }

std::int64_t TotalBytes(const std::string& root) {
  ULARGE_INTEGER total{};
  if (!GetDiskFreeSpaceExA(root.c_str(), nullptr, &total, nullptr)) return -1;
  return static_cast<std::int64_t>(total.QuadPart);
}

std::int64_t FreeBytes(const std::string& root) {
  ULARGE_INTEGER free{};
  if (!GetDiskFreeSpaceExA(root.c_str(), &free, nullptr, nullptr)) return -1;
  return static_cast<std::int64_t>(free.QuadPart);
}

// Keeps the system's "no disk" boxes away while a drive is asked.
class TQuietDriveErrors {
public:
  TQuietDriveErrors() : FOld(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~TQuietDriveErrors() { SetErrorMode(FOld); }
private:
  UINT FOld;
};

int IconIndex(const std::string& path, UINT flags) {
  SHFILEINFOA info{};
  SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags);
  return info.iIcon;
}

}  // namespace

std::string LocaleText(LCTYPE type) {
  char buffer[100] = {};
  GetLocaleInfoA(GetThreadLocale(), type, buffer, sizeof buffer);
  return buffer;
}

TLocaleSeparators LocaleSeparators() {
  return {LocaleText(LOCALE_STHOUSAND), LocaleText(LOCALE_SDECIMAL), LocaleText(LOCALE_SDATE), LocaleText(LOCALE_STIME)};
}

std::string FileTimeToText(const FILETIME& time, const std::string& dateFormat, const std::string& timeFormat,
                           const TLocaleSeparators& separators) {
  return FileTimeToText(
      Ticks(time), dateFormat, timeFormat,
      [](std::uint64_t utc) {
        FILETIME local{};
        const FILETIME from = FileTime(utc);
        return FileTimeToLocalFileTime(&from, &local) ? Ticks(local) : utc;
      },
      separators);
}

std::int32_t DiskSizeKB(const std::string& drive) {
  return drive.empty() ? 0 : SizeInKB(TotalBytes(DriveRoot(drive[0])));
}

std::int32_t DiskFreeKB(const std::string& drive) {
  return drive.empty() ? 0 : SizeInKB(FreeBytes(DriveRoot(drive[0])));
}

bool DriveReady(char letter, bool showMessage) {
  TDriveProbe probe{
      [](char l) {
        TQuietDriveErrors quiet;
        return TotalBytes(DriveRoot(l));
      },
      [](const std::string& text) { MessageDlg(text, mtError, mbOK); },
      [](const std::string& text) {
        MessageBeep(MB_ICONHAND);
        MessageDlg(text, mtWarning, mbOK);
      }};
  return explorer::DriveReady(letter, showMessage, probe);
}

int GetSmallIconIndex(const std::string& path) { return IconIndex(path, 0); }
TImageList* NewSmallSystemImages(TComponent* owner) {
  SHFILEINFOA info{};
  auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  if (!list) return nullptr;
  auto* images = new TImageList(owner);
  images->SetShareImages(true);
  images->SetBkColor(clNone);
  images->SetHandle(list);
  return images;
}

int GetSmallOpenIconIndex(const std::string& path) { return IconIndex(path, SHGFI_OPENICON); }

std::wstring WidePath(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
  return wide;
}

int ExecuteFile(const std::string& operation, const std::string& fileName, const std::string& parameters,
                const std::string& defaultDir, int showCommand) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(Application->Handle(), operation.c_str(),
                                                              fileName.c_str(), parameters.c_str(),
                                                              defaultDir.c_str(), showCommand));
  if (result <= 32) MessageDlg(ExecuteErrorText(operation, fileName), mtError, mbOK);
  return static_cast<int>(result);
}

bool ShellFileOperation(HWND, UINT operation, const std::string& sources, const std::string& destination,
                        bool& aborted) {
  const std::string from = ShellNameList(sources), to = ShellNameList(destination);
  SHFILEOPSTRUCTA op{};
  op.hwnd = GetActiveWindow();
  op.wFunc = operation;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_ALLOWUNDO;
  op.fAnyOperationsAborted = aborted;
  op.lpszProgressTitle = "";
  const int result = SHFileOperationA(&op);
  aborted = op.fAnyOperationsAborted != FALSE;
  return result == 0 && !aborted;
}

bool BrowseForDirectory(HWND owner, std::string& path) {
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = kBrowseDirectoryTitle;
  LPITEMIDLIST list = SHBrowseForFolderA(&info);
  if (!list) return false;
  char buffer[MAX_PATH + 1] = {};
  const bool converted = SHGetPathFromIDListA(list, buffer) != FALSE;
  IMalloc* malloc = nullptr;
  if (SUCCEEDED(SHGetMalloc(&malloc))) {
    malloc->Free(list);
    malloc->Release();
  }
  if (!converted) return false;
  path = AddSlash(buffer);
  return true;
}

bool FileAlreadyExists(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(DelSlash(path.c_str()).c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  MessageDlg(AlreadyExistsText(path), mtError, mbOK);
  return true;
}

void ShowFileProperties(const std::string& path) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST;
  info.lpVerb = "properties";
  info.lpFile = path.c_str();
  info.nShow = SW_SHOW;
  if (ShellExecuteExA(&info)) return;
  const std::string text = PropertiesErrorText(GetLastError());
  if (!text.empty()) ShowMessage(text);
}

}  // namespace explorer
