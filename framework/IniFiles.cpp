#include "framework/IniFiles.h"

#include "common/core/ReplaceFile.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace {
// ---- The file's text, edited as the platform's profile functions edit it: a section starts at
// a line "[name]", a key line is "name=value", names are compared without regard to case or
// surrounding blanks. Lines keep their own line breaks.

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

bool IsSection(const std::string& line, const std::string& section) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] != '[') return false;
  const size_t close = t.rfind(']');
  return SameText(Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)), section);
}

bool IsAnySection(const std::string& line) {
  const std::string t = Trim(line);
  return !t.empty() && t[0] == '[';
}

bool IsKey(const std::string& line, const std::string& key) {
  return !IsAnySection(line) && SameText(Trim(line.substr(0, line.find('='))), key);
}

std::string LineBreakOf(const std::string& line) {
  if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) return "\r\n";
  return !line.empty() && line.back() == '\n' ? "\n" : "";
}

// The section's first line (its header) and the line after its last; both the end when the
// file has no such section.
std::pair<size_t, size_t> SectionRange(const std::vector<std::string>& lines, const std::string& section) {
  size_t first = 0;
  while (first < lines.size() && !IsSection(lines[first], section)) ++first;
  size_t end = first == lines.size() ? first : first + 1;
  while (end < lines.size() && !IsAnySection(lines[end])) ++end;
  return {first, end};
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

// A key's line is replaced where it stands; a new key goes below the section's last line that is
// not blank; a new section goes at the end.
std::string WithValue(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value) {
  std::vector<std::string> lines = LinesOf(text);
  const auto [first, end] = SectionRange(lines, section);
  std::vector<std::string> added;
  size_t at = end;
  if (first == lines.size()) {
    added = {"[" + section + "]\r\n", key + "=" + value + "\r\n"};
  } else {
    for (size_t i = first + 1; i < end; ++i)
      if (IsKey(lines[i], key)) {
        lines[i] = key + "=" + value + LineBreakOf(lines[i]);
        return JoinLines(lines);
      }
    while (at > first + 1 && Trim(lines[at - 1]).empty()) --at;
    added = {key + "=" + value + "\r\n"};
  }
  if (at > 0 && LineBreakOf(lines[at - 1]).empty()) lines[at - 1] += "\r\n";
  lines.insert(lines.begin() + at, added.begin(), added.end());
  return JoinLines(lines);
}

std::string WithoutSection(const std::string& text, const std::string& section) {
  std::vector<std::string> lines = LinesOf(text);
  const auto [first, end] = SectionRange(lines, section);
  lines.erase(lines.begin() + first, lines.begin() + end);
  return JoinLines(lines);
}

// ---- The file itself.

// The whole file; an empty text when there is none, nothing when it exists but cannot be read.
std::optional<std::string> ReadWhole(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::string>("") : std::nullopt;
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  bool whole = true;
  while ((whole = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  if (!whole) return std::nullopt;
  return text;
}

// Writes the text into a new file beside the path, which takes the path's place only once all
// of it is on the disk.
bool WriteWhole(const std::string& path, const std::string& text) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(ExtractFileDir(path).c_str(), "ini", 0, temporary)) return false;
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  bool written = file != INVALID_HANDLE_VALUE &&
                 WriteFile(file, text.data(), (DWORD)text.size(), &wrote, nullptr) && wrote == text.size() &&
                 FlushFileBuffers(file);
  if (file != INVALID_HANDLE_VALUE) written = CloseHandle(file) && written;
  if (written && common::ReplaceFileWith(temporary, path)) return true;
  DeleteFileA(temporary);
  return false;
}

// GetPrivateProfileStringA into a buffer that grows until the answer fits.
std::string ProfileString(const char* section, const char* key, const char* def, const std::string& file) {
  std::vector<char> buffer(2048);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section, key, def, buffer.data(), (DWORD)buffer.size(), file.c_str());
    // A cut answer is size - 1 long (size - 2 for the lists of names).
    if (n + 2 < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}
}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
  return ProfileString(section.c_str(), key.c_str(), def.c_str(), FFileName);
}

// The platform's own writing rewrites the file in place and does not look at its writes, so
// a full disk leaves it cut short; the file is edited here and replaced whole instead.
void TIniFile::Edit(const std::function<std::string(const std::string&)>& change) {
  // A name without a folder is in the Windows folder, as for the platform's reading.
  std::string path = FFileName;
  if (path.find_first_of("\\/:") == std::string::npos) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    path = IncludeTrailingBackslash(windows) + path;
  }
  const std::optional<std::string> text = ReadWhole(path);
  if (!text) throw EIniFileException("Unable to read " + FFileName + ", so it is left as it was");
  const std::string changed = change(*text);
  if (changed != *text && !WriteWhole(path, changed)) throw EIniFileException("Unable to write to " + FFileName);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Edit([&](const std::string& text) { return WithValue(text, section, key, value); });
}

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& key, int def) {
  return StrToIntDef(ReadString(section, key, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& section, TStrings* keys) {
  std::string names = ProfileString(section.c_str(), nullptr, "", FFileName);
  keys->BeginUpdate();
  keys->Clear();
  for (size_t i = 0; i < names.size();) {
    size_t end = names.find('\0', i);
    if (end == std::string::npos) end = names.size();
    if (end > i) keys->Add(names.substr(i, end - i));
    i = end + 1;
  }
  keys->EndUpdate();
}

void TIniFile::EraseSection(const std::string& section) {
  Edit([&](const std::string& text) { return WithoutSection(text, section); });
}

bool TIniFile::SectionExists(const std::string& section) {
  TStringList keys;
  ReadSection(section, &keys);
  return keys.Count() > 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) {
  TStringList keys;
  ReadSection(section, &keys);
  return keys.IndexOf(key) >= 0;
}

std::string TRegistryIniFile::ReadString(const std::string& section, const std::string& key,
                                         const std::string& def) {
  const std::string path = FFileName + "\\" + section;
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return def;
  DWORD type = 0, size = 0;
  std::string value = def;
  if (RegQueryValueExA(k, key.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
    std::vector<char> text(size + 1);   // the stored text may lack its terminating zero
    if (RegQueryValueExA(k, key.c_str(), nullptr, &type, (BYTE*)text.data(), &size) == ERROR_SUCCESS)
      value = text.data();
  }
  RegCloseKey(k);
  return value;
}

void TRegistryIniFile::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
  const std::string path = FFileName + "\\" + section;
  HKEY k = nullptr;
  bool written = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k,
                                 nullptr) == ERROR_SUCCESS;
  if (written) {
    written = RegSetValueExA(k, key.c_str(), 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)value.size() + 1) ==
              ERROR_SUCCESS;
    RegCloseKey(k);
  }
  if (!written) throw EIniFileException("Unable to write to " + path);
}
