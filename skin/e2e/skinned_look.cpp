#include "skin/e2e/skinned_look.h"

#include <cstdlib>

#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/wait.h"

namespace e2e {

namespace {

// The message a skinned window answers with 1.
constexpr UINT kIsSkinned = 0x2AAA;

}  // namespace

bool AnswersSkinned(HWND window) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, kIsSkinned, 0, 0, SMTO_ABORTIFHUNG, kSkinTimeoutMs, &answer) &&
         answer == 1;
}

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

std::vector<COLORREF> TitleRow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  // A narrow window is a dialog, with the close button alone at the right.
  const bool wide = r.right - r.left >= 320;
  const int left = r.left + (r.right - r.left) / 2, y = r.top + 12;
  const int width = r.right - (wide ? 100 : 40) - left;
  std::vector<COLORREF> row;
  HDC screen = GetDC(nullptr);
  for (int x = 0; x < width; ++x) row.push_back(GetPixel(screen, left + x, y));
  ReleaseDC(nullptr, screen);
  return row;
}

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

bool WaitForSkinnedTitle(HWND window) {
  return driver::WaitUntil(
      [&] {
        const std::vector<COLORREF> row = TitleRow(window);
        return !row.empty() && PlatformTitlePixels(row) == 0;
      },
      kSkinTimeoutMs);
}

std::string ScreenshotPath(const std::string& name) {
  const char* root = std::getenv("WINE_TEST_ROOT");
  return driver::WindowsPath(std::string(root ? root : "/tmp") + "/" + name + ".png");
}

bool ClickWhenUnder(HWND window, const std::function<POINT(const RECT&)>& at) {
  const HWND top = GetAncestor(window, GA_ROOT);
  RECT before{}, now{};
  POINT point{};
  return driver::WaitUntil(
             [&] {
               before = now;
               GetWindowRect(window, &now);
               point = at(now);
               const HWND under = WindowFromPoint(point);
               // On a top-level window any part of it, its controls included, counts.
               const bool hit = under == window || (window == top && GetAncestor(under, GA_ROOT) == top);
               return EqualRect(&before, &now) && IsWindowVisible(window) &&
                      IsWindowEnabled(window) && IsWindowEnabled(top) && hit &&
                      driver::InForeground(window);
             },
             kSkinTimeoutMs, 200) &&
         // From elsewhere: a pointer already on the point sends no move, and the skin's title
         // buttons take a press only on the button the pointer has moved onto.
         SetCursorPos(0, 0) && driver::ClickScreen(point);
}

bool ClickTitleButton(HWND window, int fromRight) {
  return ClickWhenUnder(window, [fromRight](const RECT& r) { return POINT{r.right - fromRight, r.top + 11}; });
}

bool ClickMiddle(HWND control) {
  return ClickWhenUnder(control, [](const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  });
}

}  // namespace e2e
