#include "testing/driver/window_contents.h"

#include "testing/driver/remote_block.h"

#include <commctrl.h>

#include <algorithm>

namespace driver {

std::string WindowText(HWND window) {
  const LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return "";
  std::string text(length + 1, '\0');
  const LRESULT copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 ? copied : 0);
  return text;
}

int ListViewRowCount(HWND listView) {
  return static_cast<int>(Ask(listView, LVM_GETITEMCOUNT, 0, 0));
}

int ListViewColumnCount(HWND listView) {
  const HWND header = reinterpret_cast<HWND>(Ask(listView, LVM_GETHEADER, 0, 0));
  return header && header != reinterpret_cast<HWND>(-1)
             ? static_cast<int>(Ask(header, HDM_GETITEMCOUNT, 0, 0))
             : 1;
}

std::string ListViewItemText(HWND listView, int row, int column) {
  const size_t kTextSize = 1024;
  RemoteBlock block(listView, sizeof(LVITEMA) + kTextSize);
  if (!block.Ready()) return "";
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = block.Address(sizeof item);
  item.cchTextMax = kTextSize;
  if (!block.Write(&item, sizeof item)) return "";
  if (Ask(listView, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.Address())) < 0)
    return "";
  return block.ReadText(sizeof item);
}

std::vector<TreeViewItem> TreeViewVisibleItems(HWND treeView) {
  std::vector<TreeViewItem> items;
  const size_t kTextSize = 1024;
  RemoteBlock block(treeView, sizeof(TVITEMA) + kTextSize);
  if (!block.Ready()) return items;
  const LRESULT selected = Ask(treeView, TVM_GETNEXTITEM, TVGN_CARET, 0);
  LRESULT item = Ask(treeView, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0);
  for (; item > 0; item = Ask(treeView, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, item)) {
    TVITEMA query{};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = block.Address(sizeof query);
    query.cchTextMax = kTextSize;
    if (!block.Write(&query, sizeof query) || Ask(treeView, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.Address())) <= 0)
      break;
    TreeViewItem shown{block.ReadText(sizeof query), {}, item == selected};
    // The platform reads the item from the rectangle it fills.
    RECT rect{};
    *reinterpret_cast<HTREEITEM*>(&rect) = query.hItem;
    if (!block.Write(&rect, sizeof rect) || Ask(treeView, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(block.Address())) <= 0 ||
        !block.Read(&shown.textRect, sizeof rect))
      break;
    items.push_back(shown);
  }
  return items;
}

std::vector<std::vector<std::string>> ListViewRows(HWND listView) {
  std::vector<std::vector<std::string>> rows(std::max(ListViewRowCount(listView), 0));
  const int columns = ListViewColumnCount(listView);
  for (size_t row = 0; row < rows.size(); ++row)
    for (int column = 0; column < columns; ++column)
      rows[row].push_back(ListViewItemText(listView, static_cast<int>(row), column));
  return rows;
}

std::string TooltipText(HWND tooltip) {
  const size_t kTextSize = 1024;
  RemoteBlock block(tooltip, sizeof(TOOLINFOA) + kTextSize);
  if (!block.Ready()) return "";
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.lpszText = block.Address(sizeof tool);
  if (!block.Write(&tool, sizeof tool) ||
      Ask(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(block.Address())) <= 0 ||
      !block.Read(&tool, sizeof tool))
    return "";
  // The enumeration names the tool; asked for by name, the text is copied into the buffer.
  tool.lpszText = block.Address(sizeof tool);
  if (!block.Write(&tool, sizeof tool) ||
      Ask(tooltip, TTM_GETTEXTA, kTextSize, reinterpret_cast<LPARAM>(block.Address())) < 0)
    return "";
  return block.ReadText(sizeof tool);
}

static std::string Narrow(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  std::string narrow(WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr),
                     '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, &narrow[0], static_cast<int>(narrow.size()),
                      nullptr, nullptr);
  return narrow;
}

// Items are read as UTF-16: Wine hands them across processes in UTF-16 even to the ANSI
// message, which overruns a buffer sized in ANSI characters.
std::vector<std::string> ComboBoxItems(HWND comboBox) {
  std::vector<std::string> items;
  const LRESULT count = Ask(comboBox, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = Ask(comboBox, CB_GETLBTEXTLEN, index, 0, true);
    if (length < 0) {
      items.emplace_back();
      continue;
    }
    std::wstring text(length + 1, L'\0');
    const LRESULT copied =
        Ask(comboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]), true);
    text.resize(copied > 0 ? copied : 0);
    items.push_back(Narrow(text));
  }
  return items;
}

}  // namespace driver
