#include "explorer/core/FolderTree.h"

#include <cstdio>

#include "explorer/core/PathText.h"

namespace explorer {

const char* const kInvalidFolderChars = "\\*?/=\"<>|:,;+^";
const char* const kCantAddDrivesText = "Can't add drives";
const char* const kFileOperationFailedText = "File operation failed";
const char* const kContentsHint = "LeftClick - Select\rDblClick  - Open";

std::string BuildNodePath(const std::vector<TNodeName>& fromRoot) {
  if (fromRoot.empty() || fromRoot.back().Kind == TNodeKind::Computer) return std::string();
  return NodePath(fromRoot);
}

bool FolderNameValid(const std::string& name) {
  return !name.empty() && !ContainsAnyChar(name, kInvalidFolderChars);
}

std::string InvalidDirectoryNameText(const std::string& name) { return "Error - Invalid Directory Name\r" + name; }

std::string RenamedPath(const std::string& oldPath, const std::string& newName) {
  return oldPath.substr(0, oldPath.find_last_of('\\') + 1) + newName;
}

std::string RenameQuestion(const std::string& oldPath, const std::string& newPath) {
  return "Do you want to rename the selected folder\r\r    From  : " + oldPath + "\r    To     : " + newPath;
}

std::string FolderNotFoundText(const std::string& path) { return path + "not found"; }

bool IsPathPrefix(const std::string& prefix, const std::string& path) {
  return path.size() >= prefix.size() && SameText(path.substr(0, prefix.size()), prefix);
}

bool InsideFolder(const std::string& folder, const std::string& path) {
  return !folder.empty() && IsPathPrefix(AddSlash(folder), path);
}

bool FolderHolds(const std::string& folder, const std::string& path) {
  return !folder.empty() && IsPathPrefix(AddSlash(folder), AddSlash(path));
}

std::int64_t FilesSize(const std::vector<TFoundEntry>& entries) {
  std::int64_t total = 0;
  for (const TFoundEntry& e : entries)
    if (!e.Directory) total += (static_cast<std::int64_t>(e.SizeHigh) << 32) | e.SizeLow;
  return total;
}

std::string TreeSizeTitle(const std::string& path, bool drive) {
  if (drive) return "Drive " + path;
  const std::string folder = DelSlash(path);
  return "Folder \"" + folder.substr(folder.find_last_of('\\') + 1) + "\"";
}

namespace {

std::string TwoDecimals(double value, const TLocaleSeparators& separators) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  const std::string plain = buffer;
  const size_t point = plain.find('.');
  return GroupThousands(plain.substr(0, point), separators.Thousands) + separators.Decimal + plain.substr(point + 1);
}

}  // namespace

std::string TreeSizeText(double bytes, const TLocaleSeparators& separators) {
  const double kb = bytes > 0 && bytes < 1024 ? 1 : bytes / 1024;
  return kb > 99999 ? TwoDecimals(kb / 1024, separators) + " MB" : TwoDecimals(kb, separators) + " KB";
}

std::string TreeSizeMessage(const std::string& title, double bytes, const TLocaleSeparators& separators) {
  return "=== TREE SIZE ===\r\r" + title + "\rand all its Sub-Folders  =  " + TreeSizeText(bytes, separators);
}

std::string ContentsCaption(const std::string& path, bool drive) {
  if (drive) return "Files in \" " + path.substr(0, 1) + ":\\ \"";
  const std::string folder = DelSlash(path);
  return "Files in \" ..\\" + folder.substr(folder.find_last_of('\\') + 1) + " \"";
}

const std::vector<TMenuEntry>& TreeMenuEntries() {
  static const std::vector<TMenuEntry> entries{
      {"&New Folder", "AddNode", "NewFolder28", 1},
      {"&Rename Folder", "EditNode", "EditFolder28", 2},
      {"&Delete Folder", "DelNode", "DelFolder28", 3},
      {"-", "", "", 0},
      {"Cu&t", "CutNode", "Cut28", 4},
      {"&Copy", "CopyNode", "Copy28", 5},
      {"&Paste", "PasteNode", "Paste28", 6},
      {"-", "", "", 0},
      {"Tree &Size", "GetTreeSize", "TreeSize28", 7},
      {"&Folder Contents", "ShowFolderContents", "DirContents28", 8},
      {"-", "", "", 0},
      {"&Map Network Drive", "ConnectNetResource", "NetConnect28", 9},
      {"Di&sConnect Network Drive", "DisConnectNetResource", "NetDisConnect28", 10},
      {"-", "", "", 0},
      {"&Properties", "ItemProperty", "Attributes28", 11},
  };
  return entries;
}

std::vector<bool> TreeMenuEnabled(std::optional<TNodeKind> selected, bool clipboardFilled) {
  const bool path = selected && *selected != TNodeKind::Computer, folder = selected == TNodeKind::Folder;
  const std::vector<TMenuEntry>& entries = TreeMenuEntries();
  std::vector<bool> enabled(entries.size(), true);
  for (size_t i = 0; i < entries.size(); ++i) {
    switch (TreeItemAction(entries[i].Name, entries[i].Tag)) {
      case TTreeAction::NewFolder: case TTreeAction::TreeSize: case TTreeAction::Contents:
      case TTreeAction::Properties:
        enabled[i] = path;
        break;
      case TTreeAction::Rename: case TTreeAction::Delete: case TTreeAction::Cut: case TTreeAction::Copy:
        enabled[i] = folder;
        break;
      case TTreeAction::Paste:
        enabled[i] = folder && clipboardFilled;
        break;
      default:
        break;
    }
  }
  return enabled;
}

TTreeAction TreeItemAction(const std::string& name, std::intptr_t tag) {
  if (name.empty() || tag < 1 || tag > static_cast<std::intptr_t>(TTreeAction::Properties)) return TTreeAction::None;
  return static_cast<TTreeAction>(tag);
}

char AddedDrive(std::uint32_t before, std::uint32_t after) {
  const std::uint32_t added = after & ~before;
  for (int i = 0; i < 26; ++i)
    if (added & (1u << i)) return static_cast<char>('A' + i);
  return 0;
}

}  // namespace explorer
