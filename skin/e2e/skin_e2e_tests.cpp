// Both programs' main windows in the built-in skin, seen from outside: the round outline, the
// skinned title bar, its buttons under real mouse clicks, and the skin's temporary file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>

#include "converter/tests/e2e_converter_window.h"
#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
// The message a skinned window answers with 1.
constexpr UINT kIsSkinned = 0x2AAA;

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

 private:
  std::unique_ptr<e2e::ConverterWindow> FConverter;
  std::unique_ptr<e2e::ConsoleDrive> FDrive;
  std::unique_ptr<e2e::ManagerWindow> FManager;
  HWND FMain = nullptr;
  DWORD FProcessId = 0;
};

// The window's outline: none when it has no region of its own.
struct Outline {
  bool hasRegion = false;
  bool topLeftCut = false;   // the corner pixel lies outside the region
  bool centreKept = false;
};

Outline OutlineOf(HWND window) {
  Outline outline;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, region);
  outline.hasRegion = kind == SIMPLEREGION || kind == COMPLEXREGION;
  if (outline.hasRegion) {
    RECT r;
    GetWindowRect(window, &r);
    outline.topLeftCut = !PtInRegion(region, 0, 0);
    outline.centreKept = PtInRegion(region, (r.right - r.left) / 2, (r.bottom - r.top) / 2) != 0;
  }
  DeleteObject(region);
  return outline;
}

// The screen's pixels of one title row, from the middle of the window to well before its
// buttons.
std::vector<COLORREF> TitleRow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const int left = r.left + (r.right - r.left) / 2, width = r.right - 100 - left, y = r.top + 12;
  std::vector<COLORREF> row;
  HDC screen = GetDC(nullptr);
  for (int x = 0; x < width; ++x) row.push_back(GetPixel(screen, left + x, y));
  ReleaseDC(nullptr, screen);
  return row;
}

// How many of the row's pixels have a colour of the platform's own title bar.
int PlatformTitlePixels(const std::vector<COLORREF>& row) {
  int count = 0;
  for (COLORREF pixel : row)
    for (int colour : {COLOR_ACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION, COLOR_INACTIVECAPTION,
                       COLOR_GRADIENTINACTIVECAPTION})
      if (pixel == GetSysColor(colour)) {
        ++count;
        break;
      }
  return count;
}

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

std::string ScreenshotPath(const std::string& name) {
  const char* root = std::getenv("WINE_TEST_ROOT");
  return driver::WindowsPath(std::string(root ? root : "/tmp") + "/" + name + ".png");
}

// Whether the window has been painted in the skin: its row of title pixels holds none of the
// platform's title colours.
bool WaitForSkinnedTitle(HWND window) {
  return driver::WaitUntil(
      [&] {
        const std::vector<COLORREF> row = TitleRow(window);
        return !row.empty() && PlatformTitlePixels(row) == 0;
      },
      kTimeoutMs);
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

// Clicks the title button as a user does, once the window stands still (a restored window
// may still be placed) and is the one under the point.
bool ClickTitleButton(HWND window, int fromRight) {
  SetForegroundWindow(window);
  RECT before{}, now{};
  POINT at{};
  return driver::WaitUntil(
             [&] {
               before = now;
               GetWindowRect(window, &now);
               at = {now.right - fromRight, now.top + 11};
               return EqualRect(&before, &now) && IsWindowVisible(window) &&
                      IsWindowEnabled(window) && GetAncestor(WindowFromPoint(at), GA_ROOT) == window;
             },
             kTimeoutMs, 200) &&
         driver::ClickScreen(at);
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
    const HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForSkinnedTitle(main));
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

// The converter's open dialog is a platform dialog that allows sizing: it is skinned all the
// same, with its size grip refused, and still opens, lists and cancels.
TEST(SkinnedDialogs, TheConvertersAddVideoFilesDialogIsSkinnedAndStillWorks) {
  e2e::ConverterWindow converter("skin_open_dialog");
  ASSERT_NE(converter.Main(), nullptr);
  ASSERT_TRUE(WaitForSkinnedTitle(converter.Main()));
  for (int time = 0; time < 2; ++time) {
    SCOPED_TRACE(time);
    converter.Press(e2e::kAddFiles);
    const HWND dialog = converter.WaitForForm("Add Video Files", "#32770");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(driver::WaitUntil([&] { return SendMessageA(dialog, kIsSkinned, 0, 0) == 1; },
                                  kTimeoutMs))
        << "the dialog was not skinned";
    EXPECT_TRUE(WaitForSkinnedTitle(dialog));
    driver::WindowQuery types;
    types.id = 0x470;  // the dialog's file type list
    EXPECT_EQ(driver::ComboBoxItems(driver::FindChild(dialog, types)).size(), 10u);
    EXPECT_TRUE(driver::PressDialogButton(dialog, IDCANCEL));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }, kTimeoutMs));
  }
  EXPECT_TRUE(converter.Close());
}
