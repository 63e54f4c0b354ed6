// Finding the console among the computer's drives.
#pragma once
#include <optional>
#include <string>

namespace manager {

// What detection asks of the computer's drives.
class TDriveProbe {
public:
  virtual ~TDriveProbe() = default;
  // Whether the drive of the root ("X:\") is a removable one.
  virtual bool IsRemovable(const std::string& root) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
};

// Whether the root names a drive ("X:\") that holds the console's marker folder.
bool IsConsoleRoot(const std::string& root, TDriveProbe& probe);

// The root ("X:\") of the console with the lowest drive letter: a removable drive that holds
// the marker folder at its root. Nothing when there is none.
std::optional<std::string> FindConsoleRoot(TDriveProbe& probe);

}  // namespace manager
