#include "framework/IniFiles.h"

#include <windows.h>

#include <vector>

namespace {
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

void TIniFile::Write(const char* section, const char* key, const char* value) {
  if (!WritePrivateProfileStringA(section, key, value, FFileName.c_str()))
    throw EIniFileException("Unable to write to " + FFileName);
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Write(section.c_str(), key.c_str(), value.c_str());
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

void TIniFile::EraseSection(const std::string& section) { Write(section.c_str(), nullptr, nullptr); }

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
