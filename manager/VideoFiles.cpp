#include "manager/VideoFiles.h"

#include <windows.h>

#include <fstream>

#include "common/core/ReplaceFile.h"
#include "framework/Jpeg.h"
#include "framework/SysUtils.h"
#include "manager/core/ConsoleNames.h"
#include "manager/core/ThumbnailScale.h"

namespace manager {

namespace {

// Asking about a drive without a medium shows no "insert a disk" box while this lives.
class TCriticalErrorsQuiet {
public:
  TCriticalErrorsQuiet() : FOldMode(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~TCriticalErrorsQuiet() { SetErrorMode(FOldMode); }

private:
  UINT FOldMode;
};

// Sized to the file, not the limit: a buffer of the limit for each of hundreds of thumbnails
// costs more than decoding them.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
  if (size < 0 || static_cast<std::uint64_t>(size) > limit) return std::nullopt;
  std::string content(static_cast<std::size_t>(size), '\0');
  file.seekg(0);
  if (!file.read(&content[0], size)) return std::nullopt;
  return content;
}

}  // namespace

std::vector<TFolderEntry> ListFolder(const std::string& folder,
                                     const std::function<bool()>& stopRequested) {
  constexpr std::size_t kEntriesBetweenStopLooks = 256;
  std::vector<TFolderEntry> entries;
  TCriticalErrorsQuiet quiet;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::string name = data.cFileName;
    if (name != "." && name != "..")
      entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    if (stopRequested && entries.size() % kEntriesBetweenStopLooks == 0 && stopRequested()) break;
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

std::optional<TFileStamp> FileStampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  const auto whole = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
  };
  return TFileStamp{path, whole(data.nFileSizeHigh, data.nFileSizeLow),
                    whole(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

bool DrawThumbnail(const std::vector<std::string>& thumbnails, TCanvas* canvas, const RECT& r) {
  const unsigned width = r.right - r.left, height = r.bottom - r.top;
  for (const std::string& path : thumbnails) {
    const std::optional<std::string> data = ReadSmallFile(path, kMaxThumbnailBytes);
    if (!data) continue;
    // Decoded as small as still covers the rectangle: shrinking a picture is slow under Wine.
    const std::optional<int> halvings = ThumbnailHalvings(data->data(), data->size(), width, height);
    if (!halvings) continue;  // no picture, or one out of reason: the next one will do
    TJPEGImage picture;
    picture.SetScale(static_cast<TJPEGScale>(*halvings));
    try {
      picture.LoadFromMemory(data->data(), data->size());
    } catch (const std::exception&) {
      continue;  // damaged, or a bitmap the platform or the memory refuses
    }
    canvas->StretchDraw(r, &picture);
    return true;
  }
  return false;
}

std::optional<std::string> RenameFile(const std::string& path, const std::string& newPath) {
  if (path == newPath) return std::nullopt;
  TPlatformTransferFiles files;
  if (!files.SameFile(path, newPath))
    return files.Rename(path, newPath) ? std::nullopt : std::optional(files.LastError());
  const std::string temporary =
      TemporaryPath(path, [&](const std::string& name) { return files.Exists(name); });
  if (!files.Rename(path, temporary)) return files.LastError();
  if (files.Rename(temporary, newPath)) return std::nullopt;
  const std::string reason = files.LastError();
  files.Rename(temporary, path);
  return reason;
}

bool TPlatformDriveProbe::IsRemovable(const std::string& root) {
  TCriticalErrorsQuiet quiet;
  return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

bool TPlatformDriveProbe::FolderExists(const std::string& path) {
  TCriticalErrorsQuiet quiet;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool TPlatformTransferFiles::Exists(const std::string& path) {
  TCriticalErrorsQuiet quiet;
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TPlatformTransferFiles::IsFile(const std::string& path) {
  TCriticalErrorsQuiet quiet;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::string> TPlatformTransferFiles::Names(
    const std::string& folder, const std::function<bool()>& stopRequested) {
  std::vector<std::string> names;
  for (const TFolderEntry& entry : ListFolder(folder, stopRequested)) names.push_back(entry.Name);
  return names;
}

bool TPlatformTransferFiles::Copy(const std::string& from, const std::string& to) {
  TCriticalErrorsQuiet quiet;
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0 || Failed();
}

bool TPlatformTransferFiles::Replace(const std::string& temporary, const std::string& target) {
  TCriticalErrorsQuiet quiet;
  return common::ReplaceFileWith(temporary, target) || Failed();
}

bool TPlatformTransferFiles::Rename(const std::string& from, const std::string& target) {
  TCriticalErrorsQuiet quiet;
  return MoveFileA(from.c_str(), target.c_str()) != 0 || Failed();
}

bool TPlatformTransferFiles::Delete(const std::string& path) {
  TCriticalErrorsQuiet quiet;
  return DeleteFileA(path.c_str()) != 0 || Failed();
}

bool TPlatformTransferFiles::MakeFolder(const std::string& folder) {
  TCriticalErrorsQuiet quiet;
  // Each level below the root in turn, the folder (which ends with "\") last; those
  // already there refuse quietly. The last refusal tells why a missing folder is missing.
  for (std::size_t end = folder.find('\\', 3); end != std::string::npos;
       end = folder.find('\\', end + 1))
    if (!CreateDirectoryA(folder.substr(0, end).c_str(), nullptr)) FLastError = GetLastError();
  TPlatformDriveProbe drives;
  return drives.FolderExists(folder);
}

bool TPlatformTransferFiles::SameFile(const std::string& a, const std::string& b) {
  TCriticalErrorsQuiet quiet;
  return ::SameFile(a, b);
}

std::string TPlatformTransferFiles::LastError() { return SysErrorMessage(FLastError); }

bool TPlatformTransferFiles::Failed() {
  FLastError = GetLastError();
  return false;
}

}  // namespace manager
