// Numbers, text and file names of the system helpers.
#include <gtest/gtest.h>

#include "framework/SysUtils.h"

namespace {

TEST(SysUtils, IntegersInDecimalAndHexadecimal) {
  EXPECT_EQ(StrToIntDef(" 42 ", 0), 42);
  EXPECT_EQ(StrToIntDef("-7", 0), -7);
  EXPECT_EQ(StrToIntDef("$1F", 0), 31);
  EXPECT_EQ(StrToIntDef("0x10", 0), 16);
  EXPECT_EQ(StrToIntDef("12a", -1), -1);
  EXPECT_EQ(StrToIntDef("", -1), -1);
  EXPECT_EQ(StrToIntDef("2147483648", -1), -1);
  EXPECT_THROW(StrToInt("x"), EConvertError);
  EXPECT_EQ(IntToHex(255, 4), "00FF");
}

TEST(SysUtils, TextHelpers) {
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_TRUE(SameText("Output", "OUTPUT"));
  EXPECT_EQ(StringReplace("a.b.c", ".", "::"), "a::b::c");
  EXPECT_EQ(StringReplace("aXbx", "x", "-", true, true), "a-b-");
  EXPECT_EQ(StringReplace("a.b.c", ".", "", false), "ab.c");
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("z", "hello"), 0);
}

TEST(SysUtils, FileNameParts) {
  EXPECT_EQ(ExtractFilePath("C:\\Videos\\clip.avi"), "C:\\Videos\\");
  EXPECT_EQ(ExtractFileDir("C:\\Videos\\clip.avi"), "C:\\Videos");
  EXPECT_EQ(ExtractFileDir("C:\\clip.avi"), "C:\\");
  EXPECT_EQ(ExtractFileName("C:\\Videos\\clip.avi"), "clip.avi");
  EXPECT_EQ(ExtractFileExt("C:\\v.1\\clip.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileExt("C:\\v.1\\clip"), "");
  EXPECT_EQ(ChangeFileExt("clip.avi", ".mp4"), "clip.mp4");
  EXPECT_EQ(ChangeFileExt("clip", ".THM"), "clip.THM");
  EXPECT_EQ(ExtractFileDrive("P:\\MP_ROOT"), "P:");
  EXPECT_EQ(ExtractFileDrive("\\\\server\\share\\dir"), "\\\\server\\share");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\a\\"), "C:\\a");
}

TEST(SysUtils, FoldersAndFiles) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string root = std::string(temp) + "framework-sysutils";
  std::string deep = root + "\\one\\two";
  ASSERT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  std::string file = deep + "\\a.txt";
  FILE* f = fopen(file.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fputs("12345", f);
  fclose(f);
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_EQ(FileSizeOf(file), 5);
  EXPECT_TRUE(RenameFile(file, deep + "\\b.txt"));
  EXPECT_TRUE(DeleteFile(deep + "\\b.txt"));
  EXPECT_EQ(FileSizeOf(file), -1);
  RemoveDirectoryA(deep.c_str());
  RemoveDirectoryA((root + "\\one").c_str());
  RemoveDirectoryA(root.c_str());
}

// One file by many names: the file system decides, not the text.
TEST(SysUtils, SameFileByTheFileSystem) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = ExcludeTrailingBackslash(temp) + "\\framework-same-file";
  ASSERT_TRUE(ForceDirectories(folder + "\\sub"));
  const std::string file = folder + "\\A long clip.mp4";
  FILE* f = fopen(file.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fclose(f);
  char shortName[MAX_PATH] = "";
  GetShortPathNameA(file.c_str(), shortName, MAX_PATH);
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(folder.c_str());
  const struct { std::string other; bool same; } cases[] = {
      {"a LONG clip.MP4", true},
      {".\\sub\\..\\A long clip.mp4", true},
      {folder + "\\.\\sub\\..\\A LONG CLIP.mp4", true},
      {shortName, true},  // e.g. ALONGC~1.MP4
      {folder + "\\sub\\A long clip.mp4", false},
      {folder + "\\A long clip.mp4x", false},
      {folder, false},
  };
  for (const auto& c : cases) EXPECT_EQ(SameFile(file, c.other), c.same) << c.other;
  // Names of files that are not there yet compare as full names.
  EXPECT_TRUE(SameFile("new.mp4", folder + "\\sub\\..\\NEW.mp4"));
  EXPECT_FALSE(SameFile("new.mp4", folder + "\\sub\\new.mp4"));
  EXPECT_TRUE(SameFile(folder + "\\sub\\", folder + "\\SUB"));
  SetCurrentDirectoryA(current);
  DeleteFileA(file.c_str());
  RemoveDirectoryA((folder + "\\sub").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
