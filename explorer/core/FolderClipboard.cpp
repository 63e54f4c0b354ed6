#include "explorer/core/FolderClipboard.h"

#include "explorer/core/FolderTree.h"
#include "explorer/core/PathText.h"

namespace explorer {

void TFolderClipboard::Keep(const std::string& source, TFolderTransfer transfer) {
  FSource = source;
  FTransfer = transfer;
}

std::optional<TFolderPaste> TFolderClipboard::Take(const std::string& folder) {
  const std::string source = DelSlash(FSource);
  FSource.clear();
  if (source.empty() || folder.empty()) return std::nullopt;
  const std::string destination = AddSlash(folder);
  return TFolderPaste{source, destination, FTransfer, IsPathPrefix(AddSlash(source), destination)};
}

}  // namespace explorer
