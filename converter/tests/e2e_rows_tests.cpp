// Task rows of the running converter: inputs from the command line, a list file and the open
// dialog, each probed by the encoder.
#include <gtest/gtest.h>

#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/message_boxes.h"
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
