#pragma once
#include <string>
#include <vector>

namespace converter {

// The input files the converter recognises, by extension compared in lower case.
const std::vector<std::string>& InputExtensions();  // ".avi", ".mpg", ... with the dot
// "*.avi;*.mpg;...;" (with the final ";"): the files taken from an added folder.
std::string InputMask();
// The open dialog's filter: all supported types, then each one, then all files.
std::string InputFilter();
// Whether the file's extension is one of InputExtensions(); for dropped files and the
// command line.
bool HasSupportedExtension(const std::string& path);

}  // namespace converter
