// The folder tree beside a file list: its node paths, renames, tree sizes, contents window
// captions and the rules of its context menu.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explorer/core/DriveTree.h"
#include "explorer/core/FileMenu.h"
#include "explorer/core/Separators.h"

namespace explorer {

// The path of a node given the names from the root down to it: empty for the root, "X:\" for a
// drive, the drive and folder names joined with "\" (no final one) for a folder.
std::string BuildNodePath(const std::vector<TNodeName>& fromRoot);

// The characters a folder name may not hold.
extern const char* const kInvalidFolderChars;  // \ * ? / = " < > | : , ; + ^
bool FolderNameValid(const std::string& name);  // non-empty, none of the characters above
// "Error - Invalid Directory Name" CR name.
std::string InvalidDirectoryNameText(const std::string& name);
// The folder a rename gives: the parent folder of oldPath (with its "\") + newName.
std::string RenamedPath(const std::string& oldPath, const std::string& newName);
// "Do you want to rename the selected folder" CR CR "    From  : " old CR "    To     : " new.
std::string RenameQuestion(const std::string& oldPath, const std::string& newPath);

extern const char* const kCantAddDrivesText;        // "Can't add drives"
extern const char* const kFileOperationFailedText;  // "File operation failed"
// The path joined directly to "not found".
std::string FolderNotFoundText(const std::string& path);

// True when path begins with prefix, ignoring case.
bool IsPathPrefix(const std::string& prefix, const std::string& path);
// True when path lies below folder: its text begins with folder + "\", so "C:\Data2" is not
// inside "C:\Data".
bool InsideFolder(const std::string& folder, const std::string& path);
// True when path is folder itself (a final "\" aside) or lies below it.
bool FolderHolds(const std::string& folder, const std::string& path);

// A file or folder found in a folder.
struct TFoundEntry {
  bool Directory;
  std::uint32_t SizeHigh, SizeLow;
};
// The bytes of the files among entries, folders skipped, without 32-bit overflow.
std::int64_t FilesSize(const std::vector<TFoundEntry>& entries);

// "Drive " + path for a drive, "Folder " + the folder's name in double quotes otherwise.
std::string TreeSizeTitle(const std::string& path, bool drive);
// 1 KB for 1 to 1023 bytes, else bytes / 1024 with two decimals and the locale's separators,
// " KB"; above 99,999 KB the KB / 1024 as " MB".
std::string TreeSizeText(double bytes, const TLocaleSeparators& separators = {});
// "=== TREE SIZE ===" CR CR title CR "and all its Sub-Folders  =  " size.
std::string TreeSizeMessage(const std::string& title, double bytes, const TLocaleSeparators& separators = {});

// "Files in " + "\" X:\ \"" for a drive, "\" ..\name \"" for a folder (a final "\" dropped).
std::string ContentsCaption(const std::string& path, bool drive);
extern const char* const kContentsHint;  // "LeftClick - Select" CR "DblClick  - Open"

// The fifteen entries of the tree's context menu, separators included.
const std::vector<TMenuEntry>& TreeMenuEntries();
// Enabled state of each entry by the selected node's kind, none when no node is selected.
// Separators and the network entries stay enabled.
std::vector<bool> TreeMenuEnabled(std::optional<TNodeKind> selected, bool clipboardFilled);

enum class TTreeAction {
  None, NewFolder, Rename, Delete, Cut, Copy, Paste, TreeSize, Contents, MapDrive, DisconnectDrive,
  Properties
};
// By tag (1 New Folder ... 11 Properties); an empty name, tag 0 or an unknown tag does nothing.
TTreeAction TreeItemAction(const std::string& name, std::intptr_t tag);

// The drive a network mapping added: the lowest letter set in after but not in before (bit 0 is
// A); 0 when none was added.
char AddedDrive(std::uint32_t before, std::uint32_t after);

}  // namespace explorer
