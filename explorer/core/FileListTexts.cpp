#include "explorer/core/FileListTexts.h"

#include "explorer/core/Separators.h"

namespace explorer {

const char* const kParentCaption = " Parent";
const char* const kKindDir = "dir";
const char* const kKindFile = "file";
const char* const kKindDrive = "drv";
const char* const kNoFilesSelectedText = "No file(s) selected";
const char* const kReadOnlyText = "It's ReadOnly";
const char* const kNoFileSelectedText = "No file selected";
const char* const kShortcutFailedText = "Error - PersistFile.Save failed";
const char* const kNewFolderName = "New Folder";
const char* const kInvalidNameText = "Folder Name contains invalid characters";

bool RowEditable(const std::string& caption, const std::string& kind) {
  return caption != kParentCaption && (kind == kKindDir || kind == kKindFile);
}

bool NameAcceptable(const std::string& name) { return !name.empty() && name.find_first_of("\\/") == std::string::npos; }

std::vector<TColumnSpec> FolderColumns(const TFolderColumnWidths& w) {
  return {{"Name", w.Name, TColumnAlign::Left},
          {"Size", w.Size, TColumnAlign::Right},
          {"Type", w.Type, TColumnAlign::Left},
          {"Modified", w.Modified, TColumnAlign::Left},
          {"Attr", w.Attr, TColumnAlign::Left}};
}

std::vector<TColumnSpec> DriveColumns() {
  return {{"Name", 160, TColumnAlign::Left},
          {"Type", 110, TColumnAlign::Left},
          {"Disk Size", 90, TColumnAlign::Right},
          {"Free Space", 90, TColumnAlign::Right},
          {"Attributes", 40, TColumnAlign::Left}};
}

std::string DriveTypeText(unsigned type) {
  static const char* const texts[] = {"Unknown",     "Not exist",   "Removable Disk", "Fixed Disk",
                                      "Network Disk", "CD-ROM Disk", "RAM Disk"};
  return type < sizeof texts / sizeof *texts ? texts[type] : "";
}

std::string DriveSizeText(std::int64_t kb, const std::string& thousands) {
  if (kb < 1) return "0 Mb";
  const std::string text = GroupThousands(std::to_string(kb / 1000), thousands);
  // The pattern's digits are all optional: a KB count under 1000 shows no number at all.
  return (text == "0" ? "" : text) + " Mb";
}

std::string AttributeLetters(bool archive, bool readOnly, bool hidden, bool system) {
  return std::string(archive ? "A" : "") + (readOnly ? "R" : "") + (hidden ? "H" : "") + (system ? "S" : "");
}

}  // namespace explorer
