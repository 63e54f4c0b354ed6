// The conversion run when the encoder fails or falls silent: failed rows, the closing words,
// and a window that stays alive around a silent encoder.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <vector>

#include "converter/tests/e2e_rows_fixture.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
// A damaged input: the encoder says so and ends with an error, writing nothing.
const char* const kBadInput =
    "[convert bad.avi]\nsay {input}: Invalid data found when processing input\nexit 1\n";
// A conversion that prints its report and one progress line, then nothing more.
const char* const kSilentAfterOneLine =
    "[convert]\nsay Input #0\npause 200\nsay Output #0\npause 200\n"
    "say frame= 1 time=00:00:01.00 bitrate=1\nhang\n";

class ConverterFailures : public e2e::ConverterTask {
 protected:
  std::string Status(int row) const { return driver::ListViewItemText(TaskList(), row, 3); }
  HWND Bar(int bar) const {
    driver::WindowQuery query;
    query.className = "TProgressBar";
    const auto bars = driver::FindChildren(Main(), query);
    return bar < static_cast<int>(bars.size()) ? bars[bar] : nullptr;
  }
  int BarPosition(int bar) const {
    DWORD_PTR position = 0;
    SendMessageTimeoutA(Bar(bar), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position);
    return static_cast<int>(position);
  }
  // Starts a run of one row whose encoder falls silent; false when its conversion did not start.
  bool StartSilentRun() {
    Script(kSilentAfterOneLine);
    WriteFile("clip.avi");
    CreateDirectoryA(Path("out").c_str(), nullptr);
    WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
    if (!Start("clip.avi")) return false;
    Converter().Press(e2e::kStart);
    return driver::WaitUntil(
        [&] {
          for (const std::string& line : Logged())
            if (line.find(".mp4\"") != std::string::npos) return true;
          return false;
        },
        kTimeoutMs);
  }
  // The screen's pixels where the elapsed time stands: right of the total bar's caption
  // column, on the current bar's line.
  std::vector<DWORD> ElapsedTimePixels() const {
    RECT bar;
    GetWindowRect(Bar(0), &bar);
    const int left = bar.left + 390, top = bar.top, width = 60, height = 15;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
  }
};

// The old behaviour marked such rows "Complete" and said the conversion had succeeded.
// The old behaviour gave no reason: the row read "Failed" and the message counted it.
TEST_F(ConverterFailures, AFailedConversionReadsFailedSaysWhyAndLeavesNothingToTransfer) {
  struct Case {
    const char* inputs;
    std::vector<std::string> statuses;
    const char* caption;
    std::string text;
    bool olderOutput;  // an output of an earlier run under the failed row's name
  };
  const std::string reason = Path("bad.avi") + ": Invalid data found when processing input";
  const Case cases[] = {
      {"bad.avi", {"Failed"}, "Failed", "No file could be converted.\n\n" + reason, false},
      // The total bar counts the failed row as done.
      {"bad.avi good.avi", {"Failed", "Complete"}, "Complete",
       "1 of 2 files could not be converted.\n\n" + reason +
           "\n\nWould you like to transfer them to PSP now?",
       true},
  };
  Script(kBadInput);
  WriteFile("bad.avi", "not a video");
  WriteFile("good.avi");
  int k = 0;
  for (const Case& c : cases) {
    const std::string out = Path("out" + std::to_string(++k)) + "\\";
    CreateDirectoryA(out.c_str(), nullptr);
    if (c.olderOutput) WriteFile("out" + std::to_string(k) + "\\bad.mp4", "older");
    WritePreferences(e2e::RunPreferences(out));
    ASSERT_TRUE(Start(c.inputs)) << c.inputs;
    Converter().Press(e2e::kStart);
    const HWND box = driver::WaitForMessageBox(c.caption, kTimeoutMs, ProcessId());
    ASSERT_NE(box, nullptr) << c.inputs;
    EXPECT_EQ(driver::MessageBoxText(box), c.text) << c.inputs;
    for (size_t row = 0; row < c.statuses.size(); ++row)
      EXPECT_EQ(Status(static_cast<int>(row)), c.statuses[row]) << c.inputs << " row " << row;
    if (c.statuses.size() == 2) EXPECT_EQ(BarPosition(1), 100) << c.inputs;
    EXPECT_EQ(driver::ReadWholeFile(out + "bad.mp4"), c.olderOutput ? "older" : "") << c.inputs;
    EXPECT_FALSE(driver::FileExists(out + "bad.THM")) << c.inputs;
    EXPECT_EQ(driver::FileExists(out + "good.mp4"), c.statuses.size() == 2) << c.inputs;
    EXPECT_EQ(driver::FileExists(out + "good.THM"), c.statuses.size() == 2) << c.inputs;
    EXPECT_EQ(driver::DialogButtonTexts(box).size(), c.statuses.size()) << c.inputs;  // OK; Yes, No
    EXPECT_TRUE(driver::PressDialogButton(box, c.statuses.size() == 2 ? IDNO : IDOK));
    EXPECT_EQ(FirstRowHint(), reason) << c.inputs;
    EXPECT_TRUE(Converter().Close()) << c.inputs;
  }
}

