// The balloon tip over a window.
#include "converter/ShellBalloonTip.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <vector>

namespace converter {
namespace {

BOOL CALLBACK CollectTip(HWND candidate, LPARAM tips) {
  char className[64] = "";
  GetClassNameA(candidate, className, sizeof className);
  if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0)
    reinterpret_cast<std::vector<HWND>*>(tips)->push_back(candidate);
  return TRUE;
}

// The tip windows that the window owns.
std::vector<HWND> TipsOf(HWND window) {
  std::vector<HWND> tips, owned;
  EnumThreadWindows(GetCurrentThreadId(), CollectTip, reinterpret_cast<LPARAM>(&tips));
  for (HWND tip : tips)
    if (GetWindow(tip, GW_OWNER) == window) owned.push_back(tip);
  return owned;
}

std::string ToolText(HWND tip, HWND window) {
  char text[256] = "";
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

HWND MakeWindow() {
  return CreateWindowExA(0, "STATIC", "tip owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(ShowBalloonTip, ANewTipReplacesTheOneShownBefore) {
  const HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  ShowBalloonTip(window, TTI_INFO, "Tip:", "Please select a file in Task List.");
  ShowBalloonTip(window, TTI_INFO, "Tip:", "second");
  ShowBalloonTip(window, TTI_INFO, "Tip:", "third");
  const std::vector<HWND> tips = TipsOf(window);
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(ToolText(tips[0], window), "third");

  // A tip that went with its window is no obstacle to the next one.
  DestroyWindow(window);
  const HWND next = MakeWindow();
  ShowBalloonTip(next, TTI_INFO, "Tip:", "on the next window");
  EXPECT_EQ(TipsOf(next).size(), 1u);
  DestroyWindow(next);
}

}  // namespace
}  // namespace converter
