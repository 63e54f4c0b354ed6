// The file list's operations driven from outside, through the test host with its combo and tree
// linked: new folders named in place, the parent entry kept out of what is deleted or copied,
// and the operations of the menu and keys each checked on the disk or by the shell's answer.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "explorer/tests/e2e_file_list_fixture.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/screenshot.h"

namespace {

using driver::FolderExists;
using explorer_host::kTimeoutMs;
using file_list_host::FileListEndToEnd;
using file_list_host::SendToShortcut;

// Every name in the folder, files and folders, sorted; "." and ".." left out.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// A top-level window of any process whose text holds part; null when none came in time.
HWND WaitForWindowWith(const std::string& part, DWORD timeoutMs = kTimeoutMs) {
  HWND found = nullptr;
  driver::WaitUntil(
      [&] {
        for (HWND w : driver::FindTopWindows({}))
          if (driver::WindowText(w).find(part) != std::string::npos) found = w;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

// The question of the shell's prompt. Wine's shell draws it itself from a property of the
// dialog, which points into the host's memory; other prompts hold it in a static control.
std::string ShellPromptText(HWND prompt, DWORD processId) {
  const auto* text = static_cast<const wchar_t*>(GetPropW(prompt, L"WINE_CONFIRM"));
  if (!text) return driver::MessageBoxText(prompt);
  std::wstring question;
  HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, processId);
  wchar_t c = 0;
  SIZE_T read = 0;
  while (process && question.size() < 1024 && ReadProcessMemory(process, text + question.size(), &c, sizeof c, &read) &&
         read == sizeof c && c)
    question += c;
  if (process) CloseHandle(process);
  return file_list_host::Ansi(question);
}

void TakeScreenshot(const std::string& name) {
  if (const char* root = std::getenv("WINE_TEST_ROOT"))
    EXPECT_TRUE(driver::TakeScreenshot(std::string(root) + "/" + name));
}

class FileListOperations : public FileListEndToEnd {
protected:
  // Ctrl+N on the list, focused by a click on the row first.
  void NewFolderKeys(const std::string& focusRow) {
    Select(focusRow);
    ASSERT_TRUE(driver::PressKeys(list, {VK_CONTROL, 'N'}));
  }
  // The folder as the list shows it, folders first.
  std::vector<std::string> FolderRows(std::vector<std::string> folders) {
    std::vector<std::string> rows{" Parent"};
    rows.insert(rows.end(), folders.begin(), folders.end());
    for (const char* file : {"a.txt", "b.txt", "c.dat", "d.dat", "e.dat", "f.dat"}) rows.push_back(file);
    return rows;
  }
};

// The list stays in its folder while a new folder's name is edited; Escape keeps the name
// given, a typed one renames the folder, and the tree shows the new folders afterwards.
TEST_F(FileListOperations, CtrlNMakesNewFoldersHereAndEditsTheirNamesInPlace) {
  Start(folder);
  for (const char* name : {"New Folder", "New Folder(2)"}) {
    SCOPED_TRACE(name);
    NewFolderKeys("a.txt");
    HWND edit = WaitForEditor();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(driver::WindowText(edit), name);
    EXPECT_TRUE(FolderExists(folder + "\\" + name));
    EXPECT_GE(Row("a.txt"), 0) << "the list left its folder: " << ::testing::PrintToString(Captions());
    if (std::string(name) == "New Folder") TakeScreenshot("explorer-host-new-folder.png");
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(WaitForNoEditor());
  }
  EXPECT_TRUE(WaitForCaptionsEqual(FolderRows({"New Folder", "New Folder(2)", "Sub"})));

  NewFolderKeys("b.txt");
  ASSERT_NE(WaitForEditor(), nullptr);
  TypeName("Typed");
  EXPECT_TRUE(driver::WaitUntil([&] { return FolderExists(folder + "\\Typed"); }, kTimeoutMs));
  EXPECT_FALSE(FolderExists(folder + "\\New Folder(3)"));
  EXPECT_TRUE(WaitForCaptionsEqual(FolderRows({"New Folder", "New Folder(2)", "Sub", "Typed"})));

  // The tree, open at the list's folder, lists the new folders below it.
  HWND tree = explorer_host::Control(window, "TDirTree");
  ASSERT_NE(tree, nullptr);
  std::string shown;
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        shown.clear();
        for (const auto& item : driver::TreeViewVisibleItems(tree)) shown += item.text + "|";
        return shown.find("|New Folder|New Folder(2)|Sub|Typed|") != std::string::npos;
      },
      kTimeoutMs))
      << shown;
}

