// The drop-down tree of drives and folders: what its nodes say and which path each stands for.
#pragma once
#include <string>
#include <vector>

namespace explorer {

// The root is the shell's "computer" folder; without it the drives are the top nodes.
enum class TNodeKind { Computer, Drive, Folder };

struct TNodeName {
  TNodeKind Kind;
  std::string Text;
};

// The pseudo path of the list of drives.
extern const char* const kDrivesPath;  // "Drives"

// " (X:)  " + the shell's display name of the drive up to its first "(" ("label (X:)", the
// label maybe empty): characters 3 and 4 are always the letter and the colon.
std::string DriveNodeText(char letter, const std::string& displayName);

// The path of a node given the names from the top node down to it: "Drives" for the computer,
// "X:\" for a drive, the drive and the folder names joined with "\" (no final one) for a folder.
std::string NodePath(const std::vector<TNodeName>& fromTop);

// The pieces of a path as the tree is searched for it, each ending in "\": "C:\", "Data\", ...
std::vector<std::string> PathPieces(const std::string& path);
// The piece a node answers to: "X:\" for a drive, its text + "\" for a folder.
std::string NodePiece(const TNodeName& node);
// The first of a node's children that answers to piece without regard to letter case; -1 when
// none does. Only the children count: a same-named folder further down never matches.
int FindChildPiece(const std::vector<TNodeName>& children, const std::string& piece);

}  // namespace explorer
