#include "manager/core/ConsoleNames.h"

#include <gtest/gtest.h>

#include <set>

#include "common/core/TextCase.h"

namespace manager {
namespace {

std::string Numbered(const char* prefix, int number) {
  char name[16];
  std::snprintf(name, sizeof name, "%s%05d.MP4", prefix, number);
  return name;
}

TEST(ConsoleNamesTest, NextFreeNameSkipsWhatTheFolderHolds) {
  struct Case {
    const char* note;
    int type;
    std::vector<std::string> entries;
    const char* expected;
  };
  for (const Case& c : {
           Case{"empty folder", 0, {}, "M4V00001.MP4"},
           Case{"a gap", 0, {"M4V00001.MP4", "M4V00003.MP4"}, "M4V00002.MP4"},
           Case{"lower case", 0, {"M4V00001.MP4", "m4v00002.mp4"}, "M4V00003.MP4"},
           Case{"the other type's names", 1, {"M4V00001.MP4", "M4V00002.MP4"}, "MAQ00001.MP4"},
           Case{"a thumbnail without its video", 0, {"M4V00001.THM"}, "M4V00002.MP4"},
           Case{"a folder of that name", 0, {"M4V00001.MP4", "M4V00002.Mp4"}, "M4V00003.MP4"},
           Case{"names of no console form",
                0,
                {"M4V0001.MP4", "M4V00001.MP4.tmp", "M4V00000.MP4", "M4V0000X.MP4", "M4V00001.AVI",
                 "XM4V0001.MP4"},
                "M4V00001.MP4"},
       }) {
    TFreePSPNames names(c.type, c.entries);
    EXPECT_EQ(names.NextFreePSPName().value_or("none"), c.expected) << c.note;
  }
}

TEST(ConsoleNamesTest, ANameIsGivenAgainUntilItIsTaken) {
  TFreePSPNames names(0, {"M4V00002.MP4"});
  EXPECT_EQ(names.NextFreePSPName().value_or("none"), "M4V00001.MP4");
  EXPECT_EQ(names.NextFreePSPName().value_or("none"), "M4V00001.MP4");  // its copy failed
  names.TakeLast();
  EXPECT_EQ(names.NextFreePSPName().value_or("none"), "M4V00003.MP4");
  names.TakeLast();
  EXPECT_EQ(names.NextFreePSPName().value_or("none"), "M4V00004.MP4");
}

// A folder with every name taken answers at once, however often it is asked: the search goes
// on from where it stopped instead of starting over.
TEST(ConsoleNamesTest, AFullFolderAnswersAtOnce) {
  std::vector<std::string> entries;
  for (int n = 1; n <= 99999; ++n)
    if (n != 77777) entries.push_back(Numbered("MAQ", n));
  TFreePSPNames names(1, entries);
  EXPECT_EQ(names.NextFreePSPName().value_or("none"), "MAQ77777.MP4");
  names.TakeLast();
  for (int asked = 0; asked < 100000; ++asked)
    ASSERT_FALSE(names.NextFreePSPName().has_value()) << asked;
}

TEST(ConsoleNamesTest, TemporaryNamesCountOnFromTwo) {
  std::set<std::string> taken{"C:\\V\\a.MP4.tmp", "C:\\V\\a.MP4.2.tmp"};
  const auto isTaken = [&](const std::string& path) { return taken.count(path) > 0; };
  EXPECT_EQ(TemporaryPath("C:\\V\\a.MP4", isTaken), "C:\\V\\a.MP4.3.tmp");
  EXPECT_EQ(TemporaryPath("C:\\V\\b.MP4", isTaken), "C:\\V\\b.MP4.tmp");
}

TEST(ConsoleNamesTest, CopyBesideATakenNameCountsOnFromTwo) {
  std::set<std::string> taken{"C:\\V\\clip_New.mp4", "C:\\V\\clip_New2.mp4"};
  const auto isTaken = [&](const std::string& path) { return taken.count(path) > 0; };
  EXPECT_EQ(FreeCopyPath("C:\\V\\", "clip.mp4", isTaken), "C:\\V\\clip_New3.mp4");
  taken.clear();
  EXPECT_EQ(FreeCopyPath("C:\\V\\", "clip.mp4", isTaken), "C:\\V\\clip_New.mp4");
}

TEST(ConsoleNamesTest, ConsoleRenameKeepsTheConsoleForm) {
  struct Case {
    const char* oldName;
    const char* newName;
    bool accepted;
  };
  for (const Case& c : {
           Case{"M4V00007.MP4", "M4V00123.MP4", true},
           Case{"M4V00012.MP4", "M4V00012.mp4", true},   // the extension in any case
           Case{"MAQ00012.MP4", "M4V00012.MP4", false},  // the prefix differs
           Case{"M4V00012.MP4", "M4V0012.MP4", false},   // four digits
           Case{"M4V00012.MP4", "M4V000120.MP4", false}, // six digits
           Case{"M4V00012.MP4", "M4V-0012.MP4", false},  // not all digits
           Case{"M4V00012.MP4", "M4V00012.AVI", false},
           Case{"M4V00012.MP4", "M4V00012", false},      // no extension
           Case{"M4V00012.MP4", "m4v00012.mp4", false},  // the prefix's case counts
           Case{"M4V00012.MP4", "M4", false},
           Case{"M4V00012.MP4", "", false},
       }) {
    const std::optional<std::string> error = ConsoleRenameError(c.oldName, c.newName);
    EXPECT_EQ(!error.has_value(), c.accepted) << c.oldName << " -> " << c.newName;
  }
  EXPECT_EQ(ConsoleRenameError("MAQ00012.MP4", "x").value_or(""),
            "The new filename is not capatible format for PSP. \n\r"
            "The proper format should be MAQxxxxx.MP4 (e.g.MAQ00198.mp4)\n\r"
            "\"xxxxx\" indicates a 5 digites number.");
}

TEST(ConsoleNamesTest, TypedNamesGetTheVideoExtensionAndNameAFileInTheFolder) {
  struct Case {
    const char* typed;
    const char* renamed;
    bool accepted;
  };
  for (const Case& c : {
           Case{"clip.mp4", "clip.mp4", true},
           Case{"clip.avi", "clip.avi.MP4", true},
           Case{"clip", "clip.MP4", true},
           Case{"console.mp4", "console.mp4", true},
           Case{"COM10.mp4", "COM10.mp4", true},
           Case{"..\\x.mp4", "..\\x.mp4", false},
           Case{"C:x.mp4", "C:x.mp4", false},
           Case{"a/b.MP4", "a/b.MP4", false},
           Case{"what?.mp4", "what?.mp4", false},
           Case{"", ".MP4", false},
           Case{"CON", "CON.MP4", false},  // the system's device names name no file
           Case{"con.mp4", "con.mp4", false},
           Case{"Nul.avi", "Nul.avi.MP4", false},
           Case{"com1.MP4", "com1.MP4", false},
           Case{"LPT9", "LPT9.MP4", false},
       }) {
    EXPECT_EQ(WithVideoExtension(c.typed), c.renamed) << c.typed;
    EXPECT_EQ(!FileNameError(c.typed).has_value(), c.accepted) << c.typed;
  }
  EXPECT_EQ(FileNameError("CON").value_or(""),
            "\"CON\" is the name of a device of the system, not of a file.");
}

}  // namespace
}  // namespace manager
