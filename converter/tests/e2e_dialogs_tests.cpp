// The Settings dialog and the About box of the running converter: modeless dialogs that
// disable the main window while shown, the General page's OK and Load Default.
#include <gtest/gtest.h>

#include "converter/tests/e2e_converter_window.h"
#include "testing/driver/files.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_search.h"

namespace {

constexpr DWORD kTimeoutMs = 10000;

bool Checked(HWND button) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

TEST(ConverterDialogs, SettingsAndAboutDisableTheMainWindowWhileShown) {
  e2e::ConverterWindow converter("converter_modeless");
  ASSERT_NE(converter.Main(), nullptr);
  ASSERT_TRUE(IsWindowEnabled(converter.Main()));

  converter.Press(e2e::kSettings);
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), false));
  driver::ClickButton(converter.Button(settings, "&Cancel"));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(settings); }, kTimeoutMs));
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));

  converter.Press(e2e::kAbout);
  const HWND about = converter.WaitForForm("About", "TAboutForm");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), false));
  // Closed by its close box this time.
  PostMessageA(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(about); }, kTimeoutMs));
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterDialogs, SettingsOkWritesTheGeneralPage) {
  e2e::ConverterWindow converter("converter_settings_ok");
  ASSERT_NE(converter.Main(), nullptr);
  converter.Press(e2e::kSettings);
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  driver::ClickButton(converter.Button(settings, "Exit the program when the task is completed."));
  driver::ClickButton(converter.Button(settings, "Not overwrite (Rename to <Filename> + Index"));
  driver::ClickButton(converter.Button(settings, "&OK"));

  const std::string preferences = converter.PreferencesFile();
  EXPECT_TRUE(driver::WaitForFileLine(preferences, "Auto Exit=1", kTimeoutMs));
  EXPECT_TRUE(driver::WaitForFileLine(preferences, "Overwrite=0", kTimeoutMs));
  EXPECT_TRUE(
      driver::WaitForFileLine(preferences, "Output Path=" + converter.Folder() + "\\", kTimeoutMs));
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterDialogs, LoadDefaultAsksFirstAndThenTakesTheDefaultSection) {
  e2e::ConverterWindow converter(
      "converter_load_default",
      "[Main]\r\nAuto Exit=0\r\n[Default]\r\nAuto Exit=1\r\nOverwrite=0\r\n");
  ASSERT_NE(converter.Main(), nullptr);
  converter.Press(e2e::kSettings);
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  const HWND autoExit = converter.Button(settings, "Exit the program when the task is completed.");
  const HWND rename = converter.Button(settings, "Not overwrite (Rename to <Filename> + Index");
  ASSERT_FALSE(Checked(autoExit));

  driver::ClickButton(converter.Button(settings, "&Load Default"));
  HWND box = driver::WaitForMessageBox("Load Default", kTimeoutMs, converter.ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box), "Are you sure to load the default preferences?");
  ASSERT_TRUE(driver::PressDialogButton(box, "No"));
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
  EXPECT_FALSE(Checked(autoExit));

  driver::ClickButton(converter.Button(settings, "&Load Default"));
  box = driver::WaitForMessageBox("Load Default", kTimeoutMs, converter.ProcessId());
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(driver::PressDialogButton(box, "Yes"));
  EXPECT_TRUE(driver::WaitUntil([&] { return Checked(autoExit) && Checked(rename); }, kTimeoutMs));
  driver::ClickButton(converter.Button(settings, "&Cancel"));
  EXPECT_TRUE(converter.Close());
}

}  // namespace
