// Both programs' main windows in the built-in skin, seen from outside: the round outline, the
// skinned title bar, its buttons under real mouse clicks, and the skin's temporary file.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <memory>

#include "converter/tests/e2e_converter_window.h"
#include "manager/tests/e2e_manager_window.h"
#include "skin/e2e/skinned_look.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"

namespace {

using namespace e2e;

constexpr DWORD kTimeoutMs = kSkinTimeoutMs;

const char* const kPrograms[] = {"Tessark", "Hollimer"};

// One of the two programs with its main window shown (Main() is null when it did not start);
// ended when dropped if it still runs.
class Program {
 public:
  Program(const std::string& name, const std::string& test) {
    if (name == "Tessark") {
      FConverter = std::make_unique<e2e::ConverterWindow>(test);
      FMain = FConverter->Main();
      FProcessId = FConverter->ProcessId();
      return;
    }
    // Hollimer asks for its console before its main window unless the drive holds one.
    FDrive = std::make_unique<e2e::ConsoleDrive>();
    FManager = std::make_unique<e2e::ManagerWindow>(test, "");
    if (FManager->Ready() && FManager->Start()) {
      FProcessId = FManager->ProcessId();
      FMain = FManager->WaitForMain();
    }
  }
  HWND Main() const { return FMain; }
  DWORD ProcessId() const { return FProcessId; }
  // The main window once its title shows the skin; null when it did not come or stayed plain.
  HWND SkinnedMain() const { return FMain && WaitForSkinnedTitle(FMain) ? FMain : nullptr; }

 private:
  std::unique_ptr<e2e::ConverterWindow> FConverter;
  std::unique_ptr<e2e::ConsoleDrive> FDrive;
  std::unique_ptr<e2e::ManagerWindow> FManager;
  HWND FMain = nullptr;
  DWORD FProcessId = 0;
};

bool ExitsWithZero(DWORD processId) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
  if (!process) return false;
  DWORD code = STILL_ACTIVE;
  const bool ended = WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process, &code) && code == 0;
  CloseHandle(process);
  return ended;
}

