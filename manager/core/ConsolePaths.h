// Where the console keeps its videos, and which paths name a console's drive at all.
#pragma once
#include <string>

namespace manager {

// The folder at a drive's root that makes the drive a console.
constexpr const char* kConsoleMarkerFolder = "MP_ROOT";

// The console's video folder below the drive root for the index of the video type combo:
// 0 "MPEG-4 Video", any other "MPEG-4 AVC Video".
std::string ConsoleVideoFolder(int typeIndex);

// The root ("X:\") of the drive that a path starts with, for a path that starts with a drive
// letter and ":"; empty for anything else ("", "Drives", "\folder", a network path), which
// names no console.
std::string DriveRootOf(const std::string& path);

// Whether the path stands by itself: a drive letter with ":\" or a network path. Any other
// path would be read against the current directory, which the manager never relies on.
bool IsAbsolutePath(const std::string& path);

// The folder with one trailing "\" added when missing; an empty text stays empty, so that
// no folder never turns into the root of the current drive.
std::string AddBackslash(const std::string& folder);

}  // namespace manager
