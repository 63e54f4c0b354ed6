#include "explorer/core/PathText.h"

#include <cctype>
#include <limits>

namespace explorer {

std::string AddSlash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

std::string DelSlash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path.substr(0, path.size() - 1);
  return path;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || name.empty()) return std::string();
  return AddSlash(folder) + name;
}

std::string DoubleNullTerminate(const std::string& text) {
  if (text.empty() || text.back() == '\0') return text;
  return text + '\0';
}

std::string ShellNameList(const std::string& text) {
  std::string list = DoubleNullTerminate(text);
  // The string's own terminator is the second NUL; an empty list needs both spelled out.
  return list.empty() ? std::string(1, '\0') : list;
}

bool ContainsAnyChar(const std::string& text, const std::string& chars) {
  return text.find_first_of(chars) != std::string::npos;
}

std::string FileNameWithoutExt(const std::string& path) {
  const std::string name = path.substr(path.find_last_of("\\/:") + 1);
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FormatSizeKB(std::int64_t size, const std::string& kind) {
  if (SameText(kind, "DIR")) return " ";
  if (size > 0 && size < 1024) size = 1024;
  return std::to_string(size / 1024) + " KB";
}

std::int32_t SizeInKB(std::int64_t bytes) {
  if (bytes < 0) return 0;
  const std::int64_t kb = bytes / 1024;
  const std::int64_t most = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(kb > most ? most : kb);
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace explorer
