// Task rows of the running converter: inputs from the command line, a list file and the open
// dialog, each probed by the encoder; the output editor that names and trims a row.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/keyboard.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/remote_block.h"
#include "testing/driver/wait.h"

namespace {

using Row = std::vector<std::string>;
using Texts = std::vector<std::string>;

class ConverterRows : public e2e::ConverterTask {};

TEST_F(ConverterRows, AFileOnTheCommandLineIsProbedAndShown) {
  WriteFile("my clip.avi");
  ASSERT_TRUE(Start("\"" + Path("my clip.avi") + "\""));
  EXPECT_EQ(Logged(), Texts{" -i \"" + Path("my clip.avi") + "\""});
  EXPECT_EQ(Rows(), (std::vector<Row>{{Path("my clip.avi"), "00:01:02.34", " 320x240", "OK"}}));
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRows, CommandLineTakesSupportedFilesAndTheSupportedFilesOfFolders) {
  WriteFile("a.avi");
  WriteFile("b.txt");
  ASSERT_TRUE(CreateDirectoryA(Path("dirX").c_str(), nullptr));
  for (const char* name : {"e.wmv", "d.mkv", "c.MP4"}) WriteFile(std::string("dirX\\") + name);
  ASSERT_TRUE(Start("a.avi b.txt dirX"));
  // Every input is held by its full name: the current folder may change later.
  EXPECT_EQ(Captions(), (Texts{Path("a.avi"), Path("dirX\\c.MP4"), Path("dirX\\e.wmv")}));
  EXPECT_EQ(Logged().size(), 3u);  // one probe each
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRows, AListFileFirstNamesTheInputsInsteadOfTheArguments) {
  for (const char* name : {"one.mpg", "two.avi", "ignored.avi"}) WriteFile(name);
  WriteFile("inputs.TMP", Path("two.avi") + "\r\n" + Path("one.mpg") + "\r\n" + Path("two.avi") +
                              "\r\n" + Path("missing.avi") + "\r\n");
  ASSERT_TRUE(Start("inputs.TMP ignored.avi"));
  EXPECT_EQ(Captions(), (Texts{Path("two.avi"), Path("one.mpg")}));
  EXPECT_TRUE(Converter().Close());
}

// The dialog hands over the file chosen last first; the converter adds them in the order the
// user chose them.
TEST_F(ConverterRows, OpenDialogFilesAreAddedSecondToLastThenFirst) {
  for (const char* name : {"A.avi", "B.avi", "C.xyz"}) WriteFile(name);
  // The dialog opens where an earlier test's dialog was left, unless no folder is remembered.
  for (const char* remembered : {"LastVisitedMRU", "LastVisitedPidlMRU"})
    RegDeleteKeyA(HKEY_CURRENT_USER,
                  ("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\" +
                   std::string(remembered)).c_str());
  ASSERT_TRUE(Start());
  Converter().Press(e2e::kAddFiles);
  const HWND dialog = Converter().WaitForForm("Add Video Files", "#32770");
  ASSERT_NE(dialog, nullptr);
  driver::WindowQuery nameBox;
  nameBox.id = 0x47C;  // the file name box
  HWND name = driver::FindChild(dialog, nameBox);
  ASSERT_NE(name, nullptr);
  driver::WindowQuery edit;
  edit.className = "Edit";
  if (HWND inner = driver::FindChild(name, edit)) name = inner;
  // With nothing remembered, the dialog opens in the current folder, the program folder.
  const std::string files = "\"A.avi\" \"B.avi\" \"C.xyz\"";
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(files.c_str()));
  ASSERT_TRUE(driver::PressDialogButton(dialog, IDOK));
  ASSERT_TRUE(driver::WaitUntil([&] { return Rows().size() == 3; }, 10000));
  // Whatever its extension, a file chosen in the dialog is taken.
  EXPECT_EQ(Captions(), (Texts{Path("B.avi"), Path("C.xyz"), Path("A.avi")}));
  EXPECT_TRUE(Converter().Close());
}

