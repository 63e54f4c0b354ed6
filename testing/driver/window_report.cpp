#include "testing/driver/window_report.h"

#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "testing/driver/window_search.h"

namespace driver {
namespace {

// The text as the system keeps it: no message goes to a program that may be hung.
std::string StoredText(HWND window) {
  char text[81] = "";
  GetWindowTextA(window, text, sizeof text);
  std::string shown = text;
  for (char& c : shown)
    if (c == '\r' || c == '\n') c = ' ';
  return shown;
}

int Depth(HWND window, HWND top) {
  int depth = 0;
  for (HWND w = window; w && w != top; w = GetParent(w)) ++depth;
  return depth;
}

std::string Line(HWND window, int depth) {
  RECT r{};
  GetWindowRect(window, &r);
  std::string line(2 + 2 * depth, ' ');
  line += ClassName(window) + " \"" + StoredText(window) + "\"";
  if (const int id = GetDlgCtrlID(window); depth > 0 && id) line += " id=" + std::to_string(id);
  line += IsWindowVisible(window) ? " shown" : " hidden";
  if (!IsWindowEnabled(window)) line += " disabled";
  if (window == GetForegroundWindow()) line += " foreground";
  line += " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
          std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
  return line + "\n";
}

BOOL CALLBACK CollectChild(HWND window, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(window);
  return TRUE;
}

class WindowsOnFailure : public ::testing::EmptyTestEventListener {
 public:
  void Watch(DWORD processId) { FProcesses.push_back(processId); }

  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || FReported) return;
    FReported = true;
    for (DWORD id : FProcesses) std::cout << DescribeWindows(id) << std::flush;
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    FProcesses.clear();
    FReported = false;
  }

 private:
  std::vector<DWORD> FProcesses;
  bool FReported = false;
};

}  // namespace

std::string DescribeWindows(DWORD processId) {
  WindowQuery query;
  query.processId = processId;
  query.visibleOnly = false;
  const std::vector<HWND> tops = FindTopWindows(query);
  if (tops.empty()) return "";
  std::string report = "Windows of process " + std::to_string(processId) + ":\n";
  for (HWND top : tops) {
    report += Line(top, 0);
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) report += Line(child, Depth(child, top));
  }
  return report;
}

void ReportWindowsOnFailure(DWORD processId) {
  static WindowsOnFailure* const listener = [] {
    auto* made = new WindowsOnFailure;  // the listener list owns it
    ::testing::UnitTest::GetInstance()->listeners().Append(made);
    return made;
  }();
  listener->Watch(processId);
}

}  // namespace driver
