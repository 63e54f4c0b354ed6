// Tessark's main window and Settings dialog seen from outside: every framework control on
// them answers that it is skinned, and both are pictured for a look.
#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "converter/tests/e2e_converter_window.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/window_search.h"

namespace {

constexpr UINT kIsSkinned = 0x2AAA;

// The framework's windows carry their component's class name ("TButton"); the skin's own
// panels ("Tkiv...") and the pages of a page control, which no skinner is made for, are left
// out, as are the platform's windows inside controls (a combo's edit, a list's header).
bool WantsSkinner(const std::string& className) {
  return className.size() > 1 && className[0] == 'T' && className.compare(0, 4, "Tkiv") != 0 &&
         className != "TTabSheet";
}

// The class names of the form's framework controls that do not answer as skinned.
std::string UnskinnedControls(HWND form) {
  std::string unskinned;
  for (HWND child : driver::FindChildren(form, {})) {
    const std::string name = driver::ClassName(child);
    DWORD_PTR answer = 0;
    if (WantsSkinner(name) &&
        (!SendMessageTimeoutA(child, kIsSkinned, 0, 0, SMTO_NORMAL, 5000, &answer) || answer != 1))
      unskinned += name + " ";
  }
  return unskinned;
}

TEST(ConverterSkin, EveryControlOfTheMainWindowAndSettingsIsSkinned) {
  e2e::ConverterWindow converter("converter_skinned_controls");
  ASSERT_NE(converter.Main(), nullptr);
  EXPECT_GT(driver::FindChildren(converter.Main(), {}).size(), 10u);
  // The one panel tagged to keep its own look (the engine's disabled tag).
  EXPECT_EQ(UnskinnedControls(converter.Main()), "TPanel ");
  const std::string main = converter.Folder() + "\\skinned_main.png";
  EXPECT_TRUE(driver::TakeScreenshot(main));

  converter.Press(e2e::kSettings);
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(UnskinnedControls(settings), "");
  const std::string dialog = converter.Folder() + "\\skinned_settings.png";
  EXPECT_TRUE(driver::TakeScreenshot(dialog));
  std::cout << "pictures: " << main << " " << dialog << "\n";
  PostMessageA(settings, WM_CLOSE, 0, 0);
  EXPECT_TRUE(converter.Close());
}

}  // namespace
