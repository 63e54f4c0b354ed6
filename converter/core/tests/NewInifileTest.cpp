#include "converter/core/NewInifiles.h"

#include "common/core/TextCase.h"
#include "converter/core/tests/ScratchFolder.h"

#include <signal.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using common::LowerCase;
using common::SameText;

namespace converter {
namespace {

// Files are opened with the rights of an ordinary user while this lives, also when the tests
// run as the administrator, whom no file mode keeps out: a file-system user id other than 0
// takes the rights to pass over modes away.
class TOrdinaryUserRights {
public:
  TOrdinaryUserRights() : FAdministrator(geteuid() == 0) {
    if (FAdministrator) setfsuid(65534);
  }
  ~TOrdinaryUserRights() {
    if (FAdministrator) setfsuid(0);
  }

private:
  bool FAdministrator;
};

// Writing past size bytes of a file fails while this lives, as on a full disk.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t size) {
    getrlimit(RLIMIT_FSIZE, &FOld);
    FOldSignal = signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
    rlimit limited = FOld;
    limited.rlim_cur = size;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    signal(SIGXFSZ, FOldSignal);
  }

private:
  rlimit FOld{};
  sighandler_t FOldSignal;
};

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

// The text before a line's first "=" names its key; what follows is value only.
TEST_F(NewInifileReadTest, AValueNeverAnswersForAKey) {
  struct Case {
    const char* line;
    const char* key;
    const char* value;  // read with the default "none"
  };
  for (const Case& c : {
           Case{"Output Path=E:\\Overwrite=no\\", "Overwrite", "none"},
           Case{"Output Path=D:\\rips profile=hq\\", "Profile", "none"},
           Case{"Output Path=E:\\Overwrite=no\\", "Output Path", "E:\\Overwrite=no\\"},
           Case{"Title=Mode=1", "Mode", "none"},
           Case{"Syn Mode=2", "mode", "2"},  // the key may end a longer one
           Case{"Version =2.0", "Version", "none"},
           Case{"No equals sign Profile", "Profile", "none"},
       }) {
    const TNewInifile ini(Write("a.ini", std::string("[Main]\r\n") + c.line + "\r\n"));
    EXPECT_EQ(ini.ReadString("Main", c.key, "none"), c.value) << c.line << " / " << c.key;
  }
}

