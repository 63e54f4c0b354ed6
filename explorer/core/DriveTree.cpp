#include "explorer/core/DriveTree.h"

#include "explorer/core/PathText.h"

namespace explorer {

const char* const kDrivesPath = "Drives";

std::string DriveNodeText(char letter, const std::string& displayName) {
  return std::string(" (") + letter + ":)  " + displayName.substr(0, displayName.find('('));
}

std::string NodePath(const std::vector<TNodeName>& fromTop) {
  if (fromTop.empty()) return std::string();
  if (fromTop.back().Kind == TNodeKind::Computer) return kDrivesPath;
  std::string path;
  for (const TNodeName& node : fromTop) {
    if (node.Kind == TNodeKind::Drive) path = node.Text.substr(2, 2) + "\\";
    if (node.Kind == TNodeKind::Folder) path = AddSlash(path) + node.Text;
  }
  return path;
}

std::vector<std::string> PathPieces(const std::string& path) {
  std::vector<std::string> pieces;
  const std::string full = AddSlash(path);
  size_t start = 0;
  for (size_t slash = full.find('\\'); slash != std::string::npos; slash = full.find('\\', start)) {
    pieces.push_back(full.substr(start, slash + 1 - start));
    start = slash + 1;
  }
  return pieces;
}

std::string NodePiece(const TNodeName& node) {
  if (node.Kind == TNodeKind::Drive) return node.Text.substr(2, 2) + "\\";
  return node.Text + "\\";
}

int FindChildPiece(const std::vector<TNodeName>& children, const std::string& piece) {
  for (size_t i = 0; i < children.size(); ++i)
    if (SameText(NodePiece(children[i]), piece)) return static_cast<int>(i);
  return -1;
}

}  // namespace explorer
