// The INI file class: read through the platform's profile functions, written whole.
#include "framework/IniFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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
  std::string ReadText() const {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
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

// Only the written line changes: the others keep their bytes, blanks and line breaks.
TEST_F(IniFileTest, WritingChangesOnlyTheLineOfTheKey) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* after;
  };
  for (const Case& c : {
           Case{"; kept\n[Main]\nVersion = 1.6\nOutput Path = C:\\\n", "main", "OUTPUT PATH",
                "; kept\n[Main]\nVersion = 1.6\nOUTPUT PATH=D:\\\n"},
           Case{"[Main]\r\nA=1\r\n\r\n[Other]\r\nB=2", "Main", "Output Path",
                "[Main]\r\nA=1\r\nOutput Path=D:\\\r\n\r\n[Other]\r\nB=2"},
           Case{"[Other]\r\nB=2", "Main", "Output Path",
                "[Other]\r\nB=2\r\n[Main]\r\nOutput Path=D:\\\r\n"},
       }) {
    WriteText(c.before);
    TIniFile(path).WriteString(c.section, c.key, "D:\\");
    EXPECT_EQ(ReadText(), c.after) << c.before;
    EXPECT_EQ(TIniFile(path).ReadString("Main", "Output Path", ""), "D:\\") << c.before;
  }
}

// The file is replaced only by its whole new form, and one that cannot be read is not written.
TEST_F(IniFileTest, AFileThatCannotBeReadOrReplacedKeepsItsBytes) {
  const std::string content = "[Main]\r\nOutput Path=D:\\Films\\\r\nProfile=2\r\n";
  struct Case {
    const char* note;
    DWORD share;       // that a handle (with no access of its own) held on the file allows
    DWORD attributes;  // of the file
  };
  for (const Case& c : {
           Case{"others may write it but not read it", FILE_SHARE_WRITE, FILE_ATTRIBUTE_NORMAL},
           Case{"read-only", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                FILE_ATTRIBUTE_READONLY},
       }) {
    WriteText(content);
    const HANDLE held = CreateFileA(path.c_str(), 0, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.note;
    SetFileAttributesA(path.c_str(), c.attributes);
    EXPECT_THROW(TIniFile(path).WriteString("Main", "Output Path", "E:\\"), EIniFileException) << c.note;
    EXPECT_THROW(TIniFile(path).EraseSection("Main"), EIniFileException) << c.note;
    CloseHandle(held);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadText(), content) << c.note;
  }
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