// A time edit counts when the editor's row is left.
TEST_F(ConverterRows, StartAndEndTrimTheRowAStartEqualToTheEndIsRejected) {
  WriteFile("clip.avi");
  CreateDirectoryA(Path("out").c_str(), nullptr);
  WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
  ASSERT_TRUE(Start("clip.avi"));
  ClickFirstRow();
  ASSERT_TRUE(Type(1, "00:00:10"));
  ASSERT_TRUE(Type(2, "00:00:10"));  // the start stands; this end equals it
  ASSERT_TRUE(Type(0, "short.mp4"));  // the end stays the clip's end, 62.34 s
  ASSERT_TRUE(Type(1, "00:00:10"));
  ASSERT_TRUE(RunAll());
  const std::string line = Logged().back();
  const std::string trimmed = " -ss 00:00:10 -t 52 \"" + Path("out") + "\\short~1.tmp.mp4\"";
  ASSERT_GE(line.size(), trimmed.size());
  EXPECT_EQ(line.substr(line.size() - trimmed.size()), trimmed);
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour kept the editors on the row clicked last, so the edit gave the second row
// the first row's output name and times.
TEST_F(ConverterRows, AnEditAfterTheDownKeyChangesOnlyTheRowItSelected) {
  WriteFile("a.avi");
  WriteFile("b.avi");
  CreateDirectoryA(Path("out").c_str(), nullptr);
  WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
  ASSERT_TRUE(Start("a.avi b.avi"));
  ClickFirstRow();
  PostMessageA(TaskList(), WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(TaskList(), WM_KEYUP, VK_DOWN, 1);
  const auto secondSelected = [&] {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(TaskList(), LVM_GETITEMSTATE, 1, LVIS_SELECTED, SMTO_ABORTIFHUNG, 5000,
                        &state);
    return state == LVIS_SELECTED;
  };
  ASSERT_TRUE(driver::WaitUntil(secondSelected, 10000));
  ASSERT_TRUE(Type(1, "00:00:10"));
  ASSERT_TRUE(Type(2, "00:00:50"));
  ASSERT_TRUE(Type(1, "00:00:10"));  // leaves the end's row
  ASSERT_TRUE(RunAll());
  const Texts logged = Logged();
  const auto conversionOf = [&](const std::string& input) {
    for (const std::string& line : logged)
      if (line.find(input + "\" -") != std::string::npos && line.find(".THM") == std::string::npos)
        return line;
    return std::string();
  };
  const std::string a = conversionOf("a.avi"), b = conversionOf("b.avi");
  EXPECT_EQ(a.find(" -ss "), std::string::npos) << a;
  EXPECT_NE(a.find("\\out\\a~1.tmp.mp4\""), std::string::npos) << a;
  EXPECT_NE(b.find(" -ss 00:00:10 -t 40 \"" + Path("out") + "\\b~1.tmp.mp4\""), std::string::npos)
      << b;
  EXPECT_TRUE(Converter().Close());
}

}  // namespace

namespace {

// The output editor as the user handles it: real clicks on its value cells and on the task
// rows, real keys typed into its in-place editor.
class OutputEditorByHand : public e2e::ConverterTask {
 protected:
  static constexpr DWORD kTimeoutMs = 10000;
  static constexpr int kKeyWidth = 95, kRowPitch = 18;

  void StartWith(const std::string& inputs) {
    for (const std::string& input : {std::string("a.avi"), std::string("b.avi")}) WriteFile(input);
    ASSERT_TRUE(CreateDirectoryA(Path("out").c_str(), nullptr));
    WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
    ASSERT_TRUE(Start(inputs));
  }
  HWND OutputEditor() const {
    driver::WindowQuery query;
    query.className = "TValueListEditor";
    return driver::FindChild(Main(), query);
  }
  // The in-place editor when it stands on the row of the output editor with the focus.
  HWND FocusedInplaceOn(int row) const {
    const HWND editor = OutputEditor(), focus = driver::FocusedWindow();
    if (!focus || GetParent(focus) != editor || !IsWindowVisible(focus)) return nullptr;
    RECT r;
    GetWindowRect(focus, &r);
    MapWindowPoints(HWND_DESKTOP, editor, reinterpret_cast<POINT*>(&r), 2);
    const int y = row * kRowPitch + 8;
    return r.top <= y && r.bottom > y ? focus : nullptr;
  }
  // A real click on the value cell of the row; its in-place editor, or null. A click that a
  // busy window took for something else is given again.
  HWND Press(int row) const {
    POINT at{kKeyWidth + 10, row * kRowPitch + 8};
    ClientToScreen(OutputEditor(), &at);
    HWND found = nullptr;
    driver::WaitUntil(
        [&] {
          if (!driver::InForeground(Main()) || !driver::ClickScreen(at)) return false;
          driver::WaitUntil([&] { return (found = FocusedInplaceOn(row)) != nullptr; }, 2000);
          return found != nullptr;
        },
        kTimeoutMs);
    return found;
  }
  // Types the text over the row's value, and confirms it with Enter when asked.
  ::testing::AssertionResult TypeOver(int row, const std::string& text, bool enter = false) const {
    const HWND inplace = Press(row);
    if (!inplace) return ::testing::AssertionFailure() << "row " << row << " took no input";
    if (driver::PressKey(inplace, VK_END) && driver::PressKey(inplace, VK_BACK, 40) &&
        driver::TypeText(inplace, text) && (!enter || driver::PressKey(inplace, VK_RETURN)))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the keys for \"" << text << "\" were not taken";
  }
  ::testing::AssertionResult TypeAndEnter(int row, const std::string& text) const {
    return TypeOver(row, text, true);
  }
  // Clicks the second task row, which the editor then shows whole, and runs both rows: the
  // first was cut at 30 s, the second is not.
  void ClickSecondRowAndRunTheFirstCut() {
    ASSERT_TRUE(ClickTaskRow(1));
    ASSERT_TRUE(Shows(0, "b.mp4"));
    EXPECT_TRUE(Shows(2, "00:01:02.34"));
    ASSERT_TRUE(RunAll());
    const std::string a = ConversionOf("a.avi"), b = ConversionOf("b.avi");
    EXPECT_NE(a.find(" -t 30 \""), std::string::npos) << a;
    EXPECT_EQ(a.find(" -ss "), std::string::npos) << a;
    EXPECT_EQ(b.find(" -t "), std::string::npos) << b;
  }
  // Whether the row's value comes to show the text in its in-place editor.
  ::testing::AssertionResult Shows(int row, const std::string& expected) const {
    const HWND inplace = Press(row);
    std::string shown;
    if (inplace && driver::WaitUntil(
                       [&] { return (shown = driver::WindowText(inplace)) == expected; },
                       kTimeoutMs))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "row " << row << " shows \"" << shown << "\"";
  }
  // A point of a task row on the screen, x pixels into it; a second click elsewhere than the
  // first is no double click.
  POINT TaskRowPoint(int row, int x = 20) const {
    driver::RemoteBlock block(TaskList(), sizeof(RECT));
    RECT r{LVIR_LABEL, 0, 0, 0};
    if (!block.Ready() || !block.Write(&r, sizeof r) ||
        driver::Ask(TaskList(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.Address())) != TRUE ||
        !block.Read(&r, sizeof r))
      return {-1, -1};
    POINT at{r.left + x, (r.top + r.bottom) / 2};
    ClientToScreen(TaskList(), &at);
    return at;
  }
  // A real click on a task row, once the row is the one selected: input comes after the
  // messages posted to the program, so a command posted next must wait for it.
  bool ClickTaskRow(int row, int x = 20) const {
    const POINT at = TaskRowPoint(row, x);
    return at.x >= 0 && driver::InForeground(Main()) && driver::ClickScreen(at) &&
           driver::WaitUntil(
               [&] { return driver::Ask(TaskList(), LVM_GETNEXTITEM, -1, LVNI_SELECTED) == row; },
               kTimeoutMs);
  }
  // The command line that converted the input (not the one of its thumbnail).
  std::string ConversionOf(const std::string& input) const {
    for (const std::string& line : Logged())
      if (line.find(input + "\" -") != std::string::npos && line.find(".THM") == std::string::npos)
        return line;
    return "";
  }
};

// Before, a name alone made the run cut the clip to whole seconds (" -t 62" for 62.34 s), and a
// name no file can have was taken and failed at Start.
TEST_F(OutputEditorByHand, ANewNameAloneConvertsTheWholeClipAndABadNameIsRefused) {
  StartWith("a.avi");
  ASSERT_TRUE(ClickTaskRow(0));
  ASSERT_TRUE(Shows(0, "a.mp4"));
  ASSERT_TRUE(TypeAndEnter(0, "holiday.mp4"));
  // In and out of the time cells, changing nothing.
  ASSERT_TRUE(Press(1));
  ASSERT_TRUE(Press(2));
  ASSERT_TRUE(Shows(0, "holiday.mp4"));
  ASSERT_TRUE(RunAll());
  const std::string line = ConversionOf("a.avi");
  EXPECT_NE(line.find("\\out\\holiday~1.tmp.mp4\""), std::string::npos) << line;
  EXPECT_EQ(line.find(" -t "), std::string::npos) << line;
  EXPECT_EQ(line.find(" -ss "), std::string::npos) << line;

  // The question's box is gone, not only hidden, before the window takes input again.
  driver::WindowQuery question;
  question.caption = "Complete";
  question.processId = ProcessId();
  question.visibleOnly = false;
  ASSERT_TRUE(driver::WaitForWindowGone(question, kTimeoutMs));
  ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(Main()) != FALSE; }, kTimeoutMs));
  ASSERT_TRUE(TypeAndEnter(0, "bad?na*me|x"));
  const HWND box = driver::WaitForMessageBox("Incorrect File Name", kTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_NE(driver::MessageBoxText(box).find("\"bad?na*me|x\" cannot be used: a file name cannot "
                                             "contain ? * |"),
            std::string::npos)
      << driver::MessageBoxText(box);
  ASSERT_TRUE(driver::PressDialogButton(box, IDOK));
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
  EXPECT_TRUE(Shows(0, "holiday.mp4"));
  EXPECT_TRUE(Converter().Close());
}

