#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);  // "" when it cannot be read
bool WriteWholeFile(const std::string& path, const std::string& text);
// The file's lines without their line ends.
std::vector<std::string> FileLines(const std::string& path);
// The names of the files (not folders) that the pattern ("C:\\out\\*.mp4") finds, sorted.
std::vector<std::string> FileNames(const std::string& pattern);
// Polls until the file has a line equal to the given one.
bool WaitForFileLine(const std::string& path, const std::string& line, DWORD timeoutMs);

// A new empty folder under the temporary folder, its name made of the given one and a
// number unique in this run; returned without a trailing backslash.
std::string MakeScratchFolder(const std::string& name);
// Copies the folder's files and subfolders into the target, which is made if needed;
// files named in "except" (at the top level) are left out.
bool CopyFolder(const std::string& from, const std::string& to,
                const std::vector<std::string>& except = {});

}  // namespace driver
