#include "manager/tests/e2e_manager_window.h"

#include <cstdlib>
#include <iostream>

#include "testing/driver/common_controls.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace e2e {

ConsoleDrive::ConsoleDrive(const std::vector<std::string>& folders) {
  CreateDirectoryA(PathOf("MP_ROOT").c_str(), nullptr);
  for (const std::string& folder : folders) CreateDirectoryA(PathOf(folder).c_str(), nullptr);
}

ConsoleDrive::~ConsoleDrive() { RemoveFolderTree(PathOf("MP_ROOT")); }

std::string ConsoleDrive::PathOf(const std::string& path) {
  return std::string(driver::kRemovableDrive) + path;
}

bool Screenshot(HWND window, const std::string& name) {
  DWORD_PTR result;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWindowTimeoutMs, &result);
  const char* root = std::getenv("WINE_TEST_ROOT");
  const std::string picture = std::string(root ? root : ".") + "/" + name;
  std::cout << "screenshot: " << picture << "\n";
  return driver::TakeScreenshot(picture);
}

std::string SystemReason(DWORD code) {
  char text[512] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                 sizeof text, nullptr);
  std::string reason = text;
  while (!reason.empty() && std::string("\r\n .").find(reason.back()) != std::string::npos)
    reason.pop_back();
  return reason;
}

void RemoveFolderTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveFolderTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

bool WriteSizedFile(const std::string& path, size_t size) {
  return driver::WriteWholeFile(path, std::string(size, 'x'));
}

ManagerWindow::ManagerWindow(const std::string& name, const std::string& preferences,
                             bool besideConverter)
    : FFolder(driver::MakeProgramFolder(name)) {
  FReady = !FFolder.empty() &&
           (preferences.empty() || driver::WriteWholeFile(PreferencesFile(), preferences)) &&
           (besideConverter || DeleteFileA((FFolder + "\\vodivi.dll").c_str()));
}

ManagerWindow::~ManagerWindow() {
  if (FProcess.Running()) FProcess.Kill();
}

bool ManagerWindow::Start() {
  FProcess = driver::StartProgram(FFolder + "\\Hollimer.exe", "", FFolder);
  return FProcess.Started();
}

HWND ManagerWindow::WaitForMain() {
  driver::WindowQuery query;
  query.className = "TMainForm";
  query.processId = FProcess.Id();
  return FMain = driver::WaitForWindow(query, kWindowTimeoutMs);
}

bool ManagerWindow::MainShown() const {
  driver::WindowQuery query;
  query.className = "TMainForm";
  query.processId = FProcess.Id();
  return !driver::FindTopWindows(query).empty();
}

HWND ManagerWindow::WaitForBox(const std::string& caption) const {
  return driver::WaitForMessageBox(caption, kWindowTimeoutMs, FProcess.Id());
}

HWND ManagerWindow::Child(const std::string& className, size_t index) const {
  driver::WindowQuery query;
  query.className = className;
  const std::vector<HWND> children = driver::FindChildren(FMain, query);
  return index < children.size() ? children[index] : nullptr;
}

HWND ManagerWindow::Button(const std::string& caption) const {
  driver::WindowQuery query;
  query.caption = caption;
  query.className = "TButton";
  return driver::FindChild(FMain, query);
}

void ManagerWindow::PickType(int index) const {
  const HWND combo = TypeCombo();
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  PostMessageA(GetParent(combo), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::vector<std::string>> ManagerWindow::WaitForRows(HWND list, int count) const {
  std::vector<std::vector<std::string>> rows;
  driver::WaitUntil(
      [&] {
        rows.clear();
        for (int row = 0, rowCount = driver::ListViewRowCount(list); row < rowCount; ++row)
          rows.push_back({driver::ListViewItemText(list, row, 0),
                          driver::ListViewItemText(list, row, 1)});
        return static_cast<int>(rows.size()) == count;
      },
      kWindowTimeoutMs);
  return rows;
}

::testing::AssertionResult ManagerWindow::Shows(HWND list,
                                               const std::vector<std::string>& captions) const {
  std::vector<std::string> shown;
  const bool came = driver::WaitUntil(
      [&] {
        shown.clear();
        for (int row = 0, rowCount = driver::ListViewRowCount(list); row < rowCount; ++row)
          shown.push_back(driver::ListViewItemText(list, row, 0));
        return shown == captions;
      },
      kWindowTimeoutMs);
  if (came) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the list shows " << ::testing::PrintToString(shown);
}

std::vector<std::string> ManagerWindow::WaitForStatusText(int panel,
                                                          const std::string& text) const {
  std::vector<std::string> texts;
  driver::WaitUntil(
      [&] {
        texts = driver::StatusBarTexts(StatusBar());
        return panel < static_cast<int>(texts.size()) && texts[panel] == text;
      },
      kWindowTimeoutMs);
  return texts;
}

HWND ManagerWindow::WaitForForm(const std::string& className) const {
  driver::WindowQuery query;
  query.className = className;
  query.processId = FProcess.Id();
  return driver::WaitForWindow(query, kWindowTimeoutMs);
}

bool ManagerWindow::ChooseFromPopup(HWND list, int downs) const {
  POINT at{20, 10};
  ClientToScreen(list, &at);
  if (!PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y)))
    return false;
  // The menu runs its own loop on the program's thread: keys posted to any of its windows
  // reach it.
  driver::WindowQuery menu;
  menu.className = "#32768";
  menu.processId = FProcess.Id();
  if (!driver::WaitForWindow(menu, kWindowTimeoutMs)) return false;
  for (int i = 0; i <= downs; ++i) {
    const WORD key = i < downs ? VK_DOWN : VK_RETURN;
    PostMessageA(FMain, WM_KEYDOWN, key, 0);
    PostMessageA(FMain, WM_KEYUP, key, 0xC0000000);
  }
  return driver::WaitForWindowGone(menu, kWindowTimeoutMs);
}

bool ManagerWindow::Close() {
  PostMessageA(FMain, WM_CLOSE, 0, 0);
  return FProcess.WaitForExit(kWindowTimeoutMs) && FProcess.ExitCode() == 0;
}

}  // namespace e2e