// Before, an end confirmed with Enter was lost when another row was clicked, and refused
// times stayed on screen though the row kept its own.
TEST_F(OutputEditorByHand, AnEndConfirmedWithEnterTrimsAndARefusedTimeIsPutBack) {
  StartWith("a.avi b.avi");
  ASSERT_TRUE(ClickTaskRow(0));
  ASSERT_TRUE(Shows(0, "a.mp4"));
  for (const char* refused : {"abc", "-1", "99:99:99x"}) {
    ASSERT_TRUE(TypeAndEnter(1, refused));
    EXPECT_TRUE(Shows(1, "00:00:00.0")) << refused;
  }
  ASSERT_TRUE(TypeAndEnter(2, "00:00:50"));
  ASSERT_TRUE(TypeAndEnter(1, "00:00:55"));  // after the end
  EXPECT_TRUE(Shows(1, "00:00:00.0"));

  ASSERT_TRUE(TypeAndEnter(2, "00:00:30"));
  ClickSecondRowAndRunTheFirstCut();
  EXPECT_TRUE(Converter().Close());
}

// Clicking another row leaves the cell too. Before, the editor took the new row's values
// before the typed end was validated, and the end was lost.
TEST_F(OutputEditorByHand, AnEndTypedWithoutEnterCountsForItsRowWhenAnotherRowIsClicked) {
  StartWith("a.avi b.avi");
  ASSERT_TRUE(ClickTaskRow(0));
  ASSERT_TRUE(Shows(0, "a.mp4"));
  ASSERT_TRUE(TypeOver(2, "00:00:30"));
  ClickSecondRowAndRunTheFirstCut();
  EXPECT_TRUE(Converter().Close());
}

