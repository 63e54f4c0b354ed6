// Path and text rules shared by the folder browser controls.
#pragma once
#include <cstdint>
#include <string>

namespace explorer {

// path + "\" when it is non-empty and does not end with one; empty stays empty.
std::string AddSlash(const std::string& path);
// path without one final "\".
std::string DelSlash(const std::string& path);
// AddSlash(folder) + name when both are non-empty; empty otherwise.
std::string JoinPath(const std::string& folder, const std::string& name);
// text with one NUL appended unless it ends with one; empty stays empty.
std::string DoubleNullTerminate(const std::string& text);
// text, ended by the two NULs the shell's file operations expect of a list, also when empty.
std::string ShellNameList(const std::string& text);
// true when any character of text occurs in chars.
bool ContainsAnyChar(const std::string& text, const std::string& chars);
// The file-name part of path without its extension (from its last "."); an earlier place
// where the same text occurs in the name stays.
std::string FileNameWithoutExt(const std::string& path);
// Sizes in a file list: a size from 1 to 1023 counts as 1024, then size div 1024 + " KB";
// a single blank for a kind that reads "DIR" in any letter case.
std::string FormatSizeKB(std::int64_t size, const std::string& kind);
// Kilobytes of a drive as a 32-bit count: 0 for a size that could not be measured (negative),
// the largest count for one beyond it.
std::int32_t SizeInKB(std::int64_t bytes);
// ASCII comparison without regard to letter case.
bool SameText(const std::string& a, const std::string& b);

}  // namespace explorer
