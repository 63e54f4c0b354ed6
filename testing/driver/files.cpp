#include "testing/driver/files.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "testing/driver/wait.h"

namespace driver {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadWholeFile(path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool WaitForFileLine(const std::string& path, const std::string& line, DWORD timeoutMs) {
  return WaitUntil([&] {
    for (const auto& candidate : FileLines(path))
      if (candidate == line) return true;
    return false;
  }, timeoutMs);
}

std::string MakeScratchFolder(const std::string& name) {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  for (;;) {
    const std::string folder = std::string(temp) + name + "-" +
                               std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return "";
  }
}

std::vector<std::string> FileNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool CopyFolder(const std::string& from, const std::string& to,
                const std::vector<std::string>& except) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool copied = true;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    bool skipped = false;
    for (const auto& left : except) skipped = skipped || lstrcmpiA(left.c_str(), name.c_str()) == 0;
    if (skipped) continue;
    const std::string source = from + "\\" + name, target = to + "\\" + name;
    copied = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY
                  ? CopyFolder(source, target)
                  : CopyFileA(source.c_str(), target.c_str(), FALSE) != 0) &&
             copied;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return copied;
}

}  // namespace driver
