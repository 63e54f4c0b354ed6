#include "skin/SkinFiles.h"

#include <windows.h>
#include <objbase.h>

#include <fstream>
#include <optional>

#include "framework/SysUtils.h"
#include "skin/core/skin_files.h"

namespace skin {
namespace {

// A temporary folder that can't be written is not tried for ever.
constexpr int kSaveAttempts = 10;

// A system folder with a trailing backslash, from the platform call that names it.
std::string SystemFolder(UINT(WINAPI* call)(LPSTR, UINT)) {
  char path[MAX_PATH] = "";
  const UINT length = call(path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? IncludeTrailingBackslash(path) : std::string();
}

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? ExtractFilePath(path) : std::string();
}

std::string TempFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetTempPathA(MAX_PATH, path);
  return length > 0 && length < MAX_PATH ? IncludeTrailingBackslash(path) : std::string();
}

// The registry form: 38 characters, hexadecimal groups within braces.
std::string NewGuidText() {
  GUID guid;
  CoCreateGuid(&guid);
  wchar_t wide[39];
  StringFromGUID2(guid, wide, 39);
  return std::string(wide, wide + 38);
}

bool Save(const std::string& name, const std::vector<std::uint8_t>& data) {
  std::ofstream file(name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  file.close();
  return bool(file);
}

}  // namespace

std::string FindSkinFile(const std::string& name) {
  if (name.empty())
    return "";
  const std::string fileName = ExtractFileName(name);
  for (const std::string& candidate : {name, ProgramFolder() + fileName,
                                       SystemFolder(GetWindowsDirectoryA) + fileName,
                                       SystemFolder(GetSystemDirectoryA) + fileName})
    if (FileExists(candidate))
      return candidate;
  return "";
}

namespace {

// Saves the container under a free name of the stem, loads it and deletes the file again;
// nothing when it could not be saved.
std::optional<bool> LoadThroughFile(TkivSkinReader& reader, const std::vector<std::uint8_t>& data,
                                    const std::string& stem) {
  const std::string name = FirstFreeSkinFileName(TempFolder() + stem, FileExists);
  const bool saved = Save(name, data);
  const bool loaded = saved && reader.Load(name);
  DeleteFileA(name.c_str());
  if (!saved)
    return std::nullopt;
  return loaded;
}

}  // namespace

bool LoadSkinThroughTempFile(TkivSkinReader& reader, const std::vector<std::uint8_t>& data) {
  for (int attempt = 0; attempt < kSaveAttempts; ++attempt)
    if (const std::optional<bool> loaded = LoadThroughFile(reader, data, NewGuidText()))
      return *loaded;
  return false;
}

bool LoadSkinThroughTempFile(TkivSkinReader& reader, const std::vector<std::uint8_t>& data,
                             const std::string& stem) {
  return LoadThroughFile(reader, data, stem).value_or(false);
}

}  // namespace skin
