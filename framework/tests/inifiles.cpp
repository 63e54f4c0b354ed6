// The INI file class over the platform's profile functions.
#include "framework/IniFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class IniFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path = std::string(folder) + "framework-ini-test.ini";
    DeleteFile(path);
  }
  void TearDown() override { DeleteFile(path); }
  void WriteText(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string path;
};

TEST_F(IniFileTest, ReadsWhatTheFileHoldsAndDefaultsForTheRest) {
  WriteText("[Main]\r\nVersion=1.6\r\nOutput Path=C:\\Videos\\\r\nCount=12\r\nHex=0x10\r\nFlag=0\r\nWord=yes\r\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("main", "version", "1.1"), "1.6");
  EXPECT_EQ(ini.ReadString("Main", "Output Path", ""), "C:\\Videos\\");
  EXPECT_EQ(ini.ReadString("Main", "Missing", "default"), "default");
  EXPECT_EQ(ini.ReadString("Other", "Version", "none"), "none");
  EXPECT_EQ(ini.ReadInteger("Main", "Count", 0), 12);
  EXPECT_EQ(ini.ReadInteger("Main", "Hex", 0), 16);
  EXPECT_EQ(ini.ReadInteger("Main", "Version", -1), -1);
  EXPECT_FALSE(ini.ReadBool("Main", "Flag", true));
  EXPECT_TRUE(ini.ReadBool("Main", "Count", false));
  EXPECT_TRUE(ini.ReadBool("Main", "Word", true));
  EXPECT_FALSE(ini.ReadBool("Main", "Word", false));
}

TEST_F(IniFileTest, WritesReadBackAndReplaceInPlace) {
  TIniFile ini(path);
  ini.WriteString("Main", "Output Path", "D:\\Out\\");
  ini.WriteInteger("Main", "Profile", 3);
  ini.WriteBool("Main", "Overwrite", true);
  ini.WriteString("Main", "Output Path", "E:\\");
  EXPECT_EQ(ini.ReadString("Main", "Output Path", ""), "E:\\");
  EXPECT_EQ(ini.ReadInteger("Main", "Profile", 0), 3);
  EXPECT_TRUE(ini.ReadBool("Main", "Overwrite", false));
  TStringList keys;
  ini.ReadSection("Main", &keys);
  EXPECT_EQ(keys.Text(), "Output Path\r\nProfile\r\nOverwrite\r\n");
}

TEST_F(IniFileTest, SectionsAndValuesExistUntilErased) {
  TIniFile ini(path);
  EXPECT_FALSE(ini.SectionExists("Main"));
  ini.WriteString("Main", "Key", "value");
  ini.WriteString("Default", "Key", "other");
  EXPECT_TRUE(ini.SectionExists("main"));
  EXPECT_TRUE(ini.ValueExists("Main", "KEY"));
  EXPECT_FALSE(ini.ValueExists("Main", "Other"));
  ini.EraseSection("Main");
  EXPECT_FALSE(ini.SectionExists("Main"));
  EXPECT_EQ(ini.ReadString("Default", "Key", ""), "other");
}

TEST_F(IniFileTest, LongValuesAreReadWhole) {
  std::string value(5000, 'x');
  TIniFile ini(path);
  ini.WriteString("Main", "Long", value);
  EXPECT_EQ(ini.ReadString("Main", "Long", ""), value);
}

TEST(RegistryIniFileTest, ValuesLiveUnderTheKeyBySection) {
  const std::string key = "Software\\TessarkTests\\RegistryIniFile";
  RegDeleteKeyA(HKEY_CURRENT_USER, (key + "\\Widths").c_str());
  TRegistryIniFile ini(key);
  EXPECT_EQ(ini.ReadInteger("Widths", "col0", -1), -1);
  ini.WriteInteger("Widths", "col0", 260);
  ini.WriteString("Widths", "name", "Input File");
  EXPECT_EQ(ini.ReadInteger("Widths", "col0", -1), 260);
  EXPECT_EQ(TRegistryIniFile(key).ReadString("Widths", "name", ""), "Input File");
  EXPECT_EQ(ini.ReadString("Other", "name", "none"), "none");
  char value[16] = "";
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, (key + "\\Widths").c_str(), "col0", RRF_RT_REG_SZ, nullptr, value, &size);
  EXPECT_STREQ(value, "260");
  RegDeleteKeyA(HKEY_CURRENT_USER, (key + "\\Widths").c_str());
}

}  // namespace
