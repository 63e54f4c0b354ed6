// The folder tree's clipboard: one folder that Cut or Copy keeps for the next Paste.
#pragma once
#include <optional>
#include <string>

namespace explorer {

enum class TFolderTransfer { Copy, Move };

// What one paste hands the shell: the folder kept goes into Destination (with its final "\").
struct TFolderPaste {
  std::string Source, Destination;
  TFolderTransfer Transfer;
  // The destination is the folder kept or lies below it: no shell can put a folder there.
  bool IntoItself;
};

class TFolderClipboard {
public:
  // Keeps source for one paste; an empty source (nothing selected) leaves the clipboard empty.
  void Keep(const std::string& source, TFolderTransfer transfer);
  bool Filled() const { return !FSource.empty(); }
  // The paste into folder, leaving the clipboard empty whatever comes of it; none when nothing
  // is kept or folder is empty.
  std::optional<TFolderPaste> Take(const std::string& folder);

private:
  std::string FSource;
  TFolderTransfer FTransfer = TFolderTransfer::Copy;
};

}  // namespace explorer
