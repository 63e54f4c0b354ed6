// The file list driven from outside, through the test host: rows of a fixture folder, header
// sorting, navigation by keys, renames, moves and deletes through the shell.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "explorer/tests/explorer_host.h"
#include "testing/driver/common_controls.h"
#include "testing/driver/files.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

using explorer_host::kTimeoutMs;

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> Column(const Rows& rows, size_t column) {
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
    HWND edit = nullptr;
    ASSERT_TRUE(driver::WaitUntil([&] { return (edit = (HWND)SendMessageA(list, LVM_GETEDITCONTROL, 0, 0)); }, kTimeoutMs))
        << "no editor";
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)name.c_str());
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  }
  std::string folder;
  driver::Process host;
  HWND window = nullptr, list = nullptr;
};

TEST_F(FileListEndToEnd, AFolderShowsItsRowsSizesAndColumns) {
  Start(folder);
  const Rows rows = driver::ListViewRows(list);
  EXPECT_EQ(Column(rows, 0), (std::vector<std::string>{" Parent", "Sub", "a.txt", "b.txt", "c.dat", "d.dat", "e.dat",
                                                       "f.dat"}));
  // 0 bytes 0 KB, 1 byte and 1024 and 2047 bytes 1 KB, 2048 bytes 2 KB, 5000 bytes 4 KB.
  EXPECT_EQ(Column(rows, 1), (std::vector<std::string>{" ", " ", "0 KB", "1 KB", "1 KB", "1 KB", "2 KB", "4 KB"}));
  EXPECT_EQ(rows[2][4], "A");
  EXPECT_EQ(driver::ListViewColumnCount(list), 5);
}

TEST_F(FileListEndToEnd, HeaderClicksSortBySizeBothWays) {
  Start(folder);
  HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
  ASSERT_NE(header, nullptr);
  auto clickSize = [&] {
    // Name is 165 wide, Size 75: the middle of the second header item.
    const LPARAM at = MAKELPARAM(165 + 37, 8);
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(header, WM_LBUTTONUP, 0, at);
  };
  auto sizes = [&] { return Column(driver::ListViewRows(list), 1); };
  clickSize();
  // The first click: largest first, the folders after the files, the parent entry on top.
  const std::vector<std::string> largestFirst{" ", "4 KB", "2 KB", "1 KB", "1 KB", "1 KB", "0 KB", " "};
  EXPECT_TRUE(driver::WaitUntil([&] { return sizes() == largestFirst; }, kTimeoutMs))
      << ::testing::PrintToString(sizes());
  EXPECT_EQ(Captions().front(), " Parent");
  EXPECT_EQ(Captions().back(), "Sub");
  clickSize();
  const std::vector<std::string> smallestFirst{" ", " ", "0 KB", "1 KB", "1 KB", "1 KB", "2 KB", "4 KB"};
  EXPECT_TRUE(driver::WaitUntil([&] { return sizes() == smallestFirst; }, kTimeoutMs))
      << ::testing::PrintToString(sizes());
}

TEST_F(FileListEndToEnd, EnterAndBackspaceMoveThroughFoldersUpToTheDrives) {
  Start(folder);
  Select("Sub");
  Key(VK_RETURN);
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "inner.txt"}));
  Key(VK_BACK);
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[1] == "Sub"; }));

  host.Kill();
  Start("C:\\");
  Key(VK_BACK);
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) {
    return !c.empty() && c[0].rfind(" (", 0) == 0 && c[0].substr(3, 2) == ":)";
  })) << ::testing::PrintToString(Captions());
  const Rows drives = driver::ListViewRows(list);
  bool fixed = false;
  for (const auto& row : drives) fixed = fixed || (row[0].substr(2, 2) == "C:" && row[1] == "Fixed Disk");
  EXPECT_TRUE(fixed) << ::testing::PrintToString(drives);
  // Backspace in the drives does nothing.
  const std::vector<std::string> captions = Captions();
  Key(VK_BACK);
  Key(VK_F5);
  EXPECT_TRUE(WaitForCaptionsEqual(captions));
}

TEST_F(FileListEndToEnd, F2RenamesThroughTheShellAndRefusesAnExistingName) {
  Start(folder);
  Select("b.txt");
  Key(VK_F2);
  TypeName("b2.txt");
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::FileExists(folder + "\\b2.txt"); }, kTimeoutMs));
  EXPECT_FALSE(driver::FileExists(folder + "\\b.txt"));
  ASSERT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));

  Select("b2.txt");
  Key(VK_F2);
  TypeName("a.txt");
  HWND message = WaitForPrompt();
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(driver::WindowText(GetDlgItem(message, 0xFFFF)), "\"a.txt\" already exists !");
  driver::PressDialogButton(message, IDOK);
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));
  EXPECT_TRUE(driver::FileExists(folder + "\\b2.txt"));
  EXPECT_EQ(driver::ReadWholeFile(folder + "\\a.txt"), "");

  // A name with a separator would move the file into Sub: refused, nothing moves.
  Select("b2.txt");
  Key(VK_F2);
  TypeName("Sub\\b2.txt");
  HWND refusal = WaitForPrompt();
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(driver::WindowText(GetDlgItem(refusal, 0xFFFF)), "Folder Name contains invalid characters");
  driver::PressDialogButton(refusal, IDOK);
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 8 && c[3] == "b2.txt"; }));
  EXPECT_TRUE(driver::FileExists(folder + "\\b2.txt"));
  EXPECT_FALSE(driver::FileExists(folder + "\\Sub\\b2.txt"));
}

