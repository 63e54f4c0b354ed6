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

TEST(ConsoleNamesTest, NextFreeNameSkipsListedAndStoredNames) {
  struct Case {
    const char* note;
    int type;
    std::vector<std::string> listed;
    std::set<std::string> onDisk;  // upper case
    const char* expected;
  };
  for (const Case& c : {
           Case{"empty folder", 0, {}, {}, "M4V00001.MP4"},
           Case{"a gap", 0, {"M4V00001.MP4", "M4V00003.MP4"}, {}, "M4V00002.MP4"},
           Case{"listed in lower case", 0, {"M4V00001.MP4", "m4v00002.mp4"}, {}, "M4V00003.MP4"},
           Case{"the other type's rows", 1, {"M4V00001.MP4", "M4V00002.MP4"}, {}, "MAQ00001.MP4"},
           Case{"a video only on disk", 0, {"M4V00001.MP4"}, {"M4V00002.MP4"}, "M4V00003.MP4"},
       }) {
    const std::optional<std::string> name =
        NextFreePSPName(c.type, c.listed, [&](const std::string& candidate) {
          return c.onDisk.count(common::UpperCase(candidate)) > 0;
        });
    EXPECT_EQ(name.value_or("none"), c.expected) << c.note;
  }
}

TEST(ConsoleNamesTest, NoFreeNameWhenAllAreTaken) {
  std::vector<std::string> listed;
  for (int n = 1; n <= 99998; ++n) listed.push_back(Numbered("MAQ", n));
  const auto onlyLast = [](const std::string& candidate) { return candidate != "MAQ99999.MP4"; };
  EXPECT_EQ(NextFreePSPName(1, listed, onlyLast).value_or("none"), "MAQ99999.MP4");
  listed.push_back(Numbered("MAQ", 99999));
  EXPECT_FALSE(NextFreePSPName(1, listed, onlyLast).has_value());
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

TEST(ConsoleNamesTest, TypedNamesGetTheVideoExtensionAndStayInTheFolder) {
  struct Case {
    const char* typed;
    const char* renamed;
    bool safe;
  };
  for (const Case& c : {
           Case{"clip.mp4", "clip.mp4", true},
           Case{"clip.avi", "clip.avi.MP4", true},
           Case{"clip", "clip.MP4", true},
           Case{"..\\x.mp4", "..\\x.mp4", false},
           Case{"C:x.mp4", "C:x.mp4", false},
           Case{"a/b.MP4", "a/b.MP4", false},
           Case{"what?.mp4", "what?.mp4", false},
           Case{"", ".MP4", false},
       }) {
    EXPECT_EQ(WithVideoExtension(c.typed), c.renamed) << c.typed;
    EXPECT_EQ(IsSafeFileName(c.typed), c.safe) << c.typed;
  }
}

}  // namespace
}  // namespace manager
