#include "explorer/core/PathText.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

TEST(PathTextTest, SlashesAndJoins) {
  struct Case {
    std::string path, added, removed;
  };
  for (const Case& c : {
           Case{"", "", ""},
           Case{"C:\\", "C:\\", "C:"},            // a drive root keeps its backslash
           Case{"C:\\Data", "C:\\Data\\", "C:\\Data"},
           Case{"C:\\Data\\\\", "C:\\Data\\\\", "C:\\Data\\"},  // only one goes
       }) {
    EXPECT_EQ(AddSlash(c.path), c.added) << c.path;
    EXPECT_EQ(DelSlash(c.path), c.removed) << c.path;
  }
  EXPECT_EQ(JoinPath("C:\\", "a.mp4"), "C:\\a.mp4");
  EXPECT_EQ(JoinPath("C:\\Data", "a.mp4"), "C:\\Data\\a.mp4");
  EXPECT_EQ(JoinPath("", "a.mp4"), "");
  EXPECT_EQ(JoinPath("C:\\Data", ""), "");
}

TEST(PathTextTest, NameListsForTheShellEndInTwoNuls) {
  using namespace std::string_literals;
  EXPECT_EQ(DoubleNullTerminate(""), "");
  EXPECT_EQ(DoubleNullTerminate("a"), "a\0"s);
  EXPECT_EQ(DoubleNullTerminate("a\0b\0"s), "a\0b\0"s);
  // With the string's own terminator each becomes a list ending in two NULs, the empty one too.
  EXPECT_EQ(ShellNameList(""), "\0"s);
  EXPECT_EQ(ShellNameList("a"), "a\0"s);
  EXPECT_EQ(ShellNameList("a\0b\0"s), "a\0b\0"s);
}

TEST(PathTextTest, ContainsAnyChar) {
  EXPECT_TRUE(ContainsAnyChar("a?b", "\\/:*?\"<>|"));
  EXPECT_FALSE(ContainsAnyChar("ab", "\\/:*?\"<>|"));
  EXPECT_FALSE(ContainsAnyChar("", "?"));
  EXPECT_FALSE(ContainsAnyChar("a?", ""));
}

TEST(PathTextTest, FileNameWithoutExtTakesOnlyTheFinalExtension) {
  struct Case {
    std::string path, name;
  };
  for (const Case& c : {
           Case{"C:\\Videos\\clip.mp4", "clip"},
           Case{"C:\\Videos\\a.mp4.b.mp4", "a.mp4.b"},  // the earlier ".mp4" stays
           Case{"C:\\My.Videos\\clip", "clip"},        // a dot of the folder is not the name's
           Case{"clip.", "clip"},
           Case{"C:clip.THM", "clip"},
           Case{"", ""},
       })
    EXPECT_EQ(FileNameWithoutExt(c.path), c.name) << c.path;
}

TEST(PathTextTest, SizesInKilobytes) {
  struct Case {
    std::int64_t size;
    std::string kind, text;
  };
  for (const Case& c : {
           Case{0, "", "0 KB"},
           Case{1, "", "1 KB"},
           Case{1023, "", "1 KB"},
           Case{2047, "", "1 KB"},
           Case{2048, "", "2 KB"},
           Case{5368709120LL, "MP4", "5242880 KB"},  // past 4 GB
           Case{1, "dir", " "},
           Case{5368709120LL, "Dir", " "},
       })
    EXPECT_EQ(FormatSizeKB(c.size, c.kind), c.text) << c.size << " " << c.kind;
  EXPECT_EQ(SizeInKB(-1), 0);
  EXPECT_EQ(SizeInKB(2047), 1);
  EXPECT_EQ(SizeInKB(2199023254528LL), 2147483647);  // 2 TB and 1 KB more
}

}  // namespace
}  // namespace explorer
