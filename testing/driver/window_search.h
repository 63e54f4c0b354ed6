#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

// What a window must have to match; empty or unset parts match anything.
struct WindowQuery {
  std::string caption;         // the window text, exactly
  std::string className;       // e.g. "#32770", "SysListView32", "Button"
  std::optional<int> id;       // control id (child windows)
  DWORD processId = 0;         // top-level windows of this process only
  bool visibleOnly = true;     // top-level windows: skip hidden ones
};

std::string ClassName(HWND window);

// Top-level windows that match, in z-order.
std::vector<HWND> FindTopWindows(const WindowQuery& query);
// Polls until a top-level window matches; nullptr at the time limit.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs);
// Polls until no top-level window matches any more.
bool WaitForWindowGone(const WindowQuery& query, DWORD timeoutMs);

// Descendants of the parent that match (visibility is not checked), in creation order.
std::vector<HWND> FindChildren(HWND parent, const WindowQuery& query);
HWND FindChild(HWND parent, const WindowQuery& query);  // the first, or nullptr

}  // namespace driver
