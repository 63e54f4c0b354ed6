// Hollimer end to end: renaming on either side, deleting, playing and opening the folder, and
// what the user is told when a rename or a delete cannot be done.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/common_controls.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

using namespace e2e;

namespace {

using Names = std::vector<std::string>;

const std::string kVideos = ConsoleDrive::PathOf("MP_ROOT\\100MNV01\\");

// The default value of a key below the classes root, put back when this ends.
class ClassesValue {
public:
  ClassesValue(const std::string& key, const std::string& value) : FKey(key) {
    char old[1024];
    LONG size = sizeof old;
    FHad = RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), old, &size) == ERROR_SUCCESS;
    if (FHad) FOld = old;
    RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), value.size());
  }
  ~ClassesValue() {
    if (FHad)
      RegSetValueA(HKEY_CLASSES_ROOT, FKey.c_str(), REG_SZ, FOld.c_str(), FOld.size());
    else
      RegDeleteKeyA(HKEY_CLASSES_ROOT, FKey.c_str());
  }

private:
  std::string FKey;
  bool FHad = false;
  std::string FOld;
};

class ManagerVideoCommands : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(FPC.empty());
    for (const char* name : {"M4V00007", "M4V00008", "M4V00009"}) {
      ASSERT_TRUE(driver::WriteWholeFile(kVideos + name + ".MP4", name));
      ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + name + ".THM").c_str(), FALSE));
    }
    ASSERT_TRUE(driver::WriteWholeFile(PC("clip.mp4"), "clip"));
    ASSERT_TRUE(CopyFileA(FDefault.c_str(), PC("clip.THM").c_str(), FALSE));
  }
  void Start() {
    ASSERT_TRUE(FManager.Ready() && FManager.Start());
    ASSERT_NE(FManager.WaitForMain(), nullptr);
    ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 3).size(), 3u);
    ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 1).size(), 1u);
  }
  std::string PC(const std::string& name) const { return FPC + "\\" + name; }
  // Starts the manager and opens the rename dialog for the first console video.
  HWND RenameFirstConsoleVideo() {
    Start();
    if (::testing::Test::HasFatalFailure() ||
        !driver::ClickListViewRow(FManager.PSPList(), 0) ||
        !driver::ClickButton(FManager.Button("&Rename (PSP Video)")))
      return nullptr;
    return FManager.WaitForForm("TRenameForm");
  }
  // Types the name into the rename dialog and presses OK.
  void RenameTo(HWND dialog, const std::string& name) const {
    driver::WindowQuery edit;
    edit.className = "TEdit";
    const HWND field = driver::FindChild(dialog, edit);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    driver::WindowQuery ok;
    ok.caption = "&OK";
    ASSERT_TRUE(driver::ClickButton(driver::FindChild(dialog, ok))) << name;
  }

  // Types the name into the rename dialog, presses OK and closes the refusal that comes; the
  // refusal's text, empty when none came.
  std::string Refusal(HWND dialog, const std::string& name) const {
    RenameTo(dialog, name);
    const HWND box = FManager.WaitForBox("Not a proper format");
    if (!box) return "";
    const std::string text = driver::MessageBoxText(box);
    driver::PressDialogButton(box, IDOK);
    return text;
  }

  ConsoleDrive FConsole{{"MP_ROOT\\100MNV01"}};
  std::string FPC = driver::MakeScratchFolder("pc-commands");
  ManagerWindow FManager{"commands", "[Main]\r\nOutput Path=" + FPC + "\r\n"};
  const std::string FDefault = driver::DistDir() + "\\DefaultPreview.THM";
};

