#include "testing/driver/common_controls.h"

#include <commctrl.h>

#include "testing/driver/remote_block.h"

namespace driver {

std::vector<std::string> StatusBarTexts(HWND statusBar) {
  std::vector<std::string> texts;
  const LRESULT panels = Ask(statusBar, SB_GETPARTS, 0, 0);
  const size_t kTextSize = 1024;
  RemoteBlock block(statusBar, kTextSize);
  if (!block.Ready()) return texts;
  for (LRESULT panel = 0; panel < panels; ++panel) {
    const LRESULT length = LOWORD(Ask(statusBar, SB_GETTEXTLENGTHA, panel, 0));
    if (length >= static_cast<LRESULT>(kTextSize) ||
        Ask(statusBar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(block.Address())) < 0) {
      texts.emplace_back();
      continue;
    }
    texts.push_back(length == 0 ? "" : block.ReadText(0).substr(0, length));
  }
  return texts;
}

std::optional<RECT> ListViewRowBounds(HWND listView, int row, int part) {
  RemoteBlock block(listView, sizeof(RECT));
  RECT bounds{part, 0, 0, 0};
  if (!block.Ready() || !block.Write(&bounds, sizeof bounds) ||
      Ask(listView, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.Address())) <= 0 ||
      !block.Read(&bounds, sizeof bounds))
    return std::nullopt;
  return bounds;
}

bool ClickListViewRow(HWND listView, int row, bool withCtrl) {
  const std::optional<RECT> bounds = ListViewRowBounds(listView, row, LVIR_LABEL);
  if (!bounds) return false;
  const LPARAM at = MAKELPARAM((bounds->left + bounds->right) / 2, (bounds->top + bounds->bottom) / 2);
  const WPARAM keys = withCtrl ? MK_CONTROL : 0;
  return PostMessageA(listView, WM_MOUSEMOVE, keys, at) &&
         PostMessageA(listView, WM_LBUTTONDOWN, MK_LBUTTON | keys, at) &&
         PostMessageA(listView, WM_LBUTTONUP, keys, at);
}

}  // namespace driver