TEST_F(NewInifileReadTest, ASectionHeaderInsideAValueIsNoSection) {
  const TNewInifile ini(
      Write("a.ini", "[Main]\r\nOutput Path=E:\\[Default]\\\r\nA=1\r\n[Default]\r\nA=2\r\n"));
  EXPECT_EQ(ini.IndexOfSection("Default"), 3);
  EXPECT_EQ(ini.ReadString("Default", "A", ""), "2");
  EXPECT_EQ(ini.ReadString("Main", "A", ""), "1");
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

// The look-up rule as a plain scan from the top of the lines: what the file's indexes must
// answer.
class TLinearIni {
public:
  explicit TLinearIni(std::vector<std::string> lines) : FLines(std::move(lines)) {}

  int Section(const std::string& name) const {
    for (size_t i = 0; i < FLines.size(); ++i) {
      const auto first = FLines[i].find_first_not_of(" \t");
      if (first != std::string::npos && FLines[i][first] == '[' &&
          LowerCase(FLines[i]).find(LowerCase("[" + name + "]")) != std::string::npos)
        return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<std::string> Body(const std::string& name) const {
    const int s = Section(name);
    if (s < 0) return {};
    const std::string header = LowerCase("[" + name + "]");
    std::vector<std::string> body{
        FLines[s].substr(LowerCase(FLines[s]).find(header) + header.size())};
    for (size_t i = s + 1; i < FLines.size(); ++i) {
      const auto first = FLines[i].find_first_not_of(" \t");
      if (first != std::string::npos && FLines[i][first] == '[') break;
      body.push_back(FLines[i]);
    }
    return body;
  }
  int Key(const std::string& name, const std::string& key) const {
    const std::vector<std::string> body = Body(name);
    for (size_t i = 0; i < body.size(); ++i) {
      const size_t equals = body[i].find('=');
      if (equals != std::string::npos && equals >= key.size() &&
          SameText(body[i].substr(equals - key.size(), key.size()), key))
        return static_cast<int>(i);
    }
    return -1;
  }
  void Write(const std::string& name, const std::string& key, const std::string& value) {
    const std::string line = key + "=" + value;
    const int s = Section(name);
    if (s < 0) {
      FLines.push_back("[" + name + "]");
      FLines.push_back(line);
    } else if (const int k = Key(name, key); k < 0) {
      FLines.insert(FLines.begin() + s + 1, line);
    } else if (k == 0) {
      if (Body(name).front() == line) return;
      const std::string header = LowerCase("[" + name + "]");
      FLines[s].erase(LowerCase(FLines[s]).find(header) + header.size());
      FLines.insert(FLines.begin() + s + 1, line);
    } else {
      FLines[s + k] = line;
    }
  }
  const std::vector<std::string>& Lines() const { return FLines; }

private:
  std::vector<std::string> FLines;
};

// Every section name and key of a small vocabulary, asked of files whose headers and keys
// mislead a quicker look-up, before and after writes that move, add or remove lines.
TEST_F(NewInifileReadTest, LookUpsAnswerAsAScanFromTheTop) {
  const std::vector<std::string> files = {
      "[a][Main]\r\n5=x\r\n[Main]\r\n15=y\r\n5=z\r\n",
      "  [Main] ; note\r\nA=1\r\n[Main]\r\nA=2\r\n",
      "[Main]\r\n15=a\r\nTitle=5=c\r\n5=b\r\n[main]\r\n5=d\r\nA=e\r\n",
      "[Other]\r\nA=1\r\n[x[Main]]\r\nA=2\r\n\t[MAIN]\r\nA=3\r\n",
      "[Main]A=0\r\nA=1\r\n[]\r\n=e\r\nB=3\r\n",
      "x=1\r\n[Main\r\n5=q\r\n[Main]]\r\nKEY=1\r\nkey=2\r\n[Main]x\r\n",
  };
  const std::vector<std::string> sections = {"Main", "main", "a",    "Other",  "x[Main]",
                                             "",     "Main]", "[Main", "Missing"};
  const std::vector<std::string> keys = {"5", "15", "A", "a", "Title", "KEY", "", "=", "x"};
  struct TWrite {
    const char* section;
    const char* key;
    const char* value;
  };
  const std::vector<TWrite> writes = {
      {"Main", "5", "w"},     {"Main", "Title", "t"}, {"a", "New", "1"},
      {"Main", "[b]", "1"},   {"b", "A", "2"},        {"Main", "A", "9"},
      {"Missing", "k", "v"},  {"main", "15", "[y]"},  {"", "B", "4"},
  };
  for (const std::string& file : files) {
    TNewInifile ini(Write("a.ini", file));
    TLinearIni linear(ini.Lines());
    const auto compare = [&](const std::string& after) {
      ASSERT_EQ(ini.Lines(), linear.Lines()) << file << after;
      for (const std::string& section : sections) {
        EXPECT_EQ(ini.IndexOfSection(section), linear.Section(section))
            << file << after << " [" << section << "]";
        std::string text;
        for (const std::string& line : linear.Body(section)) text += line + "\r\n";
        EXPECT_EQ(ini.GetSectionText(section), text) << file << after << " [" << section << "]";
        for (const std::string& key : keys) {
          EXPECT_EQ(ini.IndexOfKey(section, key), linear.Key(section, key))
              << file << after << " [" << section << "] " << key;
          EXPECT_EQ(ini.ReadString(section, key, "none"),
                    TNewInifile::FindKeyValue(key, linear.Body(section), "none"))
              << file << after << " [" << section << "] " << key;
        }
      }
    };
    compare("");
    for (const TWrite& w : writes) {
      ini.WriteString(w.section, w.key, w.value);
      linear.Write(w.section, w.key, w.value);
      compare(std::string(" after writing ") + w.section + "/" + w.key);
    }
  }
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

TEST_F(NewInifileWriteTest, AKeyInsideAValueIsWrittenOnItsOwnLine) {
  Write("a.ini", "[Main]\r\nOutput Path=E:\\Overwrite=no\\\r\n");
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteBool("Main", "Overwrite", true);
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nOverwrite=1\r\nOutput Path=E:\\Overwrite=no\\\r\n");
}

TEST_F(NewInifileWriteTest, KeyBelowAValueWithABracketIsReplacedNotDuplicated) {
  Write("a.ini", "[Main]\r\nOutput Path=D:\\Videos [PSP]\\\r\nProfile=2\r\n");
  {
    TNewInifile ini(PathOf("a.ini"));
    ini.WriteInteger("Main", "Profile", 4);
  }
  EXPECT_EQ(Read("a.ini"), "[Main]\r\nOutput Path=D:\\Videos [PSP]\\\r\nProfile=4\r\n");
}

// Before, the key's new line replaced the header line, and the section was gone.
TEST_F(NewInifileWriteTest, AKeyOnItsHeaderLineLeavesTheHeaderInPlace) {
  struct Case {
    const char* file;
    const char* written;
  };
  for (const Case& c : {
           Case{"[Main]Profile=0\r\nA=1\r\n", "[Main]\r\nProfile=2\r\nA=1\r\n"},
           Case{"  [main] Profile=0\r\n[Default]\r\nProfile=7\r\n",
                "  [main]\r\nProfile=2\r\n[Default]\r\nProfile=7\r\n"},
           Case{"[Main]Profile=2\r\n", "[Main]Profile=2\r\n"},  // unchanged: not rewritten
       }) {
    Write("a.ini", c.file);
    {
      TNewInifile ini(PathOf("a.ini"));
      ini.WriteInteger("Main", "Profile", 2);
      EXPECT_EQ(ini.ReadInteger("Main", "Profile", -1), 2) << c.file;
      EXPECT_EQ(ini.IndexOfSection("Main"), 0) << c.file;
      ini.Save();
    }
    EXPECT_EQ(Read("a.ini"), c.written) << c.file;
  }
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

// A file is replaced only by its complete new form, and one that could not be read is never
// written: whatever goes wrong, it keeps its bytes and no new file is left beside it.
TEST_F(NewInifileFileTest, AFileThatCannotBeReadOrWrittenWholeKeepsItsBytes) {
  const std::string content = "[Main]\r\nOutput Path=D:\\Films\\\r\nProfile=2\r\n";
  struct Case {
    const char* note;
    std::filesystem::perms mode;
    rlim_t sizeLimit;  // 0: none
    bool writesAKey;
  };
  const auto readWrite = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  const auto writeOnly = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                         std::filesystem::perms::others_write;
  for (const Case& c : {
           Case{"cannot be read, a key written", writeOnly, 0, true},
           Case{"cannot be read, only read", writeOnly, 0, false},
           Case{"the disk fills, a key written", readWrite, content.size(), true},
       }) {
    Write("a.ini", content);
    std::filesystem::permissions(PathOf("a.ini"), c.mode);
    {
      // The folder is not the ordinary user's, so the full disk is tried with full rights.
      std::optional<TOrdinaryUserRights> user;
      std::optional<TFileSizeLimit> full;
      if (c.sizeLimit) full.emplace(c.sizeLimit);
      else user.emplace();
      TNewInifile ini(PathOf("a.ini"));
      if (c.writesAKey) {
        ini.WriteString("Main", "Output Path", "E:\\A folder name longer than the old one\\");
        EXPECT_THROW(ini.Save(), EFCreateError) << c.note;
      } else {
        EXPECT_EQ(ini.ReadInteger("Main", "Profile", 0), 0) << c.note;  // read as empty
        EXPECT_NO_THROW(ini.Save()) << c.note;
      }
    }
    std::filesystem::permissions(PathOf("a.ini"), readWrite);
    EXPECT_EQ(Read("a.ini"), content) << c.note;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathOf("")))
      names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"a.ini"}) << c.note;
  }
}

}  // namespace
}  // namespace converter
