#include "explorer/core/DriveCheck.h"

#include "explorer/core/Messages.h"

namespace explorer {

bool DriveReady(char letter, bool showMessage, const TDriveProbe& probe) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') probe.ShowError(kNotValidDriveText);
  if (probe.TotalSize(letter) != -1) return true;
  if (showMessage) probe.WarnNotReady(NoDiskText(letter));
  return false;
}

}  // namespace explorer
