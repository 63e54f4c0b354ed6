#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace converter {

// The names of the files and folders of a drop, in the order of the drop, each whole however
// long. The drop stays the caller's to release (DragFinish).
std::vector<std::string> DroppedFileNames(HDROP drop);

}  // namespace converter