// The task list's own commands, used as the user uses them.
class TaskListByHand : public OutputEditorByHand {
 protected:
  static constexpr auto kRemove = static_cast<e2e::ToolbarCommand>(3);
  static constexpr auto kClear = static_cast<e2e::ToolbarCommand>(4);

  void StartWithInputs(const std::vector<std::string>& names) {
    std::string arguments;
    for (const std::string& name : names) {
      WriteFile(name);
      arguments += name + " ";
    }
    ASSERT_TRUE(Start(arguments));
    ASSERT_EQ(Rows().size(), names.size());
  }
  bool RowsBecome(const Texts& names) const {
    Texts expected;
    for (const std::string& name : names) expected.push_back(Path(name));
    return driver::WaitUntil([&] { return Captions() == expected; }, kTimeoutMs);
  }
  bool ButtonEnabled(e2e::ToolbarCommand command) const {
    driver::WindowQuery query;
    query.className = "TToolBar";
    return driver::Ask(driver::FindChild(Main(), query), TB_ISBUTTONENABLED, command, 0) > 0;
  }
  // A real right click on the task row (below the rows when -1, which selects none), then
  // the popup's entry reached with Down pressed downs times, and Enter; Escape ends a menu
  // whose entry was disabled.
  ::testing::AssertionResult ChooseFromPopup(int row, int downs) const {
    RECT r;
    GetClientRect(TaskList(), &r);
    POINT below{r.right - 40, r.bottom - 20};
    ClientToScreen(TaskList(), &below);
    const POINT at = row < 0 ? below : TaskRowPoint(row, 60);
    if (!driver::InForeground(Main()) || !driver::ClickScreen(at, true))
      return ::testing::AssertionFailure() << "no right click";
    driver::WindowQuery menu;
    menu.className = "#32768";
    menu.processId = ProcessId();
    if (!driver::WaitForWindow(menu, kTimeoutMs)) return ::testing::AssertionFailure() << "no menu";
    // The menu runs its own loop on the program's thread: keys posted to the window reach it.
    for (int i = 0; i <= downs; ++i) {
      const WORD key = i < downs ? VK_DOWN : VK_RETURN;
      PostMessageA(Main(), WM_KEYDOWN, key, 0);
      PostMessageA(Main(), WM_KEYUP, key, 0xC0000000);
    }
    if (driver::WaitForWindowGone(menu, 2000)) return ::testing::AssertionSuccess();
    PostMessageA(Main(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(Main(), WM_KEYUP, VK_ESCAPE, 0xC0000000);
    if (driver::WaitForWindowGone(menu, kTimeoutMs)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the menu stays";
  }
  // A standard dialog of the program (open dialog, folder picker), once shown.
  HWND Dialog() const {
    driver::WindowQuery query;
    query.className = "#32770";
    query.processId = ProcessId();
    return driver::WaitForWindow(query, kTimeoutMs);
  }
  bool Cancel(HWND dialog) const {
    return dialog && driver::PressDialogButton(dialog, IDCANCEL) &&
           driver::WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kTimeoutMs);
  }
};

TEST_F(TaskListByHand, RemoveTakesTheSelectedRowsAsDoesDeleteAndClearTakesAll) {
  StartWithInputs({"a.avi", "b.avi", "c.avi", "d.avi"});
  ASSERT_TRUE(ClickTaskRow(1));
  Converter().Press(kRemove);
  EXPECT_TRUE(RowsBecome({"a.avi", "c.avi", "d.avi"})) << ::testing::PrintToString(Captions());
  ASSERT_TRUE(ClickTaskRow(1, 60));
  EXPECT_TRUE(driver::PressKey(TaskList(), VK_DELETE));
  EXPECT_TRUE(RowsBecome({"a.avi", "d.avi"})) << ::testing::PrintToString(Captions());
  EXPECT_TRUE(ButtonEnabled(e2e::kStart));
  Converter().Press(kClear);
  EXPECT_TRUE(RowsBecome({})) << ::testing::PrintToString(Captions());
  for (e2e::ToolbarCommand command : {kRemove, kClear, e2e::kStart})
    EXPECT_TRUE(driver::WaitUntil([&] { return !ButtonEnabled(command); }, kTimeoutMs)) << command;
  EXPECT_TRUE(Converter().Close());
}

// Entries in the popup's order: Open, Add Files..., Add Directorys..., Remove, Clear.
TEST_F(TaskListByHand, PopupEntriesOpenAddRemoveAndClear) {
  StartWithInputs({"a.avi", "b.avi", "c.avi"});
  // Nothing selected: Remove is disabled.
  ASSERT_TRUE(ChooseFromPopup(-1, 4));
  EXPECT_EQ(Rows().size(), 3u);

  // Open previews the row: "a.avi" holds no video, which the preview reports.
  ASSERT_TRUE(ChooseFromPopup(0, 1));
  const HWND report = driver::WaitForMessageBox("Tessark", kTimeoutMs, ProcessId());
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(driver::PressDialogButton(report, IDOK));
  ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(report); }, kTimeoutMs));

  ASSERT_TRUE(ChooseFromPopup(-1, 2));
  const HWND files = Dialog();
  EXPECT_EQ(driver::WindowText(files), "Add Video Files");
  EXPECT_TRUE(Cancel(files));
  ASSERT_TRUE(ChooseFromPopup(-1, 3));
  const HWND folders = Dialog();
  EXPECT_NE(driver::MessageBoxText(folders).find("Add a directory to the Task List"),
            std::string::npos) << driver::MessageBoxText(folders);
  EXPECT_TRUE(Cancel(folders));
  EXPECT_EQ(Rows().size(), 3u);

  ASSERT_TRUE(ChooseFromPopup(0, 4));
  EXPECT_TRUE(RowsBecome({"b.avi", "c.avi"})) << ::testing::PrintToString(Captions());
  ASSERT_TRUE(ChooseFromPopup(-1, 5));
  EXPECT_TRUE(RowsBecome({})) << ::testing::PrintToString(Captions());
  EXPECT_TRUE(Converter().Close());
}

