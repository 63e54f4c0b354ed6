// The folder dialog, answered by a helper thread as a user would.
#include "converter/ShellBrowseForFolder.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

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

// The text of the folder selected in the dialog's tree.
std::string SelectedFolderName(HWND dialog) {
  const HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
  const auto item = tree ? TreeView_GetSelection(tree) : nullptr;
  if (!item) return "";
  char text[MAX_PATH] = "";
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  return SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) ? text : "";
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

  // Shows the dialog and presses the button (IDOK or IDCANCEL) once it is up and, when a
  // name is given, once the tree has selected that folder (it fills in after showing).
  bool Browse(std::string& folder, int button, const std::string& selectedName = "") {
    std::thread user([this, button, selectedName] {
      const HWND dialog = WaitForFolderDialog();
      if (!selectedName.empty())
        driver::WaitUntil([&] { FSelected = SelectedFolderName(dialog);
                                return lstrcmpiA(FSelected.c_str(), selectedName.c_str()) == 0; },
                          20000);
      FOtherWasEnabled = IsWindowEnabled(FOther);
      PostMessageA(dialog, WM_COMMAND, button, 0);
    });
    const bool chosen = BrowseForFolder(FOwner, "Select the output directory.", folder);
    user.join();
    return chosen;
  }

  HWND FOwner = nullptr, FOther = nullptr;
  bool FOtherWasEnabled = true;
  std::string FSelected;  // what the tree had selected when the button was pressed
};

TEST_F(BrowseForFolderTest, OpensOnTheFolderGivenAndDisablesTheOtherWindowsMeanwhile) {
  const std::string start = driver::MakeScratchFolder("converter-browse");
  std::string folder = start;
  EXPECT_TRUE(Browse(folder, IDOK, start.substr(start.rfind('\\') + 1)));
  EXPECT_EQ(lstrcmpiA(folder.c_str(), start.c_str()), 0)
      << folder << "; the tree had selected \"" << FSelected << "\"";
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
