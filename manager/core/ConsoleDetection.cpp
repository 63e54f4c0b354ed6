#include "manager/core/ConsoleDetection.h"

#include "manager/core/ConsolePaths.h"

namespace manager {

bool IsConsoleRoot(const std::string& root, TDriveProbe& probe) {
  return !root.empty() && root == DriveRootOf(root) &&
         probe.FolderExists(root + kConsoleMarkerFolder);
}

std::optional<std::string> FindConsoleRoot(TDriveProbe& probe) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (probe.IsRemovable(root) && IsConsoleRoot(root, probe)) return root;
  }
  return std::nullopt;
}

}  // namespace manager