// Folder Top\Here with a.txt: the parent entry " Parent" is Top itself.
class ParentEntry : public FileListOperations {
protected:
  void SetUp() override {
    FileListOperations::SetUp();
    top = driver::MakeScratchFolder("top");
    here = top + "\\Here";
    there = top + "\\There";
    ASSERT_TRUE(CreateDirectoryA(here.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(there.c_str(), nullptr));
    ASSERT_TRUE(driver::WriteWholeFile(here + "\\a.txt", "a"));
    Start(here);
    ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "a.txt"}));
    Select("a.txt");
    ASSERT_TRUE(driver::PressKeys(list, {VK_CONTROL, 'A'}));
    ASSERT_TRUE(WaitForSelectedCount(2)) << "Ctrl+A selects the parent entry too";
  }
  std::string top, here, there;
};

TEST_F(ParentEntry, CtrlAThenDeleteAsksAboutTheFileAlone) {
  ASSERT_TRUE(driver::PressKeys(list, {VK_DELETE}));
  HWND prompt = WaitForPrompt();
  ASSERT_NE(prompt, nullptr) << "no prompt";
  const std::string asked = ShellPromptText(prompt, host.Id());
  EXPECT_NE(asked.find("a.txt"), std::string::npos) << asked;
  EXPECT_EQ(asked.find("items"), std::string::npos) << asked;
  std::string seen;
  EXPECT_TRUE(explorer_host::AnswerYesUntil(host, window, [&] { return !driver::FileExists(here + "\\a.txt"); }, seen))
      << seen;
  EXPECT_TRUE(WaitForCaptionsEqual({" Parent"}));
  EXPECT_EQ(Entries(top), (std::vector<std::string>{"Here", "There"}));
}

TEST_F(ParentEntry, CtrlAThenCopyPastesTheFileAloneElsewhere) {
  // Keys through the input queue all, so that they come in the order pressed.
  ASSERT_TRUE(driver::PressKeys(list, {VK_CONTROL, 'C'}));
  ASSERT_TRUE(driver::PressKeys(list, {VK_BACK}));
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) {
    return std::find(c.begin(), c.end(), "There") != c.end();
  }));
  Select("There");
  ASSERT_TRUE(driver::PressKeys(list, {VK_RETURN}));
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent"}));
  Select(" Parent");
  ASSERT_TRUE(driver::PressKeys(list, {VK_CONTROL, 'V'}));
  EXPECT_TRUE(WaitForCaptionsEqual({" Parent", "a.txt"}));
  EXPECT_EQ(Entries(there), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(Entries(top), (std::vector<std::string>{"Here", "There"}));
  EXPECT_EQ(Entries(here), std::vector<std::string>{"a.txt"});
}

// The link file the desktop shortcut wrote, and where it points; empty when it cannot be read.
std::string ShortcutTarget(const std::string& linkFile) {
  std::string target;
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  char path[MAX_PATH] = {};
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(file_list_host::Wide(linkFile).c_str(), STGM_READ)) &&
      SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
    target = path;
  if (file) file->Release();
  if (link) link->Release();
  return target;
}

