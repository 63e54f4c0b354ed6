// Reading the names of a drop.
#include "converter/DroppedFiles.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>

namespace converter {
namespace {

// A drop as the shell hands it over: the names one after another, each ending in a NUL, and a
// NUL after the last.
HDROP MakeDrop(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  list += '\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(DroppedFileNames, GivesEveryNameWholeInTheOrderOfTheDrop) {
  const std::vector<std::string> names{
      "C:\\Videos\\b clip.avi",
      "C:\\Videos\\" + std::string(245, 'n') + ".avi",  // 259 characters, the longest path
      "C:\\Videos\\Holiday"};
  const HDROP drop = MakeDrop(names);
  EXPECT_EQ(DroppedFileNames(drop), names);
  DragFinish(drop);
}

}  // namespace
}  // namespace converter
