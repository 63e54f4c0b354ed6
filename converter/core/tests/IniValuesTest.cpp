#include "converter/core/NewInifiles.h"

#include "converter/core/tests/ScratchFolder.h"

namespace converter {
namespace {

// Typed reads of one stored text.
class IniValuesTest : public ScratchFolder {
protected:
  bool Bool(const std::string& stored, bool def) {
    return TNewInifile(Write("a.ini", "[Main]\r\nKey=" + stored + "\r\n")).ReadBool("Main", "Key", def);
  }
  int Integer(const std::string& stored, int def) {
    return TNewInifile(Write("a.ini", "[Main]\r\nKey=" + stored + "\r\n"))
        .ReadInteger("Main", "Key", def);
  }
};

TEST_F(IniValuesTest, BooleanIsZeroOrAnyOtherIntegerOrTheWords) {
  EXPECT_FALSE(Bool("0", true));
  EXPECT_TRUE(Bool("1", false));
  EXPECT_TRUE(Bool("-1", false));
  EXPECT_TRUE(Bool("42", false));
  EXPECT_TRUE(Bool("true", false));
  EXPECT_FALSE(Bool("FALSE", true));
}

TEST_F(IniValuesTest, BooleanThatDoesNotConvertGivesTheDefault) {
  EXPECT_TRUE(Bool("yes", true));
  EXPECT_FALSE(Bool("yes", false));
  EXPECT_TRUE(Bool("", true));
  EXPECT_FALSE(Bool("1.5", false));
}

TEST_F(IniValuesTest, IntegerIsDecimalWithBlanksAroundAllowed) {
  EXPECT_EQ(Integer("12", 0), 12);
  EXPECT_EQ(Integer(" -3 ", 0), -3);
  EXPECT_EQ(Integer("+7", 0), 7);
  EXPECT_EQ(Integer("2147483647", 0), 2147483647);
}

TEST_F(IniValuesTest, IntegerThatDoesNotConvertGivesTheDefault) {
  EXPECT_EQ(Integer("", 5), 5);
  EXPECT_EQ(Integer("1x", 5), 5);
  EXPECT_EQ(Integer("-", 5), 5);
  EXPECT_EQ(Integer("2147483648", 5), 5);
}

TEST_F(IniValuesTest, MissingKeysGiveTheDefaults) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\n"));
  EXPECT_TRUE(ini.ReadBool("Main", "Key", true));
  EXPECT_FALSE(ini.ReadBool("Main", "Key", false));
  EXPECT_EQ(ini.ReadInteger("Main", "Key", -1), -1);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Main", "Key", 2.5), 2.5);
}

TEST_F(IniValuesTest, WrittenValuesReadBackAsWritten) {
  TNewInifile ini(PathOf("a.ini"));
  ini.WriteBool("Main", "On", true);
  ini.WriteBool("Main", "Off", false);
  ini.WriteInteger("Main", "Number", -12);
  EXPECT_EQ(ini.ReadString("Main", "On", ""), "1");
  EXPECT_EQ(ini.ReadString("Main", "Off", ""), "0");
  EXPECT_TRUE(ini.ReadBool("Main", "On", false));
  EXPECT_FALSE(ini.ReadBool("Main", "Off", true));
  EXPECT_EQ(ini.ReadInteger("Main", "Number", 0), -12);
}

TEST_F(IniValuesTest, FloatUsesTheDecimalPoint) {
  const TNewInifile ini(Write("a.ini", "[Main]\r\nA=1.25\r\nB=1,25\r\n"));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Main", "A", 0), 1.25);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Main", "B", 9), 9);
}

}  // namespace
}  // namespace converter
