// Inputs handed to the converter when it starts: the window comes first and the rows follow as
// each input is probed; inputs that cannot be handled are named, not dropped.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/remote_block.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr DWORD kManyProbesTimeoutMs = 180000;

class ConverterInputs : public e2e::ConverterTask {
 protected:
  int RowCount() const { return driver::ListViewRowCount(TaskList()); }
};

// The old behaviour probed every input before the window was made: 150 clips gave no window for
// 46 s, then all their rows at once.
TEST_F(ConverterInputs, TheWindowShowsFirstAndTheRowsArriveAsTheyAreProbed) {
  constexpr int kInputs = 100;
  std::string arguments;
  for (int i = 0; i < kInputs; ++i) {
    const std::string name = "clip" + std::to_string(1000 + i) + ".avi";
    WriteFile(name);
    arguments += " " + name;
  }
  ASSERT_TRUE(Start(arguments, false));
  const int rowsWhenShown = RowCount();
  EXPECT_LT(rowsWhenShown, kInputs) << "the window came after the probes";
  int rowsSeen = rowsWhenShown;
  bool arrivedWhileShown = false;
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        const int rows = RowCount();
        arrivedWhileShown = arrivedWhileShown || (rows > rowsSeen && IsWindowVisible(Main()));
        rowsSeen = rows;
        return rows == kInputs;
      },
      kManyProbesTimeoutMs))
      << rowsSeen << " rows";
  EXPECT_TRUE(arrivedWhileShown) << "no row came while the window was shown";
  const auto captions = Captions();
  ASSERT_EQ(captions.size(), static_cast<size_t>(kInputs));
  EXPECT_EQ(captions.front(), Path("clip1000.avi"));
  EXPECT_EQ(captions.back(), Path("clip1099.avi"));
  EXPECT_TRUE(Converter().Close());
}

// Closing the window while the rows still arrive ends the adding and the program.
TEST_F(ConverterInputs, ClosingWhileTheRowsArriveEndsTheProgram) {
  Script("[probe]\npause 200\n");
  std::string arguments;
  for (int i = 0; i < 30; ++i) {
    WriteFile("clip" + std::to_string(i) + ".avi");
    arguments += " clip" + std::to_string(i) + ".avi";
  }
  ASSERT_TRUE(Start(arguments, false));
  EXPECT_TRUE(Converter().Close());
  EXPECT_LT(Logged().size(), 30u) << "every input was probed before the program ended";
}

// The old behaviour left out a file whose path was too long and listed a name in another script
// as "???.avi", which failed at Start.
TEST_F(ConverterInputs, InputsThatCannotBeHandledAreNamedWithWhyAndLeftOut) {
  ASSERT_TRUE(CreateDirectoryA(Path("in").c_str(), nullptr));
  WriteFile("in\\ok.avi");
  // Made through the system's wide calls, as another program would.
  const std::string in = Path("in\\");
  const std::wstring folder = L"\\\\?\\" + std::wstring(in.begin(), in.end());
  const std::string longName(265 - in.size(), 'n');
  for (const std::wstring& name :
       {std::wstring(L"\u65e5\u672c\u8a9e.avi"), std::wstring(longName.begin(), longName.end()) + L".avi"}) {
    const HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot make the test's file";
    CloseHandle(file);
  }
  const std::string tooLong = Path(std::string(270 - Path("").size(), 't') + ".avi");
  ASSERT_TRUE(Start("in \"" + tooLong + "\""));
  const HWND box = driver::WaitForMessageBox("Files not added", kTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box),
            "These files cannot be added to the Task List:\n\n" + Path("in\\???.avi") +
                ": The name has characters that the system's code page cannot hold.\n" +
                Path("in\\" + longName + ".avi") + ": The path is longer than 259 characters.\n" +
                tooLong + ": The path is longer than 259 characters.");
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_EQ(Captions(), std::vector<std::string>{Path("in\\ok.avi")});
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
