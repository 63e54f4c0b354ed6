// The texts and tables of the file list: its columns, drive rows, attribute letters and
// messages.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace explorer {

enum class TColumnAlign { Left, Right };

struct TColumnSpec {
  const char* Caption;
  int Width;
  TColumnAlign Align;
};

// The widths a list keeps for its folder columns.
struct TFolderColumnWidths {
  int Name = 165, Size = 75, Type = 95, Modified = 125, Attr = 40;
};

// "Name", "Size", "Type", "Modified", "Attr" with the list's widths.
std::vector<TColumnSpec> FolderColumns(const TFolderColumnWidths& widths);
// "Name" 160, "Type" 110, "Disk Size" 90, "Free Space" 90, "Attributes" 40.
std::vector<TColumnSpec> DriveColumns();

extern const char* const kParentCaption;  // " Parent"
extern const char* const kKindDir;        // "dir"
extern const char* const kKindFile;       // "file"
extern const char* const kKindDrive;      // "drv"
constexpr int kParentImage = 3;

extern const char* const kNoFilesSelectedText;   // "No file(s) selected"
extern const char* const kReadOnlyText;          // "It's ReadOnly"
extern const char* const kNoFileSelectedText;    // "No file selected"
extern const char* const kShortcutFailedText;    // "Error - PersistFile.Save failed"
extern const char* const kNewFolderName;         // "New Folder"
extern const char* const kInvalidNameText;       // "Folder Name contains invalid characters"

// Rows that may be renamed in place: folder and file entries, not the parent entry.
bool RowEditable(const std::string& caption, const std::string& kind);
// A new name is refused when it is empty or holds a path separator, which would move the file.
bool NameAcceptable(const std::string& name);

// The platform's drive type codes 0 to 6 as words; any other code an empty text.
std::string DriveTypeText(unsigned type);
// KB div 1000 with the locale's thousands separator and " Mb" ("1,234 Mb"); "0 Mb" below 1 KB.
std::string DriveSizeText(std::int64_t kb, const std::string& thousands = ",");
// "A", "R", "H", "S" for archive, read-only, hidden and system, in that order.
std::string AttributeLetters(bool archive, bool readOnly, bool hidden, bool system);

}  // namespace explorer
