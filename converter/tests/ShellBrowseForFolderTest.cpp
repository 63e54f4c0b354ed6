// The folder dialog, answered by a helper thread as a user would.
#include "converter/ShellBrowseForFolder.h"

#include <gtest/gtest.h>

#include <thread>

#include "testing/driver/files.h"
#include "testing/driver/wait.h"

namespace converter {
namespace {

// The visible dialog of this process, once it is up.
HWND WaitForFolderDialog() {
  HWND dialog = nullptr;
  driver::WaitUntil([&dialog] {
    for (dialog = FindWindowExA(nullptr, nullptr, "#32770", nullptr); dialog;
         dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(dialog, &process);
      if (process == GetCurrentProcessId() && IsWindowVisible(dialog)) return true;
    }
    return false;
  }, 20000);
  return dialog;
}

class BrowseForFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FOwner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
    FOther = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 320, 0, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(FOther);
    DestroyWindow(FOwner);
  }

  // Shows the dialog and presses the button (IDOK or IDCANCEL) once it is up.
  bool Browse(std::string& folder, int button) {
    std::thread user([this, button] {
      const HWND dialog = WaitForFolderDialog();
      FOtherWasEnabled = IsWindowEnabled(FOther);
      PostMessageA(dialog, WM_COMMAND, button, 0);
    });
    const bool chosen = BrowseForFolder(FOwner, "Select the output directory.", folder);
    user.join();
    return chosen;
  }

  HWND FOwner = nullptr, FOther = nullptr;
  bool FOtherWasEnabled = true;
};

TEST_F(BrowseForFolderTest, OpensOnTheFolderGivenAndDisablesTheOtherWindowsMeanwhile) {
  const std::string start = driver::MakeScratchFolder("converter-browse");
  std::string folder = start;
  EXPECT_TRUE(Browse(folder, IDOK));
  EXPECT_EQ(lstrcmpiA(folder.c_str(), start.c_str()), 0) << folder;
  EXPECT_FALSE(FOtherWasEnabled);
  EXPECT_TRUE(IsWindowEnabled(FOther));
  EXPECT_TRUE(IsWindowEnabled(FOwner));
}

TEST_F(BrowseForFolderTest, AFolderThatIsGoneIsDroppedAndCancelKeepsThat) {
  const std::string gone = driver::MakeScratchFolder("converter-browse");
  RemoveDirectoryA(gone.c_str());
  std::string folder = gone;
  EXPECT_FALSE(Browse(folder, IDCANCEL));
  EXPECT_EQ(folder, "");
}

}  // namespace
}  // namespace converter
