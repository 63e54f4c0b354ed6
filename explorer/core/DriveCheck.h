// Whether a drive can be read: its total size can be asked.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace explorer {

// What the check needs of the platform.
struct TDriveProbe {
  // Total size in bytes of the drive "X:\"; -1 when there is no medium or no such drive.
  std::function<std::int64_t(char letter)> TotalSize;
  // An error box with an OK button.
  std::function<void(const std::string& text)> ShowError;
  // The error beep, then a warning box with an OK button.
  std::function<void(const std::string& text)> WarnNotReady;
};

// A letter a to z counts as A to Z; any other character is reported as not a valid drive and
// is asked all the same (the platform knows no such drive). A drive whose size cannot be
// asked is not ready, with the two-line warning when showMessage is set.
bool DriveReady(char letter, bool showMessage, const TDriveProbe& probe);

}  // namespace explorer