TEST_F(ManagerVideoCommands, ConsoleNamesKeepTheirFormAndPCNamesGetTheExtension) {
  const HWND dialog = RenameFirstConsoleVideo();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(driver::WindowText(dialog), "Rename");
  EXPECT_FALSE(IsWindowEnabled(FManager.Main()));
  EXPECT_TRUE(Screenshot(dialog, "hollimer-rename.png"));

  RenameTo(dialog, "m4v00123.mp4");  // the prefix's letter case counts
  const HWND refused = FManager.WaitForBox("Not a proper format");
  ASSERT_NE(refused, nullptr);
  EXPECT_EQ(driver::MessageBoxText(refused),
            "The new filename is not capatible format for PSP. \n\r"
            "The proper format should be M4Vxxxxx.MP4 (e.g.M4V00198.mp4)\n\r"
            "\"xxxxx\" indicates a 5 digites number.");
  driver::PressDialogButton(refused, IDOK);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00007.MP4"));

  RenameTo(dialog, "M4V00123.MP4");
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00008.MP4", "M4V00009.MP4", "M4V00123.MP4"}));
  EXPECT_EQ(driver::ReadWholeFile(kVideos + "M4V00123.MP4"), "M4V00007");
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00123.THM"));
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00007.THM"));
  EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(FManager.Main()) != 0; },
                                kWindowTimeoutMs));

  // On the PC any name is taken, a name without ".MP4" with it, one leaving the folder not.
  ASSERT_TRUE(driver::ClickListViewRow(FManager.PCList(), 0));
  ASSERT_TRUE(FManager.ChooseFromPopup(FManager.PCList(), 5));
  ASSERT_EQ(FManager.WaitForForm("TRenameForm"), dialog);
  EXPECT_NE(Refusal(dialog, "..\\away.mp4"), "");
  RenameTo(dialog, "holiday.avi");
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {"holiday.avi.MP4"}));
  EXPECT_EQ(driver::ReadWholeFile(PC("holiday.avi.MP4")), "clip");
  EXPECT_TRUE(driver::FileExists(PC("holiday.avi.THM")));
  EXPECT_FALSE(driver::FileExists(FPC + "\\..\\away.mp4"));
}

TEST_F(ManagerVideoCommands, DeleteTakesTheSelectedVideosWithTheirThumbnails) {
  Start();
  ASSERT_TRUE(driver::ClickListViewRow(FManager.PSPList(), 0));
  ASSERT_TRUE(driver::ClickListViewRow(FManager.PSPList(), 2, true));
  ASSERT_EQ(FManager.WaitForStatusText(2, "2 Selected.  0.00MB Total.")[2],
            "2 Selected.  0.00MB Total.");
  ASSERT_TRUE(driver::ClickButton(FManager.Button("&Delete (PSP Video)")));
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00008.MP4"}));
  for (const char* gone : {"M4V00007.MP4", "M4V00007.THM", "M4V00009.MP4", "M4V00009.THM"})
    EXPECT_FALSE(driver::FileExists(kVideos + gone)) << gone;
  EXPECT_EQ(FManager.WaitForStatusText(2, "")[2], "");

  // The PC side through its popup menu.
  ASSERT_TRUE(driver::ClickListViewRow(FManager.PCList(), 0));
  ASSERT_TRUE(FManager.ChooseFromPopup(FManager.PCList(), 6));
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {}));
  EXPECT_FALSE(driver::FileExists(PC("clip.mp4")));
  EXPECT_FALSE(driver::FileExists(PC("clip.THM")));
}

TEST_F(ManagerVideoCommands, PlayAndOpenTheDirectoryGoThroughTheShell) {
  const std::string log = driver::MakeScratchFolder("manager-play") + "\\recorder.txt";
  SetEnvironmentVariableA("RECORDER_LOG", log.c_str());
  const std::string command = "\"" + driver::RecorderPath() + "\" \"%1\"";
  ClassesValue type(".mp4", "HollimerTestVideo");
  ClassesValue player("HollimerTestVideo\\shell\\open\\command", command);
  ClassesValue folders("Folder\\shell\\open\\command", command);
  ClassesValue directories("Directory\\shell\\open\\command", command);
  Start();
  SetEnvironmentVariableA("RECORDER_LOG", nullptr);

  struct Step {
    const char* note;
    HWND list;
    int downs;  // 0: a double click on the first row
    std::string opened;
  };
  for (const Step& s : {
           Step{"double click", FManager.PSPList(), 0, kVideos + "M4V00007.MP4"},
           Step{"Play", FManager.PCList(), 1, PC("clip.mp4")},
           Step{"Open the directory", FManager.PCList(), 2, FPC},
           Step{"Open the directory", FManager.PSPList(), 2, kVideos},
       }) {
    ASSERT_TRUE(driver::ClickListViewRow(s.list, 0)) << s.note;
    if (s.downs == 0) {
      PostMessageA(s.list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 20));
      PostMessageA(s.list, WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
    } else {
      ASSERT_TRUE(FManager.ChooseFromPopup(s.list, s.downs)) << s.note;
    }
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
          for (const std::string& line : driver::FileLines(log))
            if (line.find(s.opened) != std::string::npos) return true;
          return false;
        },
        kWindowTimeoutMs))
        << s.note << ": " << driver::ReadWholeFile(log);
  }
}