// The "*.kiv" files in the temporary folder.
std::vector<std::string> SkinFilesInTemp() {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((std::string(temp) + "*.kiv").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do names.push_back(data.cFileName);
  while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

TEST(SkinnedMainWindows, OpenWithRoundOutlineAndSkinnedTitleAndLeaveNoSkinFile) {
  for (const std::string name : kPrograms) {
    SCOPED_TRACE(name);
    const Program program(name, "skin_open_" + name);
    const HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    const Outline outline = OutlineOf(main);
    EXPECT_TRUE(outline.hasRegion);
    EXPECT_TRUE(outline.topLeftCut);
    EXPECT_TRUE(outline.centreKept);
    EXPECT_TRUE(WaitForSkinnedTitle(main)) << PlatformTitlePixels(TitleRow(main));
    EXPECT_EQ(SkinFilesInTemp(), std::vector<std::string>{});
    // Every pending paint of the window and its controls done before the picture.
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::string picture = ScreenshotPath("skinned-" + name);
    EXPECT_TRUE(driver::TakeScreenshot(picture));
    std::cout << name << ": " << picture << "\n";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(ExitsWithZero(program.ProcessId()));
    EXPECT_EQ(SkinFilesInTemp(), std::vector<std::string>{});
  }
}

// How many pixels of the colour the left end of the window's title bar shows, where the
// program's icon stands (its tile has one flat colour).
int TitleIconPixels(HWND window, COLORREF tile) {
  RECT r;
  GetWindowRect(window, &r);
  int count = 0;
  HDC screen = GetDC(nullptr);
  for (int y = r.top; y < r.top + 28; ++y)
    for (int x = r.left; x < r.left + 40; ++x)
      count += GetPixel(screen, x, y) == tile;
  ReleaseDC(nullptr, screen);
  return count;
}

TEST(SkinnedMainWindows, TitleBarsShowTheProgramsIcon) {
  const struct {
    const char* program;
    COLORREF tile;  // as resources/icons/draw_icons.py draws it
  } cases[] = {{"Tessark", RGB(0x2F, 0x7F, 0xC1)}, {"Hollimer", RGB(0x2E, 0x9A, 0x5C)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    const Program program(c.program, std::string("skin_icon_") + c.program);
    const HWND main = program.SkinnedMain();
    ASSERT_NE(main, nullptr) << (program.Main() ? "the title stayed plain" : "no main window");
    // Most of the 16 x 16 tile shows beside the glyph.
    int seen = 0;
    EXPECT_TRUE(driver::WaitUntil([&] { return (seen = TitleIconPixels(main, c.tile)) >= 100; }, kTimeoutMs))
        << seen << " pixels of the icon's colour";
    const std::string picture = ScreenshotPath(std::string("icon-") + c.program);
    EXPECT_TRUE(driver::TakeScreenshot(picture));
    std::cout << c.program << ": " << picture << "\n";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(ExitsWithZero(program.ProcessId()));
  }
}

TEST(SkinnedMainWindows, TitleButtonsMaximiseRestoreMinimiseAndCloseOnRealClicks) {
  // The buttons' centres from the right: close, then maximise when the window has it, then
  // minimise.
  constexpr int kFirst = 18, kSecond = 46, kThird = 74;
  struct Step {
    const char* what;
    int button;
    std::function<bool(HWND)> done;
  };
  const auto zoomed = [](HWND w) { return IsZoomed(w) != 0; };
  const auto normal = [](HWND w) { return !IsZoomed(w) && !IsIconic(w); };
  const auto iconic = [](HWND w) { return IsIconic(w) != 0; };
  const struct {
    const char* program;
    std::vector<Step> steps;
  } cases[] = {
      {"Tessark", {{"maximise", kSecond, zoomed}, {"restore", kSecond, normal}, {"minimise", kThird, iconic}}},
      // A single border and no maximise button: minimise stands next to close.
      {"Hollimer", {{"minimise", kSecond, iconic}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    const Program program(c.program, std::string("skin_buttons_") + c.program);
    const HWND main = program.SkinnedMain();
    ASSERT_NE(main, nullptr) << (program.Main() ? "the title stayed plain" : "no main window");
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.what);
      ASSERT_TRUE(ClickTitleButton(main, step.button));
      EXPECT_TRUE(driver::WaitUntil([&] { return step.done(main); }, kTimeoutMs))
          << "zoomed " << IsZoomed(main) << ", iconic " << IsIconic(main);
    }
    PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return normal(main); }, kTimeoutMs));
    ASSERT_TRUE(WaitForSkinnedTitle(main));
    ASSERT_TRUE(ClickTitleButton(main, kFirst));
    EXPECT_TRUE(ExitsWithZero(program.ProcessId()));
  }
}

// Without a temporary folder to save the skin to, the converter gives up on the skin after a
// few tries and opens in the platform's frame.
TEST(SkinnedMainWindows, ConverterWithoutWritableTempOpensUnskinnedInTime) {
  const std::string folder = driver::MakeProgramFolder("skin_no_temp");
  ASSERT_FALSE(folder.empty());
  const std::string missing = folder + "\\missing";
  const DWORD start = GetTickCount();
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder, "",
                                 {{"TEMP", missing}, {"TMP", missing}});
  ASSERT_NE(converter.Main(), nullptr);
  EXPECT_LT(GetTickCount() - start, 10000u);
  EXPECT_FALSE(OutlineOf(converter.Main()).hasRegion);
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        const std::vector<COLORREF> row = TitleRow(converter.Main());
        return PlatformTitlePixels(row) > int(row.size()) / 2;
      },
      kTimeoutMs))
      << PlatformTitlePixels(TitleRow(converter.Main()));
  EXPECT_TRUE(converter.Close());
}

}  // namespace

