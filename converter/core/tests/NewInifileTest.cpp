#include "converter/core/NewInifiles.h"

#include "converter/core/tests/ScratchFolder.h"

namespace converter {
namespace {

using NewInifileReadTest = ScratchFolder;
using NewInifileWriteTest = ScratchFolder;
using NewInifileFileTest = ScratchFolder;

TEST_F(NewInifileReadTest, MatchesSectionsAndKeysInAnyCaseAndKeepsValuesUntrimmed) {
  const TNewInifile ini(Write("a.ini", "[MAIN]\r\noutput path= C:\\Out \r\n"));
  EXPECT_EQ(ini.ReadString("main", "Output Path", "x"), " C:\\Out ");
}

TEST_F(NewInifileReadTest, KeyWithBlankBeforeItsEqualsSignIsNotFound) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\nVersion =2.0\r\n"));
  EXPECT_EQ(ini.ReadString("Main", "Version", "1.6"), "1.6");
}

TEST_F(NewInifileReadTest, KeyMatchesInsideALongerKeyThatComesFirst) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\nSyn Mode=2\r\nMode=1\r\n"));
  EXPECT_EQ(ini.ReadString("Main", "Mode", ""), "2");
}

TEST_F(NewInifileReadTest, ValueIsEverythingAfterTheFirstKeyAndEquals) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\nTitle=a=b\r\n"));
  EXPECT_EQ(ini.ReadString("Main", "Title", ""), "a=b");
}

TEST_F(NewInifileReadTest, KeysOfOtherSectionsAreNotSeen) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\nA=1\r\n[Default]\r\nB=2\r\n"));
  EXPECT_EQ(ini.ReadString("Main", "B", "none"), "none");
  EXPECT_EQ(ini.ReadString("Default", "B", "none"), "2");
  EXPECT_EQ(ini.ReadString("Other", "A", "none"), "none");
}

TEST_F(NewInifileReadTest, BracketInsideAValueDoesNotEndTheSection) {
  const TNewInifile ini(
      Write("a.ini", "[Main]\r\nOutput Path=D:\\Videos [PSP]\\\r\nProfile=2\r\n  [Next]\r\nX=1\r\n"));
  EXPECT_EQ(ini.ReadString("Main", "Output Path", ""), "D:\\Videos [PSP]\\");
  EXPECT_EQ(ini.ReadInteger("Main", "Profile", 0), 2);
  // A header indented with blanks still ends the section.
  EXPECT_EQ(ini.ReadString("Main", "X", "none"), "none");
}

TEST_F(NewInifileReadTest, LinesEndedByLfOrCrAloneAreRead) {
  const TNewInifile ini(Write("a.ini", "[Main]\nA=1\rB=2"));
  EXPECT_EQ(ini.ReadString("Main", "A", ""), "1");
  EXPECT_EQ(ini.ReadString("Main", "B", ""), "2");
}

TEST_F(NewInifileReadTest, KeyIndexCountsFromTheHeaderLine) {
  const TNewInifile ini(Write("a.ini", "x\r\n[Main]\r\nA=1\r\nB=2\r\n"));
  EXPECT_EQ(ini.IndexOfSection("main"), 1);
  EXPECT_EQ(ini.IndexOfKey("Main", "B"), 2);
  EXPECT_EQ(ini.IndexOfKey("Main", "C"), -1);
  EXPECT_EQ(ini.IndexOfSection("Other"), -1);
}

TEST_F(NewInifileWriteTest, KeysOfANewSectionStandInReverseOrderOfWriting) {
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteString("Main", "First", "1");
    ini.WriteString("Main", "Second", "2");
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nSecond=2\r\nFirst=1\r\n");
}

TEST_F(NewInifileWriteTest, ExistingKeyIsReplacedInPlace) {
  Write("a.ini", "[Main]\r\nA=1\r\nProfile=3\r\nB=2\r\n[Default]\r\nProfile=9\r\n");
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteInteger("main", "PROFILE", 5);
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nA=1\r\nPROFILE=5\r\nB=2\r\n[Default]\r\nProfile=9\r\n");
}

TEST_F(NewInifileWriteTest, NewKeyGoesDirectlyUnderItsHeader) {
  Write("a.ini", "[Main]\r\nA=1\r\n[Default]\r\nB=2\r\n");
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteBool("Default", "C", true);
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nA=1\r\n[Default]\r\nC=1\r\nB=2\r\n");
}

TEST_F(NewInifileWriteTest, KeyBelowAValueWithABracketIsReplacedNotDuplicated) {
  Write("a.ini", "[Main]\r\nOutput Path=D:\\Videos [PSP]\\\r\nProfile=2\r\n");
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteInteger("Main", "Profile", 4);
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nOutput Path=D:\\Videos [PSP]\\\r\nProfile=4\r\n");
}

TEST_F(NewInifileFileTest, ReadingAMissingFileGivesDefaultsAndCreatesItEmpty) {
  {
    const TNewInifile ini(PathOf("Preferences.ini"));
    EXPECT_EQ(ini.ReadString("Main", "Version", "1.6"), "1.6");
  }
  ASSERT_TRUE(Exists("Preferences.ini"));
  EXPECT_EQ(Read("Preferences.ini"), "");
}

TEST_F(NewInifileFileTest, ReadingRewritesTheFileWithCrLf) {
  Write("a.ini", "[Main]\nA=1");
  { const TNewInifile ini(PathOf("a.ini")); }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nA=1\r\n");
}

TEST_F(NewInifileFileTest, BytesOutsideAsciiAreKeptAsTheyAre) {
  const std::string content = "[Main]\r\nOutput Path=C:\\Vid\xE9os\\\r\n";
  Write("a.ini", content);
  {
    TNewInifile ini(PathOf("a.ini"));
    EXPECT_EQ(ini.ReadString("Main", "Output Path", ""), "C:\\Vid\xE9os\\");
  }
  EXPECT_EQ(Read("a.ini"), content);
}

TEST_F(NewInifileFileTest, MissingFileThatCannotBeCreatedIsLeftAloneWhenOnlyRead) {
  TNewInifile ini(PathOf("missing-folder/a.ini"));
  EXPECT_EQ(ini.ReadInteger("Main", "Profile", 7), 7);
  EXPECT_NO_THROW(ini.Save());
  ini.WriteString("Main", "Profile", "1");
  EXPECT_THROW(ini.Save(), EFCreateError);
}

TEST_F(NewInifileFileTest, RewritingAValueItAlreadyHasCountsAsUnchanged) {
  TNewInifile ini(Write("a.ini", "[Main]\r\nProfile=1\r\n"));
  // A folder in the file's place cannot be written, not even by an administrator.
  std::filesystem::remove(PathOf("a.ini"));
  std::filesystem::create_directory(PathOf("a.ini"));
  ini.WriteString("Main", "Profile", "1");
  EXPECT_NO_THROW(ini.Save());
  ini.WriteString("Main", "Profile", "2");
  EXPECT_THROW(ini.Save(), EFCreateError);
}

}  // namespace
}  // namespace converter