// The system's words for an error, as the converter gives them.
std::string SystemText(DWORD error) {
  char text[512] = "";
  std::string words(text, FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                         nullptr, error, 0, text, sizeof text, nullptr));
  while (!words.empty() && isspace(static_cast<unsigned char>(words.back()))) words.pop_back();
  return words;
}

// The old behaviour converted into a temporary name that it could then neither rename nor
// delete, and a folder that took no files gave "No file could be converted." without a word
// why; with two failures the box named neither.
TEST_F(ConverterFailures, AFolderThatCannotTakeTheOutputsFailsEachRowWithWhyAndKeepsNothing) {
  // The longest folder the system makes: every output name in it is too long.
  const std::string deep = Path(std::string(247 - Path("").size(), 'd'));
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
  // A folder that no one may write to, root included.
  const std::string locked = "Z:\\sys\\kernel\\";
  ASSERT_NE(GetFileAttributesA(locked.c_str()), INVALID_FILE_ATTRIBUTES)
      << "this machine has no " << locked;
  struct Case {
    std::string folder;
    std::string reason;  // of the holiday clip; the other row's has its own file name
    const char* note;
  };
  const Case cases[] = {
      {deep + "\\", "The converted file cannot be saved as " + deep + "\\a holiday clip.mp4: " +
                        SystemText(ERROR_FILENAME_EXCED_RANGE), "names too long"},
      {locked, "The output folder " + locked + " cannot be written: " + SystemText(ERROR_ACCESS_DENIED),
       "a folder that takes no files"},
  };
  WriteFile("a holiday clip.avi");
  WriteFile("a second clip.avi");
  for (const Case& c : cases) {
    WritePreferences(e2e::RunPreferences(c.folder));
    ASSERT_TRUE(Start("\"a holiday clip.avi\" \"a second clip.avi\"")) << c.note;
    Converter().Press(e2e::kStart);
    const HWND box = driver::WaitForMessageBox("Failed", kTimeoutMs, ProcessId());
    ASSERT_NE(box, nullptr) << c.note;
    std::string second = c.reason;
    if (second.find("holiday") != std::string::npos)
      second.replace(second.find("holiday"), 7, "second");
    EXPECT_EQ(driver::MessageBoxText(box), "No file could be converted.\n\na holiday clip.avi: " +
                                               c.reason + "\na second clip.avi: " + second)
        << c.note;
    EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
    EXPECT_EQ(Status(0), "Failed") << c.note;
    EXPECT_EQ(Status(1), "Failed") << c.note;
    EXPECT_EQ(FirstRowHint(), c.reason) << c.note;
    if (c.folder != locked)
      EXPECT_EQ(driver::FileNames(c.folder + "*"), std::vector<std::string>{}) << c.note;
    EXPECT_EQ(Converter().Close(), true) << c.note;
  }
}

