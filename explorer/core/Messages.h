// The texts the folder browser controls show.
#pragma once
#include <string>

namespace explorer {

extern const char* const kNotValidDriveText;     // "Not a valid Drive ID"
extern const char* const kBrowseDirectoryTitle;  // "Please specify a directory"

// "There is no disk in Drive X" CR "or Drive X: is not ready".
std::string NoDiskText(char letter);
// "ERROR - Can't <operation> file  <file>" (two blanks after "file").
std::string ExecuteErrorText(const std::string& operation, const std::string& fileName);
// The path's last component (a final "\" and a final NUL removed first) in double quotes
// + " already exists !".
std::string AlreadyExistsText(const std::string& path);
// What a failed properties request says for the platform's error code; empty for codes that
// show nothing.
std::string PropertiesErrorText(unsigned long code);

}  // namespace explorer