// A rename that cannot be done says why and leaves the dialog for another name; one that
// changes only the letter case is done, and a device name is refused.
TEST_F(ManagerVideoCommands, ARenameThatCannotBeDoneSaysWhy) {
  const HWND dialog = RenameFirstConsoleVideo();
  ASSERT_NE(dialog, nullptr);
  RenameTo(dialog, "M4V00008.MP4");  // taken
  const HWND failed = FManager.WaitForBox("Rename");
  ASSERT_NE(failed, nullptr);
  EXPECT_EQ(driver::MessageBoxText(failed),
            "M4V00007.MP4 could not be renamed: " + SystemReason(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(Screenshot(failed, "hollimer-rename-taken.png"));
  driver::PressDialogButton(failed, IDOK);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(driver::ReadWholeFile(kVideos + "M4V00007.MP4"), "M4V00007");
  EXPECT_EQ(driver::ReadWholeFile(kVideos + "M4V00008.MP4"), "M4V00008");

  RenameTo(dialog, "M4V00007.mp4");  // the extension's letter case only
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00007.mp4", "M4V00008.MP4", "M4V00009.MP4"}));
  WIN32_FIND_DATAA data{};
  const HANDLE found = FindFirstFileA((kVideos + "M4V00007.MP4").c_str(), &data);
  ASSERT_NE(found, INVALID_HANDLE_VALUE);
  FindClose(found);
  EXPECT_STREQ(data.cFileName, "M4V00007.mp4");
  EXPECT_EQ(driver::ReadWholeFile(kVideos + "M4V00007.mp4"), "M4V00007");
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00007.THM"));

  ASSERT_TRUE(driver::ClickListViewRow(FManager.PCList(), 0));
  ASSERT_TRUE(FManager.ChooseFromPopup(FManager.PCList(), 5));
  ASSERT_EQ(FManager.WaitForForm("TRenameForm"), dialog);
  EXPECT_EQ(Refusal(dialog, "CON"), "\"CON\" is the name of a device of the system, not of a file.");
  RenameTo(dialog, "Clip.MP4");
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {"Clip.MP4"}));
  EXPECT_EQ(driver::ReadWholeFile(PC("Clip.MP4")), "clip");
}

// A video that cannot be deleted stays with its thumbnail, and the box after the refresh says
// why; the others go.
TEST_F(ManagerVideoCommands, ADeleteThatFailsSaysWhy) {
  const std::string kept = kVideos + "M4V00008.MP4";
  ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
  Start();
  for (int row = 0; row < 3; ++row)
    ASSERT_TRUE(driver::ClickListViewRow(FManager.PSPList(), row, row > 0));
  ASSERT_EQ(FManager.WaitForStatusText(2, "3 Selected.  0.00MB Total.")[2],
            "3 Selected.  0.00MB Total.");
  ASSERT_TRUE(driver::ClickButton(FManager.Button("&Delete (PSP Video)")));
  const HWND box = FManager.WaitForBox("Delete");
  SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box), "Not every video could be deleted.\r\nM4V00008.MP4: " +
                                             SystemReason(ERROR_ACCESS_DENIED));
  driver::PressDialogButton(box, IDOK);
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00008.MP4"}));
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00008.THM"));
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00007.MP4"));
}

}  // namespace
