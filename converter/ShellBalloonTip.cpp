#include "converter/ShellBalloonTip.h"

#include <commctrl.h>

namespace converter {

void ShowBalloonTip(HWND window, int icon, const std::string& title, const std::string& text) {
  static HWND shownTip = nullptr;
  if (shownTip && IsWindow(shownTip)) DestroyWindow(shownTip);
  shownTip = nullptr;

  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tip) return;
  shownTip = tip;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip, TTM_SETTITLEA, icon, reinterpret_cast<LPARAM>(title.c_str()));
}

}  // namespace converter
