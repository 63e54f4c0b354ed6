#include "explorer/core/FileMask.h"

namespace explorer {

std::vector<std::string> MaskPieces(const std::string& mask) {
  const auto first = mask.find_first_not_of(' ');
  std::string rest = first == std::string::npos ? "" : mask.substr(first, mask.find_last_not_of(' ') - first + 1);
  if (rest.empty()) rest = "*.*";
  std::vector<std::string> pieces;
  while (!rest.empty()) {
    const auto semicolon = rest.find(';');
    pieces.push_back(rest.substr(0, semicolon));
    rest = semicolon == std::string::npos ? "" : rest.substr(semicolon + 1);
  }
  return pieces;
}

bool EntryWanted(const std::string& name, const TEntryAttributes& entry, const TEntryAttributes& wanted,
                 bool parentDirEnabled) {
  if (entry.Directory != wanted.Directory) return false;
  if ((entry.ReadOnly && !wanted.ReadOnly) || (entry.Hidden && !wanted.Hidden) || (entry.System && !wanted.System))
    return false;
  if (name == ".") return false;
  if (name == "..") return parentDirEnabled;
  return true;
}

std::string EntryCaption(const std::string& name, bool hideFileExt) {
  const auto dot = name.rfind('.');
  return hideFileExt && dot != std::string::npos ? name.substr(0, dot) : name;
}

}  // namespace explorer
