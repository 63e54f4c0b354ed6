#include "manager/core/ConsoleDetection.h"

#include <gtest/gtest.h>

#include <set>

namespace manager {
namespace {

// Drives by the root they answer to; folders as full paths.
class TFakeDrives : public TDriveProbe {
public:
  TFakeDrives(std::set<std::string> removable, std::set<std::string> folders)
      : FRemovable(std::move(removable)), FFolders(std::move(folders)) {}
  bool IsRemovable(const std::string& root) override { return FRemovable.count(root) > 0; }
  bool FolderExists(const std::string& path) override { return FFolders.count(path) > 0; }

private:
  std::set<std::string> FRemovable;
  std::set<std::string> FFolders;
};

TEST(ConsoleDetectionTest, LowestRemovableDriveWithTheMarkerFolder) {
  struct Case {
    const char* note;
    std::set<std::string> removable;
    std::set<std::string> folders;
    std::optional<std::string> console;
  };
  for (const Case& c : {
           Case{"two consoles", {"E:\\", "P:\\"}, {"E:\\MP_ROOT", "P:\\MP_ROOT"}, "E:\\"},
           Case{"removable without the folder", {"A:\\", "P:\\"}, {"P:\\MP_ROOT"}, "P:\\"},
           Case{"fixed drive with the folder", {"P:\\"}, {"C:\\MP_ROOT", "P:\\MP_ROOT"}, "P:\\"},
           Case{"the last letter", {"Z:\\"}, {"Z:\\MP_ROOT"}, "Z:\\"},
           Case{"the marker deeper down", {"P:\\"}, {"P:\\PSP\\MP_ROOT"}, std::nullopt},
           Case{"no drive", {}, {}, std::nullopt},
       }) {
    TFakeDrives drives(c.removable, c.folders);
    EXPECT_EQ(FindConsoleRoot(drives), c.console) << c.note;
  }
}

TEST(ConsoleDetectionTest, AConsoleRootIsADriveRootWithTheMarkerFolder) {
  // "MP_ROOT" in the current directory is what an empty root would find.
  TFakeDrives drives({"P:\\"}, {"P:\\MP_ROOT", "MP_ROOT", "P:MP_ROOT"});
  struct Case {
    const char* root;
    bool console;
  };
  for (const Case& c : {Case{"P:\\", true}, Case{"", false}, Case{"P:", false},
                        Case{"Q:\\", false}, Case{"P:\\MP_ROOT\\", false}})
    EXPECT_EQ(IsConsoleRoot(c.root, drives), c.console) << c.root;
}

}  // namespace
}  // namespace manager
