// Task rows of the running converter: inputs from the command line, a list file and the open
// dialog, each probed by the encoder; the output editor that names and trims a row.
#include <gtest/gtest.h>

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
  // The in-place editor once it stands on the row of the output editor with the focus.
  HWND FocusedInplaceOn(int row) const {
    const HWND editor = OutputEditor();
    HWND found = nullptr;
    driver::WaitUntil(
        [&] {
          const HWND focus = driver::FocusedWindow();
          if (!focus || GetParent(focus) != editor || !IsWindowVisible(focus)) return false;
          RECT r;
          GetWindowRect(focus, &r);
          MapWindowPoints(HWND_DESKTOP, editor, reinterpret_cast<POINT*>(&r), 2);
          const int y = row * kRowPitch + 8;
          if (r.top <= y && r.bottom > y) found = focus;
          return found != nullptr;
        },
        kTimeoutMs);
    return found;
  }
  // A real click on the value cell of the row; its in-place editor, or null.
  HWND Press(int row) const {
    POINT at{kKeyWidth + 10, row * kRowPitch + 8};
    ClientToScreen(OutputEditor(), &at);
    if (!driver::InForeground(Main()) || !driver::ClickScreen(at)) return nullptr;
    return FocusedInplaceOn(row);
  }
  // Types the text over the row's value and confirms it with Enter.
  ::testing::AssertionResult TypeAndEnter(int row, const std::string& text) const {
    const HWND inplace = Press(row);
    if (!inplace) return ::testing::AssertionFailure() << "row " << row << " took no input";
    if (driver::PressKey(inplace, VK_END) && driver::PressKey(inplace, VK_BACK, 40) &&
        driver::TypeText(inplace, text) && driver::PressKey(inplace, VK_RETURN))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the keys for \"" << text << "\" were not taken";
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
  // A real click on a task row.
  bool ClickTaskRow(int row) const {
    driver::RemoteBlock block(TaskList(), sizeof(RECT));
    RECT r{LVIR_LABEL, 0, 0, 0};
    if (!block.Ready() || !block.Write(&r, sizeof r) ||
        driver::Ask(TaskList(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.Address())) != TRUE ||
        !block.Read(&r, sizeof r))
      return false;
    POINT at{r.left + 20, (r.top + r.bottom) / 2};
    ClientToScreen(TaskList(), &at);
    return driver::InForeground(Main()) && driver::ClickScreen(at);
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
  ASSERT_TRUE(ClickTaskRow(1));
  ASSERT_TRUE(Shows(0, "b.mp4"));
  EXPECT_TRUE(Shows(2, "00:01:02.34"));
  ASSERT_TRUE(RunAll());
  const std::string a = ConversionOf("a.avi"), b = ConversionOf("b.avi");
  EXPECT_NE(a.find(" -t 30 \""), std::string::npos) << a;
  EXPECT_EQ(a.find(" -ss "), std::string::npos) << a;
  EXPECT_EQ(b.find(" -t "), std::string::npos) << b;
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