TEST_F(FileListEndToEnd, TheRowEditedIsRenamedWhenOthersAreSelectedToo) {
  Start(folder);
  Select("a.txt");
  Select("c.dat", true);
  PostMessageA(list, LVM_EDITLABEL, Row("c.dat"), 0);
  TypeName("c2.dat");
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::FileExists(folder + "\\c2.dat"); }, kTimeoutMs))
      << ::testing::PrintToString(Captions());
  EXPECT_FALSE(driver::FileExists(folder + "\\c.dat"));
  EXPECT_TRUE(driver::FileExists(folder + "\\a.txt"));
  EXPECT_EQ(explorer_host::WaitForPrompt(host, window, 0), nullptr) << "a message came";
}

TEST_F(FileListEndToEnd, CutHereAndPasteThereMoves) {
  Start(folder);
  Select("c.dat");
  Select("d.dat", true);
  Menu({'t'});
  Select("Sub");
  Key(VK_RETURN);
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "inner.txt"}));
  Menu({'p'});
  ASSERT_TRUE(WaitForCaptionsEqual({" Parent", "c.dat", "d.dat", "inner.txt"}));
  EXPECT_TRUE(driver::FileExists(folder + "\\Sub\\c.dat"));
  EXPECT_FALSE(driver::FileExists(folder + "\\c.dat"));
  EXPECT_FALSE(driver::FileExists(folder + "\\d.dat"));
}

TEST_F(FileListEndToEnd, DeleteGoesAfterTheShellsPrompts) {
  Start(folder);
  Select("e.dat");
  Key(VK_DELETE);
  std::string seen;
  EXPECT_TRUE(explorer_host::AnswerYesUntil(host, window, [&] { return !driver::FileExists(folder + "\\e.dat"); }, seen))
      << seen;
  EXPECT_TRUE(WaitForCaptions([](const std::vector<std::string>& c) { return c.size() == 7 && c[6] == "f.dat"; }))
      << ::testing::PrintToString(Captions());
}

// Names in the program's code page, which the test and the host share, and back.
std::string Ansi(const std::wstring& wide) {
  char text[MAX_PATH] = {};
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
  return text;
}
std::wstring Wide(const std::string& ansi) {
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

TEST_F(FileListEndToEnd, ASendToShortcutToAFolderCopiesThere) {
  // The shortcut is named after its folder, as the shell names one.
  for (const wchar_t* name : {L"Fixture Target", L"Fixture Ziel \u00fc"}) {
    SCOPED_TRACE(Ansi(name));
    const std::string target = driver::MakeScratchFolder(Ansi(name));
    ASSERT_FALSE(target.empty());
    SendToShortcut shortcut(name, target);
    ASSERT_TRUE(shortcut.Made());
    ASSERT_EQ(shortcut.Count(), 1) << "the menu's first shortcut entry must be ours";
    Start(folder);
    Select("b.txt");
    Select("f.dat", true);
    // "Se&nd To" open beside the menu: a picture to look at, then past its four fixed entries to
    // the first shortcut.
    Menu({'n'});
    driver::WindowQuery menus;
    menus.className = "#32768";
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FindTopWindows(menus).size() >= 2; }, kTimeoutMs));
    if (const char* root = std::getenv("WINE_TEST_ROOT"))
      EXPECT_TRUE(driver::TakeScreenshot(std::string(root) + "/explorer-host-menu.png"));
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN})
      PostMessageA(driver::FindTopWindows(menus).front(), WM_KEYDOWN, key, 1);
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return driver::FileExists(target + "\\b.txt") && driver::FileExists(target + "\\f.dat"); }, kTimeoutMs));
    EXPECT_EQ(driver::ReadWholeFile(target + "\\f.dat").size(), 5000u);
    EXPECT_TRUE(driver::FileExists(folder + "\\b.txt"));  // copied, not moved
    host.Kill();
  }
}

TEST_F(FileListEndToEnd, ClipboardAsFileNameGivesOneLinePerSelectedRow) {
  Start(folder);
  Select("a.txt");
  Select("c.dat", true);
  Select("f.dat", true);
  // "Se&nd To", then its third entry.
  Menu({'n', VK_DOWN, VK_DOWN, VK_RETURN});
  const std::string expected = folder + "\\a.txt\r\n" + folder + "\\c.dat\r\n" + folder + "\\f.dat";
  EXPECT_EQ(WaitForClipboardText(expected), expected);
}

TEST_F(FileListEndToEnd, ClipboardAsContentsGivesTheFilesText) {
  struct Case {
    const char* name;
    const char* bytes;
    const char* text;
  };
  const Case cases[] = {
      {"plain.txt", "first line\r\nsecond {line}", "first line\r\nsecond {line}"},  // the text as it stands
      {"styled.rtf", "{\\rtf1\\ansi Hello {\\b bold}}", "Hello bold"},           // rich text as its words
  };
  for (const Case& c : cases) ASSERT_TRUE(driver::WriteWholeFile(folder + "\\" + c.name, c.bytes));
  Start(folder);
  for (const Case& c : cases) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    Select(c.name);
    // "Se&nd To", then its second entry.
    Menu({'n', VK_DOWN, VK_RETURN});
    EXPECT_EQ(WaitForClipboardText(c.text), c.text) << c.name;
  }
}

}  // namespace