// The old behaviour gave such a row no reason and left the converted work file in the folder.
TEST_F(ConverterFailures, AConvertedFileThatCannotTakeItsNameFailsWithTheSystemsReason) {
  const std::string out = Path("out") + "\\";
  CreateDirectoryA(out.c_str(), nullptr);
  ASSERT_TRUE(driver::WriteWholeFile(out + "clip.mp4", "older"));
  // Open here without leave to delete it, as a player showing it would hold it.
  const HANDLE held = CreateFileA((out + "clip.mp4").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  WriteFile("clip.avi");
  WritePreferences(e2e::RunPreferences(out));  // Overwrite on
  ASSERT_TRUE(Start("clip.avi"));
  Converter().Press(e2e::kStart);
  const HWND box = driver::WaitForMessageBox("Failed", kTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  const std::string reason = "The converted file could not be saved as " + out +
                             "clip.mp4: " + SystemText(ERROR_ACCESS_DENIED);
  EXPECT_EQ(driver::MessageBoxText(box), "No file could be converted.\n\nclip.avi: " + reason);
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_EQ(Status(0), "Failed");
  EXPECT_EQ(FirstRowHint(), reason);
  EXPECT_EQ(driver::FileNames(out + "*"), std::vector<std::string>{"clip.mp4"});
  CloseHandle(held);
  EXPECT_EQ(driver::ReadWholeFile(out + "clip.mp4"), "older");
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour let the encoder write into the earlier output of the name: a conversion that
// failed took it and its thumbnail away, a stopped one left it cut short.
TEST_F(ConverterFailures, AnEarlierOutputIsReplacedOnlyByACompleteConversion) {
  struct Case {
    const char* script;   // of the conversion, which writes into its file before it ends
    bool stop;            // pressed once the conversion has written
    const char* caption;  // of the closing box
    const char* status;
    bool replaced;
  };
  const Case cases[] = {
      {"[convert]\nwrite partial\nsay {input}: Invalid data found when processing input\nexit 1\n",
       false, "Failed", "Failed", false},
      {"[convert]\nwrite partial\nsay Input #0\nhang\n", true, "Cancel", "Stop", false},
      {"", false, "Complete", "Complete", true},  // the stand-in's own conversion
  };
  WriteFile("clip.avi");
  int k = 0;
  for (const Case& c : cases) {
    const std::string out = Path("out" + std::to_string(++k)) + "\\";
    CreateDirectoryA(out.c_str(), nullptr);
    ASSERT_TRUE(driver::WriteWholeFile(out + "clip.mp4", "older"));
    ASSERT_TRUE(driver::WriteWholeFile(out + "clip.THM", "older picture"));
    Script(c.script);
    WritePreferences(e2e::RunPreferences(out));
    ASSERT_TRUE(Start("clip.avi")) << c.caption;
    Converter().Press(e2e::kStart);
    if (c.stop) {
      const auto written = [&] {
        for (const std::string& name : driver::FileNames(out + "*"))
          if (driver::ReadWholeFile(out + name) == "partial") return true;
        return false;
      };
      ASSERT_TRUE(driver::WaitUntil(written, kTimeoutMs)) << "the conversion wrote nothing";
      Converter().Press(e2e::kStop);
    }
    const HWND box = driver::WaitForMessageBox(c.caption, kTimeoutMs, ProcessId());
    ASSERT_NE(box, nullptr) << c.caption;
    EXPECT_EQ(Status(0), c.status) << c.caption;
    EXPECT_EQ(driver::FileNames(out + "*"), (std::vector<std::string>{"clip.THM", "clip.mp4"}))
        << c.caption;
    EXPECT_EQ(driver::ReadWholeFile(out + "clip.mp4"),
              c.replaced ? "stand-in output of " + Path("clip.avi") + "\n" : "older")
        << c.caption;
    EXPECT_EQ(driver::ReadWholeFile(out + "clip.THM") == "older picture", !c.replaced)
        << c.caption;
    EXPECT_TRUE(driver::PressDialogButton(box, c.replaced ? IDNO : IDOK)) << c.caption;
    EXPECT_TRUE(Converter().Close()) << c.caption;
  }
}

// The old behaviour kept the hint of the row last under the pointer when another row moved
// into its place, so the row showed the reason another file failed.
TEST_F(ConverterFailures, TheHintFollowsTheRowThatMovesUnderThePointer) {
  constexpr auto kDown = static_cast<e2e::ToolbarCommand>(7);
  Script("[convert]\nsay {input}: Invalid data found when processing input\nexit 1\n");
  WriteFile("a.avi");
  WriteFile("b.avi");
  CreateDirectoryA(Path("out").c_str(), nullptr);
  WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
  ASSERT_TRUE(Start("a.avi b.avi"));
  Converter().Press(e2e::kStart);
  const HWND box = driver::WaitForMessageBox("Failed", kTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  const std::string reason = ": Invalid data found when processing input";
  EXPECT_EQ(FirstRowHint(), Path("a.avi") + reason);
  ClickFirstRow();
  Converter().Press(kDown);
  ASSERT_TRUE(driver::WaitUntil([&] { return Captions().at(0) == Path("b.avi"); }, kTimeoutMs));
  driver::PointAt(Main(), POINT{5, 5});  // off the list, as to the toolbar's button and back
  EXPECT_EQ(FirstRowHint(), Path("b.avi") + reason);
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour waited in a read of the pipe: no repaint, no clock, no Stop.
TEST_F(ConverterFailures, ASilentEncoderLeavesTheClockTickingAndStopEndsItAtOnce) {
  ASSERT_TRUE(StartSilentRun());
  const std::vector<DWORD> before = ElapsedTimePixels();
  EXPECT_TRUE(driver::WaitUntil([&] { return ElapsedTimePixels() != before; }, kTimeoutMs))
      << "the elapsed time did not change";

  const DWORD pressed = GetTickCount();
  Converter().Press(e2e::kStop);
  EXPECT_TRUE(driver::WaitUntil([&] { return Status(0) == "Stop"; }, kTimeoutMs));
  EXPECT_LT(GetTickCount() - pressed, 1000u) << "Stop took that long";
  const HWND box = driver::WaitForMessageBox("Cancel", kTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box), "The Coversion is canceled.");
  EXPECT_FALSE(e2e::EncoderRunsUnder(ProcessId()));
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterFailures, ClosingTheWindowEndsASilentEncoderAndTheProgram) {
  ASSERT_TRUE(StartSilentRun());
  const DWORD converter = ProcessId();
  ASSERT_TRUE(e2e::EncoderRunsUnder(converter));
  const DWORD closed = GetTickCount();
  Converter().RequestClose();
  // Wine without a window manager waits two seconds more for the hidden window's X state
  // whatever the program does, so the window going out of sight is the program's own end.
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(Main()); }, kTimeoutMs, 10));
  EXPECT_LT(GetTickCount() - closed, 2000u) << "closing took that long";
  EXPECT_FALSE(e2e::EncoderRunsUnder(converter));
  EXPECT_TRUE(Converter().WaitForExit());
}

}  // namespace
