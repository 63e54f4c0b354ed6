// Skin files found beside the program, and containers loaded through temporary files.
#include "skin/SkinFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <set>

#include "framework/SysUtils.h"
#include "skin/BuiltInSkin.h"

namespace skin {
namespace {

std::string TempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return IncludeTrailingBackslash(path);
}

std::set<std::string> TempSkinFiles() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((TempFolder() + "*.kiv").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do
    names.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

TEST(FindSkinFile, TakesTheNameOrElseItsFileNameInTheProgramsFolder) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string besideProgram = ExtractFilePath(exe) + "find_skin_test.kiv";
  std::ofstream(besideProgram) << "skin";

  EXPECT_EQ(FindSkinFile("Z:\\nowhere\\find_skin_test.kiv"), besideProgram);
  EXPECT_EQ(FindSkinFile(besideProgram), besideProgram);
  EXPECT_EQ(FindSkinFile("Z:\\nowhere\\no_such_skin.kiv"), "");
  EXPECT_EQ(FindSkinFile(""), "");
  DeleteFileA(besideProgram.c_str());
}

TEST(LoadSkinThroughTempFile, LoadsTheContainerAndLeavesNoFileBehind) {
  const std::set<std::string> before = TempSkinFiles();
  TkivSkinReader reader;
  ASSERT_TRUE(LoadSkinThroughTempFile(reader, BuiltInSkinData()));
  EXPECT_TRUE(reader.Ready());
  EXPECT_EQ(reader.GetInt("FormMinWidthInt"), 200);

  EXPECT_FALSE(LoadSkinThroughTempFile(reader, {'K', 'i', 'v'}));
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(TempSkinFiles(), before);
}

}  // namespace
}  // namespace skin
