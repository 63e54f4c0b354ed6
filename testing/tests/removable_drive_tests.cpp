// The fixture drive that stands in for the console: removable, backed by a Linux folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"

using namespace driver;

namespace {

TEST(RemovableDrive, IsRemovable) {
  EXPECT_EQ(GetDriveTypeA(kRemovableDrive), static_cast<UINT>(DRIVE_REMOVABLE));
  EXPECT_TRUE(GetLogicalDrives() & (1u << (kRemovableDrive[0] - 'A')));
}

TEST(RemovableDrive, ShowsWhatIsWrittenToItsLinuxFolder) {
  const char* root = std::getenv("WINE_TEST_ROOT");
  ASSERT_NE(root, nullptr);
  const std::string name = "written-" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string linuxSide = WindowsPath(std::string(root) + "/psp-drive/") + name;
  ASSERT_TRUE(WriteWholeFile(linuxSide, "seen on the drive"));
  EXPECT_EQ(ReadWholeFile(kRemovableDrive + name), "seen on the drive");
  DeleteFileA(linuxSide.c_str());
}

}  // namespace
