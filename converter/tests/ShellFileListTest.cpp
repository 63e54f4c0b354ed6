// Listing a folder's files of one type.
#include "converter/ShellFileList.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "testing/driver/files.h"

namespace converter {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ListFilesWithExtension, TakesFilesOfTheTypeInAnyCaseButNoFolders) {
  const std::string folder = driver::MakeScratchFolder("converter-profiles");
  ASSERT_FALSE(folder.empty());
  for (const char* name : {"PSP MPEG-4.OVX", "psp h264.ovx", "Hidden.Ovx", "notes.ovx.txt", "ovx", "readme.txt"})
    ASSERT_TRUE(driver::WriteWholeFile(folder + "\\" + name, "x"));
  SetFileAttributesA((folder + "\\Hidden.Ovx").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(CreateDirectoryA((folder + "\\old.ovx").c_str(), nullptr));
  ASSERT_TRUE(driver::WriteWholeFile(folder + "\\old.ovx\\inner.ovx", "x"));

  const std::vector<std::string> expected{"Hidden.Ovx", "PSP MPEG-4.OVX", "psp h264.ovx"};
  EXPECT_EQ(Sorted(ListFilesWithExtension(folder, ".ovx")), expected);
  EXPECT_EQ(Sorted(ListFilesWithExtension(folder + "\\", ".OVX")), expected);
}

TEST(ListFilesWithExtension, AMissingFolderHasNoFiles) {
  EXPECT_TRUE(ListFilesWithExtension(driver::MakeScratchFolder("converter-profiles") + "\\absent", ".ovx").empty());
}

}  // namespace
}  // namespace converter
