#include "framework/SysUtils.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"

void Abort() { throw EAbort("Operation aborted"); }

std::string SysErrorMessage(unsigned long code) {
  char buf[1024] = {0};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                           buf, sizeof buf, nullptr);
  std::string s(buf, n);
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '.')) s.pop_back();
  return s;
}

void RaiseLastOSError() {
  DWORD code = GetLastError();
  std::string text = code ? "System Error.  Code: " + IntToStr(code) + ".\n" + SysErrorMessage(code)
                          : std::string("A call to an OS function failed");
  throw EOSError(text, code);
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::string IntToHex(unsigned long long value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*llX", digits, value);
  return buf;
}

bool TryStrToInt(const std::string& text, int& value) {
  std::string s = Trim(text);
  if (s.empty()) return false;
  size_t i = 0;
  bool neg = false;
  if (s[i] == '-' || s[i] == '+') { neg = s[i] == '-'; ++i; }
  int base = 10;
  if (i < s.size() && s[i] == '$') { base = 16; ++i; }
  else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) { base = 16; i += 2; }
  if (i >= s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    int c = (unsigned char)s[i], d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v * base + d;
    if (v > 0xFFFFFFFFLL) return false;
  }
  if (neg) v = -v;
  if (base == 10 && (v > 2147483647LL || v < -2147483648LL)) return false;
  value = (int)(unsigned)(v & 0xFFFFFFFF);
  return true;
}

int StrToInt(const std::string& s) {
  int v;
  if (!TryStrToInt(s, v)) throw EConvertError("'" + s + "' is not a valid integer value");
  return v;
}

int StrToIntDef(const std::string& s, int def) {
  int v;
  return TryStrToInt(s, v) ? v : def;
}

std::string FloatToStr(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

double StrToFloatDef(const std::string& text, double def) {
  std::string s = Trim(text);
  if (s.empty()) return def;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  return (end && *end == 0) ? v : def;
}

std::string UpperCase(const std::string& s) { return common::UpperCase(s); }

std::string LowerCase(const std::string& s) { return common::LowerCase(s); }

std::string AnsiUpperCase(const std::string& s) {
  std::string r = s;
  if (!r.empty()) CharUpperBuffA(&r[0], (DWORD)r.size());
  return r;
}

std::string AnsiLowerCase(const std::string& s) {
  std::string r = s;
  if (!r.empty()) CharLowerBuffA(&r[0], (DWORD)r.size());
  return r;
}

int CompareText(const std::string& a, const std::string& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = (unsigned char)a[i], cb = (unsigned char)b[i];
    if (ca >= 'a' && ca <= 'z') ca -= 32;
    if (cb >= 'a' && cb <= 'z') cb -= 32;
    if (ca != cb) return ca - cb;
  }
  return (int)a.size() - (int)b.size();
}

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), (int)a.size(), b.data(), (int)b.size()) - 2;
}

std::string TrimLeft(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (unsigned char)s[i] <= ' ') ++i;
  return s.substr(i);
}

std::string TrimRight(const std::string& s) {
  size_t n = s.size();
  while (n > 0 && (unsigned char)s[n - 1] <= ' ') --n;
  return s.substr(0, n);
}

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string StringReplace(const std::string& s, const std::string& from, const std::string& to, bool all,
                          bool ignoreCase) {
  if (from.empty()) return s;
  std::string hay = ignoreCase ? UpperCase(s) : s;
  std::string needle = ignoreCase ? UpperCase(from) : from;
  std::string out;
  size_t pos = 0;
  while (true) {
    size_t f = hay.find(needle, pos);
    if (f == std::string::npos) break;
    out.append(s, pos, f - pos);
    out += to;
    pos = f + from.size();
    if (!all) break;
  }
  out.append(s, pos, std::string::npos);
  return out;
}

int Pos(const std::string& sub, const std::string& s) {
  if (sub.empty()) return 0;
  size_t f = s.find(sub);
  return f == std::string::npos ? 0 : (int)f + 1;
}

bool FileExists(const std::string& name) {
  DWORD a = GetFileAttributesA(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& name) {
  DWORD a = GetFileAttributesA(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& dir) {
  std::string d = ExcludeTrailingBackslash(dir);
  if (d.empty() || DirectoryExists(d)) return true;
  std::string parent = ExtractFileDir(d);
  if (!parent.empty() && parent != d && !ForceDirectories(parent)) return false;
  return CreateDirectoryA(d.c_str(), nullptr) || DirectoryExists(d);
}

bool DeleteFile(const std::string& name) { return ::DeleteFileA(name.c_str()) != 0; }

bool RenameFile(const std::string& oldName, const std::string& newName) {
  return MoveFileA(oldName.c_str(), newName.c_str()) != 0;
}

static bool IsDelimiter(char c) { return c == '\\' || c == '/' || c == ':'; }

static size_t LastDelimiter(const std::string& name) {
  for (size_t i = name.size(); i > 0; --i)
    if (IsDelimiter(name[i - 1])) return i - 1;
  return std::string::npos;
}

std::string ExtractFilePath(const std::string& name) {
  size_t p = LastDelimiter(name);
  return p == std::string::npos ? std::string() : name.substr(0, p + 1);
}

std::string ExtractFileDir(const std::string& name) {
  size_t p = LastDelimiter(name);
  if (p == std::string::npos) return std::string();
  // Keep "C:\" and "\" whole.
  if (p > 0 && (name[p] == '\\' || name[p] == '/') && name[p - 1] != ':' && !IsDelimiter(name[p - 1]))
    return name.substr(0, p);
  return name.substr(0, p + 1);
}

std::string ExtractFileName(const std::string& name) { return common::FileNameOf(name); }

std::string ExtractFileExt(const std::string& name) { return common::ExtractFileExt(name); }

std::string ExtractFileDrive(const std::string& name) {
  if (name.size() >= 2 && name[1] == ':') return name.substr(0, 2);
  if (name.size() >= 2 && name[0] == '\\' && name[1] == '\\') {
    size_t slashes = 0, i = 2;
    for (; i < name.size(); ++i)
      if (name[i] == '\\' && ++slashes == 2) break;
    return name.substr(0, i);
  }
  return std::string();
}

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
  std::string old = ExtractFileExt(name);
  return name.substr(0, name.size() - old.size()) + ext;
}

std::string ExpandFileName(const std::string& name) {
  char buf[MAX_PATH * 4];
  char* part = nullptr;
  DWORD n = GetFullPathNameA(name.c_str(), sizeof buf, buf, &part);
  return (n && n < sizeof buf) ? std::string(buf, n) : name;
}

namespace {

// The volume and index of an existing file or folder; false when it cannot be opened.
bool FileIdentity(const std::string& name, BY_HANDLE_FILE_INFORMATION& info) {
  const HANDLE file = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first, second;
  if (FileIdentity(a, first) && FileIdentity(b, second))
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
  return AnsiCompareText(ExcludeTrailingBackslash(ExpandFileName(a)),
                         ExcludeTrailingBackslash(ExpandFileName(b))) == 0;
}

std::string IncludeTrailingBackslash(const std::string& s) { return common::AddBackslash(s); }

std::string ExcludeTrailingBackslash(const std::string& s) {
  if (!s.empty() && s.back() == '\\') return s.substr(0, s.size() - 1);
  return s;
}

long long FileSizeOf(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &d)) return -1;
  if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return ((long long)d.nFileSizeHigh << 32) | d.nFileSizeLow;
}

std::string GetCurrentDir() {
  char buf[MAX_PATH * 4];
  DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return std::string(buf, n < sizeof buf ? n : 0);
}
