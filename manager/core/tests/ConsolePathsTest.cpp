#include "manager/core/ConsolePaths.h"

#include <gtest/gtest.h>

namespace manager {
namespace {

TEST(ConsolePathsTest, VideoFolderByType) {
  EXPECT_EQ(ConsoleVideoFolder(0), "MP_ROOT\\100MNV01\\");
  EXPECT_EQ(ConsoleVideoFolder(1), "MP_ROOT\\101ANV01\\");
  EXPECT_EQ(ConsoleVideoFolder(-1), "MP_ROOT\\101ANV01\\");  // no type chosen
}

TEST(ConsolePathsTest, OnlyADriveLetterNamesAConsoleDrive) {
  struct Case {
    const char* path;
    const char* root;
  };
  for (const Case& c : {
           Case{"P:\\", "P:\\"},
           Case{"p:\\MP_ROOT\\100MNV01", "P:\\"},  // a folder chosen in the combo
           Case{"P:", "P:\\"},
           Case{"", ""},                           // nothing chosen
           Case{"Drives", ""},                     // the combo's list of drives
           Case{"\\MP_ROOT", ""},
           Case{"\\\\server\\share", ""},
           Case{"1:\\", ""},
       })
    EXPECT_EQ(DriveRootOf(c.path), c.root) << c.path;
}

TEST(ConsolePathsTest, RelativePathsAreNotAbsolute) {
  struct Case {
    const char* path;
    bool absolute;
  };
  for (const Case& c : {
           Case{"C:\\Videos", true},
           Case{"C:\\", true},
           Case{"\\\\server\\share\\Videos", true},
           Case{"C:Videos", false},  // against the drive's current folder
           Case{"C:", false},
           Case{"\\Videos", false},  // against the current drive
           Case{"Videos", false},
           Case{"", false},
       })
    EXPECT_EQ(IsAbsolutePath(c.path), c.absolute) << c.path;
}

TEST(ConsolePathsTest, AddBackslashLeavesNoFolderEmpty) {
  struct Case {
    const char* folder;
    const char* result;
  };
  for (const Case& c : {
           Case{"C:\\Videos", "C:\\Videos\\"},
           Case{"C:\\Videos\\", "C:\\Videos\\"},
           Case{"", ""},
       })
    EXPECT_EQ(AddBackslash(c.folder), c.result) << c.folder;
}

}  // namespace
}  // namespace manager
