#include "manager/core/ConsolePaths.h"

#include <cctype>

namespace manager {

std::string ConsoleVideoFolder(int typeIndex) {
  return typeIndex == 0 ? "MP_ROOT\\100MNV01\\" : "MP_ROOT\\101ANV01\\";
}

static bool StartsWithDrive(const std::string& path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string DriveRootOf(const std::string& path) {
  if (!StartsWithDrive(path)) return "";
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))) +
         ":\\";
}

bool IsAbsolutePath(const std::string& path) {
  return (StartsWithDrive(path) && path.size() >= 3 && path[2] == '\\') ||
         path.rfind("\\\\", 0) == 0;
}

std::string AddBackslash(const std::string& folder) {
  return folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
}

}  // namespace manager