// One step after another, as a user would try the menu and keys: each checked on the disk, or
// by the window the shell opened for it.
TEST_F(FileListOperations, TheMenusOtherOperationsReachTheDiskOrTheShell) {
  CoInitialize(nullptr);
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  // Where the shortcut goes, made as the system's desktop folder would be there.
  CreateDirectoryA((std::string(windows) + "\\DESKTOP").c_str(), nullptr);
  const std::string desktopLink = std::string(windows) + "\\DESKTOP\\b.lnk";
  DeleteFileA(desktopLink.c_str());
  const std::string anyFolder = driver::MakeScratchFolder("any-folder");
  // A SendTo shortcut to a folder of the removable drive; the menu reads them when it is made.
  const std::string card = std::string(driver::kRemovableDrive) + "explorer-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(card.c_str(), nullptr)) << card;
  SendToShortcut shortcut(L"Card", card);
  ASSERT_TRUE(shortcut.Made());
  ASSERT_EQ(shortcut.Count(), 1) << "the menu's first shortcut entry must be ours";
  Start(folder);

  {
    SCOPED_TRACE("New Folder from the menu, its last entry");
    Select("a.txt");
    Menu({VK_UP, VK_RETURN});
    HWND edit = WaitForEditor();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(driver::WindowText(edit), "New Folder");
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_TRUE(FolderExists(folder + "\\New Folder"));
  }
  {
    SCOPED_TRACE("View: a text file in the system's text viewer");
    Select("b.txt");
    Menu({'v'});
    HWND viewer = WaitForWindowWith("b.txt");
    ASSERT_NE(viewer, nullptr) << "no window names the file";
    EXPECT_NE(driver::WindowText(viewer).find("Notepad"), std::string::npos) << driver::WindowText(viewer);
    TakeScreenshot("explorer-host-view.png");
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(viewer); }, kTimeoutMs));
  }
  {
    SCOPED_TRACE("Find (F3): the shell's Find on the list's folder, a window on that folder");
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::InForeground(window); }, kTimeoutMs));
    Select("a.txt");
    ASSERT_TRUE(driver::PressKeys(list, {VK_F3}));
    const std::string folderName = folder.substr(folder.find_last_of('\\') + 1);
    HWND search = WaitForWindowWith(folderName);
    ASSERT_NE(search, nullptr) << "no window on " << folderName;
    EXPECT_NE(search, window);
    TakeScreenshot("explorer-host-find.png");
    PostMessageA(search, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(search); }, kTimeoutMs));
  }
  {
    SCOPED_TRACE("Properties: the shell's sheet of the file, or the shell's own refusal");
    Select("c.dat");
    Menu({VK_UP, VK_UP, VK_RETURN});
    HWND answer = WaitForPrompt();
    ASSERT_NE(answer, nullptr) << "the shell did not answer";
    TakeScreenshot("explorer-host-properties.png");
    // Wine's shell has no sheet for a file: it refuses the verb in a box of its own.
    const std::string caption = driver::WindowText(answer);
    EXPECT_TRUE(caption.find("c.dat") != std::string::npos || caption == "Error")
        << caption << ": " << driver::MessageBoxText(answer);
    PostMessageA(answer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(answer) || !IsWindowVisible(answer); }, kTimeoutMs));
    EXPECT_EQ(explorer_host::WaitForPrompt(host, window, 0), nullptr) << "a message of ours followed";
  }
  {
    SCOPED_TRACE("Send To, Any Folder: the folder typed into the dialog");
    Select("c.dat");
    Select("d.dat", true);
    Menu({'n', VK_RETURN});
    driver::WindowQuery query;
    query.caption = "Send to any folder";
    query.processId = host.Id();
    HWND dialog = driver::WaitForWindow(query, kTimeoutMs);
    ASSERT_NE(dialog, nullptr);
    driver::WindowQuery edits;
    edits.className = "TEdit";
    HWND edit = driver::FindChild(dialog, edits);
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(anyFolder.c_str()));
    driver::WindowQuery ok;
    ok.className = "TBitBtn";
    ok.caption = "OK";
    EXPECT_TRUE(driver::ClickButton(driver::FindChild(dialog, ok)));
    EXPECT_TRUE(driver::WaitUntil([&] { return Entries(anyFolder).size() == 2; }, kTimeoutMs));
    EXPECT_EQ(Entries(anyFolder), (std::vector<std::string>{"c.dat", "d.dat"}));
    EXPECT_EQ(driver::ReadWholeFile(anyFolder + "\\d.dat").size(), 2047u);
  }
  {
    SCOPED_TRACE("Send To, DeskTop as ShortCut: a link in the desktop folder");
    Select("b.txt");
    Menu({'n', VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::FileExists(desktopLink); }, kTimeoutMs)) << desktopLink;
    EXPECT_EQ(ShortcutTarget(desktopLink), folder + "\\b.txt");
    DeleteFileA(desktopLink.c_str());
  }
  {
    SCOPED_TRACE("Send To a shortcut to the removable drive: copied there");
    Select("e.dat");
    Menu({'n', VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::FileExists(card + "\\e.dat"); }, kTimeoutMs));
    EXPECT_EQ(driver::ReadWholeFile(card + "\\e.dat").size(), 2048u);
    EXPECT_TRUE(driver::FileExists(folder + "\\e.dat")) << "copied, not moved";
  }
  host.Kill();
  DeleteFileA((card + "\\e.dat").c_str());
  RemoveDirectoryA(card.c_str());
}

}  // namespace
