// The shell, drive and file helpers that the folder browser controls share. The rules and texts
// are explorer/core's; these ask the platform and show the messages.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "explorer/core/PathText.h"
#include "explorer/core/Separators.h"
#include "framework/ImgList.h"

namespace explorer {

// The thread locale's setting of that type (LOCALE_SSHORTDATE...).
std::string LocaleText(LCTYPE type);
// The thread locale's separators of numbers, dates and times.
TLocaleSeparators LocaleSeparators();

// A file time (UTC) in local time, as dateFormat + " " + timeFormat.
std::string FileTimeToText(const FILETIME& time, const std::string& dateFormat, const std::string& timeFormat,
                           const TLocaleSeparators& separators);

// The drive is the first character of drive; 0 when it cannot be measured.
std::int32_t DiskSizeKB(const std::string& drive);
std::int32_t DiskFreeKB(const std::string& drive);
// Whether the drive of letter has a medium that answers; the system's critical-error boxes are
// kept away meanwhile. Not ready and showMessage: the error beep and the two-line warning.
bool DriveReady(char letter, bool showMessage);

// A wrapper, owned by owner, over the shell's system image list of small icons that shares it:
// the list is never destroyed through the wrapper. Null when the shell has none.
TImageList* NewSmallSystemImages(TComponent* owner);
// System image-list indexes of a path's small icon, and of its small "open" icon.
int GetSmallIconIndex(const std::string& path);
int GetSmallOpenIconIndex(const std::string& path);

// A path of the program's code page as the shell's wide interfaces take it.
std::wstring WidePath(const std::string& path);

// The shell runs the operation ("open"...) on the file; a result of 32 or less is reported.
int ExecuteFile(const std::string& operation, const std::string& fileName, const std::string& parameters,
                const std::string& defaultDir, int showCommand);
// A shell file operation (FO_MOVE, FO_COPY, FO_DELETE, FO_RENAME) with undo allowed, owned by
// the active window; sources and destination are NUL-separated lists. True when it ran to its
// end; aborted says whether the user stopped it.
bool ShellFileOperation(HWND owner, UINT operation, const std::string& sources, const std::string& destination,
                        bool& aborted);
// The shell's folder dialog; the chosen folder with a final "\".
bool BrowseForDirectory(HWND owner, std::string& path);
// True, after saying so, when a file or folder of that path exists.
bool FileAlreadyExists(const std::string& path);
// The shell's properties dialog of the path; a failure is explained for the common codes.
void ShowFileProperties(const std::string& path);

}  // namespace explorer