// Dropped names as the shell hands them over: files of supported types and folders are taken.
TEST_F(TaskListByHand, DroppedFilesAndFoldersAreAdded) {
  StartWithInputs({"a.avi"});
  WriteFile("x.avi");
  WriteFile("notes.txt");
  ASSERT_TRUE(CreateDirectoryA(Path("dir").c_str(), nullptr));
  WriteFile("dir\\z.mpg");
  std::string names;
  for (const char* name : {"x.avi", "notes.txt", "dir", "a.avi"}) names += Path(name) + '\0';
  names += '\0';
  // The drop's memory lives in the program, as the shell's would.
  DROPFILES header{};
  header.pFiles = sizeof header;
  std::string drop(reinterpret_cast<const char*>(&header), sizeof header);
  drop += names;
  driver::RemoteBlock block(Main(), drop.size());
  ASSERT_TRUE(block.Ready() && block.Write(drop.data(), drop.size()));
  ASSERT_TRUE(PostMessageA(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(block.Address()), 0));
  EXPECT_TRUE(RowsBecome({"a.avi", "x.avi", "dir\\z.mpg"})) << ::testing::PrintToString(Captions());
  EXPECT_TRUE(ButtonEnabled(e2e::kStart));
  EXPECT_TRUE(Converter().Close());
}


