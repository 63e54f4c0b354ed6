#pragma once
#include <windows.h>

#include <string>

namespace converter {

// The shell's folder dialog, owned by the window, with the title as its instruction. It opens
// on folder when that is an existing folder; otherwise folder is emptied first. On a choice
// folder becomes the chosen folder (without a final "\" but for a drive root) and the result
// is true; on Cancel it stays as it is.
bool BrowseForFolder(HWND owner, const std::string& title, std::string& folder);

}  // namespace converter
