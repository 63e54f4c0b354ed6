#include "converter/ShellFileList.h"

#include <windows.h>

#include "common/core/FileNames.h"
#include "converter/core/Paths.h"

namespace converter {

std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((common::AddBackslash(folder) + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return FilesWithExtension(names, extension);
}

}  // namespace converter