// For the test's time the shell opens folders with the recorder, which logs what it got. The
// prefix has no command of its own for them (the shell falls back on its file browser), so
// the keys made here go again afterwards.
class FoldersOpenedByTheRecorder {
 public:
  explicit FoldersOpenedByTheRecorder(const std::string& log) {
    SetEnvironmentVariableA("RECORDER_LOG", log.c_str());
    const std::string command = "\"" + driver::RecorderPath() + "\" \"%1\"";
    for (const char* key : {"Folder\\shell\\open\\command", "Directory\\shell\\open\\command"})
      RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, command.c_str(), command.size());
  }
  ~FoldersOpenedByTheRecorder() {
    for (const char* key : {"Folder\\shell\\open\\command", "Directory\\shell\\open\\command",
                            "Directory\\shell\\open", "Directory\\shell", "Directory"})
      RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    SetEnvironmentVariableA("RECORDER_LOG", nullptr);
  }
};

// Open shows the output folder, Browse chooses another; a run that ends opens it when the
// settings say so, and the encoder's last words stay in the hidden memo.
TEST_F(TaskListByHand, OpenBrowseAndTheOutputFolderOpenedAfterARun) {
  const FoldersOpenedByTheRecorder opener(Path("opened.txt"));
  const auto opened = [&](size_t count) {
    return driver::WaitUntil([&] { return driver::FileLines(Path("opened.txt")).size() >= count; },
                             kTimeoutMs);
  };
  WriteFile("a.avi");
  ASSERT_TRUE(CreateDirectoryA(Path("out").c_str(), nullptr));
  const std::string out = Path("out") + "\\";
  WritePreferences(e2e::RunPreferences(out, true, true));
  Script("[convert]\nsay Input #0\npause 200\nsay the conversion's last words\n");
  ASSERT_TRUE(Start("a.avi"));

  ASSERT_TRUE(RunAll());
  ASSERT_TRUE(opened(1));
  EXPECT_NE(driver::FileLines(Path("opened.txt"))[0].find(Path("out")), std::string::npos)
      << driver::FileLines(Path("opened.txt"))[0];
  driver::WindowQuery memo;
  memo.className = "TMemo";
  EXPECT_NE(driver::WindowText(driver::FindChild(Main(), memo)).find("the conversion's last words"),
            std::string::npos);

  ASSERT_TRUE(driver::ClickButton(Converter().Button(Main(), "&Open")));
  ASSERT_TRUE(opened(2));

  // Browse: Cancel keeps the output folder; OK takes the folder the picker shows chosen (with
  // nothing chosen in it, its top folder), ending in a backslash.
  driver::WindowQuery edits;
  edits.className = "TEdit";
  const auto outputFolder = [&] {
    for (HWND edit : driver::FindChildren(Main(), edits))
      if (const std::string text = driver::WindowText(edit); text.find(":\\") == 1) return text;
    return std::string();
  };
  ASSERT_EQ(outputFolder(), out);
  ASSERT_TRUE(driver::ClickButton(Converter().Button(Main(), "&Browse")));
  EXPECT_TRUE(Cancel(Dialog()));
  EXPECT_EQ(outputFolder(), out);
  ASSERT_TRUE(driver::ClickButton(Converter().Button(Main(), "&Browse")));
  const HWND picker = Dialog();
  ASSERT_NE(picker, nullptr);
  EXPECT_NE(driver::MessageBoxText(picker).find("Select the output directory."), std::string::npos);
  ASSERT_TRUE(driver::PressDialogButton(picker, IDOK));
  std::string chosen;
  EXPECT_TRUE(driver::WaitUntil([&] { return (chosen = outputFolder()) != out; }, kTimeoutMs));
  EXPECT_EQ(chosen.back(), '\\') << chosen;
  const DWORD attributes = GetFileAttributesA(chosen.c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      << chosen;
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
