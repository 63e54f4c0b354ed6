// What a window of another process shows of the skin, read from outside: the skin's answer
// to its question message, the window's outline, the pixels of its title row; and real clicks
// on what the skin draws.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kSkinTimeoutMs = 20000;

// Whether the window (a form, a dialog or one of its controls) answers that it is skinned.
bool AnswersSkinned(HWND window);

// The window's outline: none when it has no region of its own.
struct Outline {
  bool hasRegion = false;
  bool topLeftCut = false;  // the corner pixel lies outside the region
  bool centreKept = false;
};
Outline OutlineOf(HWND window);

// The screen's pixels of one title row, from the middle of the window to well before its
// buttons (a close button alone on a narrow window).
std::vector<COLORREF> TitleRow(HWND window);
// How many of the row's pixels have a colour of the platform's own title bar.
int PlatformTitlePixels(const std::vector<COLORREF>& row);
// Whether the window comes to be painted in the skin: its row of title pixels holds none of
// the platform's title colours.
bool WaitForSkinnedTitle(HWND window);

// A path in the folder of the test prefix (where the run keeps its pictures) for a picture.
std::string ScreenshotPath(const std::string& name);

// A real click at the screen point that at gives for the window's rectangle, once the window
// stands still (a restored or grown window may still be placed) and is the one under the
// point; true when the click went in.
bool ClickWhenUnder(HWND window, const std::function<POINT(const RECT&)>& at);
// A real click on the title bar's button whose centre lies that far from the right edge.
bool ClickTitleButton(HWND window, int fromRight);
// A real click on the middle of the control.
bool ClickMiddle(HWND control);

}  // namespace e2e
