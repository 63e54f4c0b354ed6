// The test host of the folder browser controls, seen from the end-to-end tests: where it is,
// its prompts and its context menus, which another process reaches only by keys.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace explorer_host {

constexpr DWORD kTimeoutMs = 30000;

// ExplorerHost.exe beside the test program.
inline std::string HostPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1) + "ExplorerHost.exe";
}

// A top-level window of the host other than its main window: a message or a shell prompt;
// null when none came in time.
inline HWND WaitForPrompt(const driver::Process& host, HWND main, DWORD timeoutMs = kTimeoutMs) {
  HWND prompt = nullptr;
  driver::WaitUntil(
      [&] {
        driver::WindowQuery query;
        query.processId = host.Id();
        for (HWND w : driver::FindTopWindows(query))
          if (w != main && IsWindowEnabled(w) && !driver::WindowText(w).empty()) prompt = w;
        return prompt != nullptr;
      },
      timeoutMs);
  return prompt;
}

// Starts the host with the arguments: its main window once shown, null when none came.
inline HWND StartHost(driver::Process& host, const std::string& arguments) {
  host = driver::StartProgram(HostPath(), arguments);
  if (!host.Started()) return nullptr;
  driver::WindowQuery query;
  query.caption = "Explorer Host";
  query.processId = host.Id();
  return driver::WaitForWindow(query, kTimeoutMs);
}

// The host's control of that window class (the component's class name).
inline HWND Control(HWND main, const char* className) {
  driver::WindowQuery query;
  query.className = className;
  return driver::FindChild(main, query);
}

// The popup menus shown. A menu closed a moment ago may still have its window, hidden.
inline std::vector<HWND> ShownMenus() {
  driver::WindowQuery menus;
  menus.className = "#32768";
  return driver::FindTopWindows(menus);
}

// The popup menu shown, once one shows; null when none came in time.
inline HWND WaitForMenu() {
  HWND menu = nullptr;
  driver::WaitUntil(
      [&] {
        const std::vector<HWND> shown = ShownMenus();
        menu = shown.empty() ? nullptr : shown.front();
        return menu != nullptr;
      },
      kTimeoutMs);
  return menu;
}

// True once no popup menu shows.
inline bool WaitForNoMenu() {
  return driver::WaitUntil([] { return ShownMenus().empty(); }, kTimeoutMs);
}

// Lowercase letters go to the menu as characters (an entry's underlined letter), anything
// else as a key press.
inline void PressMenuKeys(HWND menu, const std::vector<WPARAM>& keys) {
  for (WPARAM key : keys) {
    if (key >= 'a' && key <= 'z')
      PostMessageA(menu, WM_CHAR, key, 1);
    else
      PostMessageA(menu, WM_KEYDOWN, key, 1);
  }
}

// Answers Yes to the shell's prompts until done() holds: a delete asks once, sometimes twice
// (whether to delete what cannot go to the trash). False when a prompt had no Yes to press;
// seen then holds its text.
inline bool AnswerYesUntil(const driver::Process& host, HWND main, const std::function<bool()>& done,
                           std::string& seen) {
  for (int prompt = 0; prompt < 2 && !done(); ++prompt) {
    HWND asked = WaitForPrompt(host, main);
    if (!asked) break;
    if (!driver::PressDialogButton(asked, IDYES) && !driver::PressDialogButton(asked, "Yes")) {
      seen = driver::MessageBoxText(asked);
      return false;
    }
    driver::WaitUntil([&] { return !IsWindow(asked) || !IsWindowVisible(asked); }, kTimeoutMs);
  }
  return driver::WaitUntil(done, kTimeoutMs);
}

}  // namespace explorer_host
