// The file list in the test host, driven from outside: a fixture folder of files, the host
// started on it, and the list's rows, keys, menu and in-place editor as a user reaches them.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explorer/tests/explorer_host.h"
#include "testing/driver/common_controls.h"
#include "testing/driver/files.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace file_list_host {

using explorer_host::kTimeoutMs;

using Rows = std::vector<std::vector<std::string>>;

inline std::vector<std::string> Column(const Rows& rows, size_t column) {
  std::vector<std::string> texts;
  for (const auto& row : rows) texts.push_back(column < row.size() ? row[column] : "?");
  return texts;
}

class FileListEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    folder = driver::MakeScratchFolder("files");
    CreateDirectoryA((folder + "\\Sub").c_str(), nullptr);
    ASSERT_TRUE(driver::WriteWholeFile(folder + "\\Sub\\inner.txt", "inner"));
    for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
             {"a.txt", 0}, {"b.txt", 1}, {"c.dat", 1024}, {"d.dat", 2047}, {"e.dat", 2048}, {"f.dat", 5000}})
      ASSERT_TRUE(driver::WriteWholeFile(folder + "\\" + name, std::string(size, 'x')));
  }
  void TearDown() override {
    if (host.Running()) host.Kill();
  }
  void Start(const std::string& directory, const std::string& mask = "") {
    window = explorer_host::StartHost(host, "\"" + directory + "\"" + (mask.empty() ? "" : " \"" + mask + "\""));
    ASSERT_NE(window, nullptr);
    list = explorer_host::Control(window, "TFileListView");
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return !c.empty(); }));
  }
  std::vector<std::string> Captions() { return Column(driver::ListViewRows(list), 0); }
  template <class Condition> bool WaitForCaptions(Condition condition) {
    return driver::WaitUntil([&] { return condition(Captions()); }, kTimeoutMs);
  }
  bool WaitForCaptionsEqual(const std::vector<std::string>& expected) {
    const bool same = WaitForCaptions([&](const std::vector<std::string>& c) { return c == expected; });
    if (!same) ADD_FAILURE() << "rows seen: " << ::testing::PrintToString(Captions());
    return same;
  }
  int Row(const std::string& caption) {
    const auto captions = Captions();
    for (size_t i = 0; i < captions.size(); ++i)
      if (captions[i] == caption) return static_cast<int>(i);
    return -1;
  }
  // Only that row selected, as a click leaves it.
  void Select(const std::string& caption, bool add = false) {
    ASSERT_GE(Row(caption), 0) << caption;
    ASSERT_TRUE(driver::ClickListViewRow(list, Row(caption), add)) << caption;
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
          return (SendMessageA(list, LVM_GETITEMSTATE, Row(caption), LVIS_SELECTED) & LVIS_SELECTED) != 0;
        },
        kTimeoutMs))
        << caption;
  }
  void Key(WORD key, bool ctrl = false) {
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }, kTimeoutMs));
    if (ctrl) PostMessageA(list, WM_KEYDOWN, VK_CONTROL, 1);
    PostMessageA(list, WM_KEYDOWN, key, 1);
    PostMessageA(list, WM_KEYUP, key, 0xC0000001);
    if (ctrl) PostMessageA(list, WM_KEYUP, VK_CONTROL, 0xC0000001);
  }
  // Opens the context menu on the list and gives its entries the characters and keys, in turn.
  void Menu(const std::vector<WPARAM>& keys) {
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }, kTimeoutMs));
    ASSERT_TRUE(explorer_host::WaitForNoMenu()) << "the menu before is still open";
    PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    HWND menu = explorer_host::WaitForMenu();
    ASSERT_NE(menu, nullptr) << "no menu";
    explorer_host::PressMenuKeys(menu, keys);
  }
  HWND WaitForPrompt() { return explorer_host::WaitForPrompt(host, window); }
  // The clipboard's text once it is the expected one; what it held at the time limit otherwise.
  std::string WaitForClipboardText(const std::string& expected) {
    std::string text;
    driver::WaitUntil(
        [&] {
          if (!OpenClipboard(nullptr)) return false;
          HANDLE data = GetClipboardData(CF_TEXT);
          const char* chars = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
          text = chars ? chars : "";
          if (chars) GlobalUnlock(data);
          CloseClipboard();
          return text == expected;
        },
        kTimeoutMs);
    return text;
  }
  // Types the new caption into the in-place editor and ends the edit.
  void TypeName(const std::string& name) {
    const HWND edit = WaitForEditor();
    ASSERT_NE(edit, nullptr) << "no editor";
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)name.c_str());
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  }
  // The in-place editor once one shows; null when none came in time.
  HWND WaitForEditor() {
    HWND edit = nullptr;
    driver::WaitUntil([&] { return (edit = (HWND)SendMessageA(list, LVM_GETEDITCONTROL, 0, 0)) != nullptr; },
                      kTimeoutMs);
    return edit;
  }
  bool WaitForNoEditor() {
    return driver::WaitUntil([&] { return SendMessageA(list, LVM_GETEDITCONTROL, 0, 0) == 0; }, kTimeoutMs);
  }
  bool WaitForSelectedCount(int count) {
    return driver::WaitUntil([&] { return SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == count; }, kTimeoutMs);
  }
  std::string folder;
  driver::Process host;
  HWND window = nullptr, list = nullptr;
};

// Names in the program's code page, which the test and the host share, and back.
inline std::string Ansi(const std::wstring& wide) {
  char text[MAX_PATH] = {};
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
  return text;
}
inline std::wstring Wide(const std::string& ansi) {
  wchar_t text[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, text, MAX_PATH);
  return text;
}

// A shortcut named name in the user's SendTo folder; removed again when the test ends. Made
// through the shell's wide interfaces, so that a name outside ASCII is stored as it is meant.
class SendToShortcut {
public:
  SendToShortcut(const std::wstring& name, const std::string& target) {
    wchar_t folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_SENDTO, TRUE)) return;
    FPath = std::wstring(folder) + L"\\" + name + L".lnk";
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    FMade = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->SetPath(Wide(target).c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Save(FPath.c_str(), TRUE));
    if (file) file->Release();
    if (link) link->Release();
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((std::wstring(folder) + L"\\*.lnk").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
      do ++FCount; while (FindNextFileW(search, &data));
      FindClose(search);
    }
  }
  ~SendToShortcut() {
    if (!FPath.empty()) DeleteFileW(FPath.c_str());
  }
  bool Made() const { return FMade; }
  int Count() const { return FCount; }
private:
  std::wstring FPath;
  bool FMade = false;
  int FCount = 0;
};

}  // namespace file_list_host
