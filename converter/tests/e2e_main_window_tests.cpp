// The converter's start-up and closing, seen from outside: caption, preferences file, the open
// dialog's file types and the main window's look.
#include <gtest/gtest.h>

#include <iostream>

#include "converter/tests/e2e_converter_window.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

TEST(ConverterStartUp, CaptionShowsTheVersionOfThePreferences) {
  e2e::ConverterWindow withoutFile("converter_caption_default");
  ASSERT_NE(withoutFile.Main(), nullptr);
  EXPECT_EQ(driver::WindowText(withoutFile.Main()), "Tessark V1.6");
  EXPECT_TRUE(withoutFile.Close());

  e2e::ConverterWindow withVersion("converter_caption_version", "[Main]\r\nVersion=2.0\r\n");
  ASSERT_NE(withVersion.Main(), nullptr);
  EXPECT_EQ(driver::WindowText(withVersion.Main()), "Tessark V2.0");
  EXPECT_TRUE(withVersion.Close());
}

TEST(ConverterStartUp, ClosingWritesThePreferences) {
  e2e::ConverterWindow converter("converter_close");
  ASSERT_NE(converter.Main(), nullptr);
  ASSERT_TRUE(converter.Close());
  EXPECT_EQ(driver::ReadWholeFile(converter.PreferencesFile()),
            "[Main]\r\nOverwrite=1\r\nAuto Turn Off=0\r\nAuto Exit=0\r\nAuto Open Dir=1\r\n"
            "Syn Mode=0\r\nOutput Path=" +
                converter.Folder() + "\\\r\nProfile=0\r\n");
}

// A folder in place of the file: it cannot be written, whoever runs the test.
TEST(ConverterStartUp, UnwritablePreferencesAreReportedAndTheProgramStillEnds) {
  const std::string folder = driver::MakeProgramFolder("converter_unwritable");
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(CreateDirectoryA((folder + "\\Preferences.ini").c_str(), nullptr));
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  converter.RequestClose();
  const HWND box = driver::WaitForMessageBox("Tessark", 10000, converter.ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_TRUE(converter.WaitForExit());
}

TEST(ConverterStartUp, ShownOutputFolderAndProfileComeFromThePreferences) {
  e2e::ConverterWindow converter("converter_show",
                                 "[Main]\r\nProfile=2\r\nOutput Path=C:\\out\\\r\n");
  ASSERT_NE(converter.Main(), nullptr);
  driver::WindowQuery edit;
  edit.className = "TEdit";
  EXPECT_EQ(driver::WindowText(driver::FindChild(converter.Main(), edit)), "C:\\out\\");
  driver::WindowQuery combo;
  combo.className = "TComboBox";
  const HWND profiles = driver::FindChild(converter.Main(), combo);
  // The shipped profiles, without regard to case.
  EXPECT_EQ(
      driver::ComboBoxItems(profiles),
      (std::vector<std::string>{"PSP H.264 480x272", "PSP MPEG-4 320x240", "PSP MPEG-4 480x272"}));
  EXPECT_EQ(driver::WindowText(profiles), "PSP MPEG-4 480x272");
  ASSERT_TRUE(converter.Close());
  EXPECT_TRUE(driver::WaitForFileLine(converter.PreferencesFile(), "Profile=2", 1000));
}

TEST(ConverterStartUp, StoredProfileBeyondTheListSelectsNothing) {
  e2e::ConverterWindow converter("converter_profile_beyond", "[Main]\r\nProfile=7\r\n");
  ASSERT_NE(converter.Main(), nullptr);
  driver::WindowQuery combo;
  combo.className = "TComboBox";
  EXPECT_EQ(driver::WindowText(driver::FindChild(converter.Main(), combo)), "");
  ASSERT_TRUE(converter.Close());
  EXPECT_TRUE(driver::WaitForFileLine(converter.PreferencesFile(), "Profile=-1", 1000));
}

TEST(ConverterMainWindow, DraggingTheSplitterResizesTheProfilePane) {
  e2e::ConverterWindow converter("converter_splitter");
  ASSERT_NE(converter.Main(), nullptr);
  driver::WindowQuery query;
  query.caption = "<>";
  const HWND splitter = driver::FindChild(converter.Main(), query);
  ASSERT_NE(splitter, nullptr);
  // The profile pane is the panel right of the splitter.
  auto paneWidth = [&] {
    RECT splitterRect;
    GetWindowRect(splitter, &splitterRect);
    driver::WindowQuery panels;
    panels.className = "TPanel";
    for (HWND panel : driver::FindChildren(converter.Main(), panels)) {
      RECT r;
      GetWindowRect(panel, &r);
      if (GetParent(panel) == converter.Main() && r.left == splitterRect.right)
        return int(r.right - r.left);
    }
    return -1;
  };
  ASSERT_EQ(paneWidth(), 200);
  auto drag = [&](WPARAM keys, int x) {
    PostMessageA(splitter, WM_MOUSEMOVE, keys, MAKELPARAM(x, 5));
  };
  drag(MK_LBUTTON | MK_SHIFT, -40);  // with Shift held: no drag
  drag(MK_LBUTTON, 0);               // no movement
  drag(0, -40);                      // no button
  EXPECT_EQ(paneWidth(), 200);
  // Moves are handled in the order posted: the drag's width tells that the ones before it
  // were handled too.
  drag(MK_LBUTTON, -40);
  EXPECT_TRUE(driver::WaitUntil([&] { return paneWidth() == 245; }, 10000)) << paneWidth();
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterStartUp, OpenDialogListsTheSupportedTypes) {
  e2e::ConverterWindow converter("converter_open_dialog");
  ASSERT_NE(converter.Main(), nullptr);
  converter.Press(e2e::kAddFiles);
  const HWND dialog = converter.WaitForForm("Add Video Files", "#32770");
  ASSERT_NE(dialog, nullptr);
  driver::WindowQuery types;
  types.id = 0x470;  // the dialog's file type list
  const std::vector<std::string> items = driver::ComboBoxItems(driver::FindChild(dialog, types));
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items.front(), "All Support Files(*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;)");
  EXPECT_EQ(items[1], "AVI Files (*.avi)");
  EXPECT_EQ(items.back(), "All Files (*.*)");
  EXPECT_TRUE(driver::PressDialogButton(dialog, IDCANCEL));
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterStartUp, MainWindowScreenshot) {
  e2e::ConverterWindow converter("converter_screenshot");
  ASSERT_NE(converter.Main(), nullptr);
  const std::string picture = converter.Folder() + "\\main_window.png";
  ASSERT_TRUE(driver::TakeSettledScreenshot(picture));
  std::cout << "main window: " << picture << "\n";
  EXPECT_TRUE(converter.Close());
}

}  // namespace
