#include "testing/driver/window_search.h"

#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"

namespace driver {

std::string ClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {

struct Search {
  const WindowQuery& query;
  bool topLevel;
  std::vector<HWND> found;
};

bool Matches(HWND window, const WindowQuery& query, bool topLevel) {
  if (topLevel && query.visibleOnly && !IsWindowVisible(window)) return false;
  if (query.processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId) return false;
  }
  if (query.id && GetDlgCtrlID(window) != *query.id) return false;
  if (!query.className.empty() && ClassName(window) != query.className) return false;
  return query.caption.empty() || WindowText(window) == query.caption;
}

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (Matches(window, search.query, search.topLevel)) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> FindTopWindows(const WindowQuery& query) {
  Search search{query, true, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
  HWND window = nullptr;
  WaitUntil([&] {
    const auto found = FindTopWindows(query);
    window = found.empty() ? nullptr : found.front();
    return window != nullptr;
  }, timeoutMs);
  return window;
}

bool WaitForWindowGone(const WindowQuery& query, DWORD timeoutMs) {
  return WaitUntil([&] { return FindTopWindows(query).empty(); }, timeoutMs);
}

std::vector<HWND> FindChildren(HWND parent, const WindowQuery& query) {
  Search search{query, false, {}};
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChild(HWND parent, const WindowQuery& query) {
  const auto found = FindChildren(parent, query);
  return found.empty() ? nullptr : found.front();
}

}  // namespace driver
