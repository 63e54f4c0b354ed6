// The conversion run of the converter with the stand-in encoder: the jobs' command lines, the
// output names, the progress bars, Stop, closing during a run and the completion question.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "converter/core/Profiles.h"
#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
const char* const kCompleteQuestion =
    "The coversion is completed successfully. Would you like to transfer them to PSP now?";

// Script lines that keep printing progress without a time for about the seconds given.
std::string Busy(int seconds) {
  std::string lines;
  for (int i = 0; i < seconds * 10; ++i) lines += "say frame= 1 time=N/A bitrate=1\npause 100\n";
  return lines;
}

class ConverterRun : public e2e::ConverterTask {
 protected:
  // The output folder, made, with a trailing backslash.
  std::string MakeOutputFolder() const {
    CreateDirectoryA(Path("out").c_str(), nullptr);
    return Path("out") + "\\";
  }
  std::string Status(int row) const { return driver::ListViewItemText(TaskList(), row, 3); }
  HWND WaitForBox(const std::string& caption) const {
    return driver::WaitForMessageBox(caption, kTimeoutMs, ProcessId());
  }
  // The conversion lines the encoder got.
  std::vector<std::string> Conversions() const {
    std::vector<std::string> lines;
    for (const std::string& line : Logged())
      if (line.rfind(" -y -i ", 0) == 0 && line.find(" -f image2 ") == std::string::npos)
        lines.push_back(line);
    return lines;
  }
  bool Logs(const std::string& line) const {
    return driver::WaitUntil(
        [&] {
          const auto lines = Logged();
          return std::find(lines.begin(), lines.end(), line) != lines.end();
        },
        kTimeoutMs);
  }
  // The option string of the first shipped profile, and its output extension.
  std::string ProfileOptions() const {
    const std::string profile = Path("Profiles\\PSP H.264 480x272.ovx");
    return converter::BuildEncoderParameters(profile, converter::LoadProfile(profile)->Editors);
  }
  int BarPosition(int bar) const {
    driver::WindowQuery query;
    query.className = "TProgressBar";
    const auto bars = driver::FindChildren(Main(), query);
    DWORD_PTR position = 0;
    SendMessageTimeoutA(bars.at(bar), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position);
    return static_cast<int>(position);
  }
  void AnswerComplete(int button) const {
    const HWND box = WaitForBox("Complete");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::MessageBoxText(box), kCompleteQuestion);
    EXPECT_TRUE(driver::PressDialogButton(box, button));
  }
};

TEST_F(ConverterRun, ThumbnailThenConversionOfEachRowThenTheQuestion) {
  WriteFile("clip.avi");
  const std::string out = MakeOutputFolder();
  WritePreferences(e2e::RunPreferences(out));
  ASSERT_TRUE(Start("\"" + Path("clip.avi") + "\""));
  Converter().Press(e2e::kStart);
  AnswerComplete(IDNO);
  const std::string in = "\"" + Path("clip.avi") + "\"";
  EXPECT_EQ(Logged(), (std::vector<std::string>{
                          " -i " + in,
                          " -y -i " + in + " -f image2 -ss 0 -t 0.001 -s 160x120 \"" + out +
                              "clip~1.tmp.THM\"",
                          " -y -i " + in + ProfileOptions() + " \"" + out + "clip~1.tmp.mp4\""}));
  EXPECT_EQ(Status(0), "Complete");
  EXPECT_TRUE(driver::FileExists(out + "clip.THM"));
  EXPECT_TRUE(driver::FileExists(out + "clip.mp4"));
  EXPECT_TRUE(Converter().Close());
}

// The thumbnail job's report of the input decides: a silent track only where the input has none.
TEST_F(ConverterRun, OnlyAnInputWithoutSoundGetsASilentTrack) {
  const std::string pictures =
      "say Input #0, avi, from '{input}':\n"
      "say     Stream #0:0: Video: mpeg4, yuv420p, 320x240, 25 fps\n";
  Script("[thumbnail silent.avi]\n" + pictures + "[thumbnail sound.avi]\n" + pictures +
         "say     Stream #0:1: Audio: mp3, 44100 Hz, stereo\n");
  WriteFile("silent.avi");
  WriteFile("sound.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  ASSERT_TRUE(Start("silent.avi sound.avi"));
  Converter().Press(e2e::kStart);
  AnswerComplete(IDNO);
  const std::string silentTrack =
      " -f lavfi -i anullsrc=channel_layout=stereo:sample_rate=48000 -shortest";
  const std::vector<std::string> conversions = Conversions();
  ASSERT_EQ(conversions.size(), 2u);
  EXPECT_EQ(conversions[0].rfind(" -y -i \"" + Path("silent.avi") + "\"" + silentTrack + " ", 0), 0u)
      << conversions[0];
  EXPECT_EQ(conversions[1].find(silentTrack), std::string::npos) << conversions[1];
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRun, AMissingOutputFolderConvertsNothing) {
  WriteFile("clip.avi");
  WritePreferences(e2e::RunPreferences(Path("missing") + "\\"));
  ASSERT_TRUE(Start("clip.avi"));
  Converter().Press(e2e::kStart);
  const HWND box = WaitForBox("Output path does not exist");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box),
            "The output path does not exist. Please specify another one.");
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_EQ(Logged().size(), 1u);  // the probe alone
  EXPECT_EQ(Status(0), "OK");
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRun, StopDuringTheFirstOfTwoRowsEndsTheRun) {
  Script("[convert]\n" + Busy(60));
  WriteFile("a.avi");
  WriteFile("b.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  ASSERT_TRUE(Start("a.avi b.avi"));
  Converter().Press(e2e::kStart);
  ASSERT_TRUE(driver::WaitUntil([&] { return Conversions().size() == 1; }, kTimeoutMs));
  Converter().Press(e2e::kStop);
  const HWND box = WaitForBox("Cancel");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box), "The Coversion is canceled.");
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_EQ(Status(0), "Stop");
  EXPECT_EQ(Status(1), "OK");
  for (const std::string& line : Logged()) EXPECT_EQ(line.find("b.avi\" -"), std::string::npos);
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour converted the row in full before the stop took effect.
TEST_F(ConverterRun, StopWhileTheThumbnailIsWrittenSkipsTheConversion) {
  Script("[thumbnail]\n" + Busy(60));
  WriteFile("a.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  ASSERT_TRUE(Start("a.avi"));
  Converter().Press(e2e::kStart);
  ASSERT_TRUE(driver::WaitUntil([&] { return Logged().size() == 2; }, kTimeoutMs));
  Converter().Press(e2e::kStop);
  const HWND box = WaitForBox("Cancel");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_EQ(Status(0), "Stop");
  EXPECT_TRUE(Conversions().empty());
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour kept converting behind a closed window.
TEST_F(ConverterRun, ClosingTheWindowDuringARunEndsTheEncoderAndTheProgram) {
  Script("[convert]\n" + Busy(60));
  WriteFile("a.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  ASSERT_TRUE(Start("a.avi"));
  Converter().Press(e2e::kStart);
  ASSERT_TRUE(driver::WaitUntil([&] { return Conversions().size() == 1; }, kTimeoutMs));
  const DWORD converter = ProcessId();
  ASSERT_TRUE(e2e::EncoderRunsUnder(converter));
  Converter().RequestClose();
  EXPECT_TRUE(Converter().WaitForExit());
  EXPECT_FALSE(e2e::EncoderRunsUnder(converter));
}

// Each row is 62.34 seconds long. Had the second chunk counted, the row's highest time would be
// its whole length; chunks without a number leave the bars where they are.
TEST_F(ConverterRun, ProgressCountsFromTheThirdChunkOnAndTheTotalOverAllRows) {
  Script("[convert]\nsay Input #0\npause 300\nsay time=00:01:02.34 \npause 300\n"
         "say frame= 1 time=00:00:31.17 bitrate=1\npause 300\n" +
         Busy(6));
  WriteFile("a.avi");
  WriteFile("b.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  ASSERT_TRUE(Start("a.avi b.avi"));
  Converter().Press(e2e::kStart);
  EXPECT_TRUE(driver::WaitUntil([&] { return BarPosition(0) == 50 && BarPosition(1) == 25; },
                                kTimeoutMs));
  EXPECT_TRUE(driver::WaitUntil([&] { return Conversions().size() == 2; }, kTimeoutMs));
  EXPECT_TRUE(driver::WaitUntil([&] { return BarPosition(0) == 50 && BarPosition(1) == 75; },
                                kTimeoutMs));
  AnswerComplete(IDNO);
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRun, WithoutOverwriteAnExistingOutputGetsTheRowNumber) {
  for (const char* name : {"a", "b", "c"}) {
    CreateDirectoryA(Path(name).c_str(), nullptr);
    WriteFile(std::string(name) + "\\clip.avi");
  }
  const std::string out = MakeOutputFolder();
  WriteFile("out\\clip.mp4", "kept");
  WritePreferences(e2e::RunPreferences(out, false));
  ASSERT_TRUE(Start("a\\clip.avi b\\clip.avi c\\clip.avi"));
  Converter().Press(e2e::kStart);
  AnswerComplete(IDNO);
  const auto conversions = Conversions();
  ASSERT_EQ(conversions.size(), 3u);
  for (int row = 0; row < 3; ++row) {
    const std::string output = out + "clip_" + std::to_string(row + 1);
    const std::string temporary = "\"" + output + "~1.tmp.mp4\"";
    EXPECT_EQ(conversions[row].substr(conversions[row].size() - temporary.size()), temporary);
    EXPECT_TRUE(driver::FileExists(output + ".mp4")) << output;
  }
  EXPECT_EQ(driver::ReadWholeFile(out + "clip.mp4"), "kept");
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour named the output by the video alone: a thumbnail that "Not overwrite" keeps
// was replaced by the new output's, and with overwriting on, an older picture of a name stayed
// beside a new video whose thumbnail job failed.
TEST_F(ConverterRun, AThumbnailIsKeptOrReplacedWithItsVideoOnly) {
  struct Case {
    bool overwrite;
    const char* script;  // of the thumbnail job
    std::vector<std::string> files;
    const char* note;
  };
  const Case cases[] = {
      {false, "", {"clip.THM", "clip_1.THM", "clip_1.mp4"}, "kept: the output takes a number"},
      {true, "[thumbnail]\nexit 1\n", {"clip.mp4"}, "replaced, but no new picture came"},
  };
  WriteFile("clip.avi");
  int k = 0;
  for (const Case& c : cases) {
    const std::string out = Path("out" + std::to_string(++k)) + "\\";
    CreateDirectoryA(out.c_str(), nullptr);
    ASSERT_TRUE(driver::WriteWholeFile(out + "clip.THM", "a picture of the user's"));
    Script(c.script);
    WritePreferences(e2e::RunPreferences(out, c.overwrite));
    ASSERT_TRUE(Start("clip.avi")) << c.note;
    Converter().Press(e2e::kStart);
    AnswerComplete(IDNO);
    EXPECT_EQ(driver::FileNames(out + "*"), c.files) << c.note;
    if (!c.overwrite)
      EXPECT_EQ(driver::ReadWholeFile(out + "clip.THM"), "a picture of the user's") << c.note;
    EXPECT_TRUE(Converter().Close()) << c.note;
  }
}

// The old behaviour compared with case and replaced an input whose name differed only in it,
// and an earlier row's output replaced a later row's input of its name before it was converted.
TEST_F(ConverterRun, AnInputInTheOutputFolderIsNeverOverwritten) {
  struct Case {
    std::vector<std::string> inputs;   // "out\\..." in the output folder, the others beside it
    std::vector<std::string> outputs;  // in the output folder, one per row, without ".mp4"
    const char* note;
  };
  const Case cases[] = {
      {{"out\\Clip.MP4"}, {"Clip_1"}, "the row's own input, in another case"},
      {{"video.avi", "out\\video.mp4"}, {"video_1", "video_2"}, "a later row's input"},
  };
  for (const Case& c : cases) {
    const std::string out = MakeOutputFolder();
    std::string arguments;
    for (const std::string& input : c.inputs) {
      WriteFile(input, "input " + input);
      arguments += " \"" + Path(input) + "\"";
    }
    WritePreferences(e2e::RunPreferences(out));
    ASSERT_TRUE(Start(arguments)) << c.note;
    Converter().Press(e2e::kStart);
    AnswerComplete(IDNO);
    const auto conversions = Conversions();
    ASSERT_EQ(conversions.size(), c.outputs.size()) << c.note;
    for (size_t row = 0; row < c.outputs.size(); ++row) {
      EXPECT_NE(conversions[row].find(" \"" + out + c.outputs[row] + "~1.tmp.mp4\""),
                std::string::npos)
          << c.note << ": " << conversions[row];
      EXPECT_TRUE(driver::FileExists(out + c.outputs[row] + ".mp4")) << c.note;
    }
    for (const std::string& input : c.inputs)
      EXPECT_EQ(driver::ReadWholeFile(Path(input)), "input " + input) << c.note;
    EXPECT_TRUE(Converter().Close()) << c.note;
    DeleteFileA(Path("log.txt").c_str());  // the next case's jobs only
  }
}

TEST_F(ConverterRun, YesStartsTheManagerWithTheOutputFolder) {
  ASSERT_TRUE(CopyFileA(driver::RecorderPath().c_str(), Path("Hollimer.exe").c_str(), FALSE));
  SetEnvironmentVariableA("RECORDER_LOG", Path("manager.txt").c_str());
  WriteFile("clip.avi");
  const std::string out = MakeOutputFolder();
  WritePreferences(e2e::RunPreferences(out));
  ASSERT_TRUE(Start("clip.avi"));
  Converter().Press(e2e::kStart);
  AnswerComplete(IDYES);
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::FileLines(Path("manager.txt")).size() >= 2; },
                                kTimeoutMs));
  const auto recorded = driver::FileLines(Path("manager.txt"));
  ASSERT_FALSE(recorded.empty());
  EXPECT_NE(recorded[0].find("Hollimer.exe"), std::string::npos);
  EXPECT_EQ(recorded[0].substr(recorded[0].size() - out.size() - 1), " " + out);
  SetEnvironmentVariableA("RECORDER_LOG", nullptr);
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRun, ExitWhenCompletedEndsTheProgramAfterTheLastRow) {
  WriteFile("clip.avi");
  WritePreferences("[Main]\r\nAuto Exit=1\r\nAuto Open Dir=0\r\nOutput Path=" +
                   MakeOutputFolder() + "\r\nProfile=0\r\n");
  ASSERT_TRUE(Start("clip.avi"));
  Converter().Press(e2e::kStart);
  EXPECT_TRUE(Converter().WaitForExit());
  EXPECT_EQ(Conversions().size(), 1u);
}

// The old behaviour ended the run with the row still reading "Converting", and no reason.
TEST_F(ConverterRun, AnEncoderThatCannotStartEndsTheRunWithTheRowFailedAndWhy) {
  WriteFile("clip.avi");
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  for (const char* encoder : {"missing", "damaged"}) {
    ASSERT_TRUE(CopyFileA(driver::StandInEncoderPath().c_str(), Path("vodivi.dll").c_str(), FALSE));
    ASSERT_TRUE(Start("clip.avi")) << encoder;
    if (encoder == std::string("missing"))
      ASSERT_TRUE(DeleteFileA(Path("vodivi.dll").c_str()));
    else
      WriteFile("vodivi.dll", "MZ not a program");
    Converter().Press(e2e::kStart);
    // The framework's plain message dialog, once for the thumbnail and once for the conversion.
    for (const char* job : {"thumbnail", "conversion"}) {
      const HWND dialog = Converter().WaitForForm("Tessark", "TMessageForm");
      ASSERT_NE(dialog, nullptr) << encoder << " " << job;
      EXPECT_TRUE(driver::ClickButton(Converter().Button(dialog, "OK")));
      EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }, kTimeoutMs));
    }
    EXPECT_EQ(Status(0), "Failed") << encoder;
    const std::string prefix = "Error on CreateProcess(): ";
    const std::string hint = FirstRowHint();
    EXPECT_EQ(hint.substr(0, prefix.size()), prefix) << encoder;
    EXPECT_GT(hint.size(), prefix.size()) << encoder << ": the system's reason is missing";
    EXPECT_TRUE(Converter().Close()) << encoder;
  }
}

// The old behaviour left the list where it stood: past the rows in sight, the one converting
// could not be seen.
TEST_F(ConverterRun, TheRowBeingConvertedIsKeptInView) {
  constexpr int kRows = 40, kWatched = 35;  // the list shows 29 rows
  const std::string gate = Path("go");
  Script("[convert]\nsay frame= 1 time=00:00:01.00\n[convert clip" + std::to_string(kWatched) +
         ".avi]\ngate " + gate + "\n");
  std::string arguments;
  for (int i = 0; i < kRows; ++i) {
    WriteFile("clip" + std::to_string(i) + ".avi");
    arguments += " clip" + std::to_string(i) + ".avi";
  }
  WritePreferences(e2e::RunPreferences(MakeOutputFolder()));
  // Each row is probed, then thumbnailed and converted: many encoder starts on a busy machine.
  constexpr DWORD kManyJobsTimeoutMs = 180000;
  ASSERT_TRUE(Start(arguments, false));
  ASSERT_TRUE(driver::WaitUntil([&] { return Rows().size() == static_cast<size_t>(kRows); }, kManyJobsTimeoutMs));
  ASSERT_TRUE(Converter().WaitForInputs());
  Converter().Press(e2e::kStart);
  ASSERT_TRUE(driver::WaitUntil([&] { return Status(kWatched) == "Converting"; }, kManyJobsTimeoutMs));
  DWORD_PTR top = 0, perPage = 0;
  SendMessageTimeoutA(TaskList(), LVM_GETTOPINDEX, 0, 0, SMTO_ABORTIFHUNG, 5000, &top);
  SendMessageTimeoutA(TaskList(), LVM_GETCOUNTPERPAGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &perPage);
  EXPECT_LT(perPage, static_cast<DWORD_PTR>(kWatched)) << "the list shows every row anyway";
  EXPECT_LE(top, static_cast<DWORD_PTR>(kWatched));
  EXPECT_LT(static_cast<DWORD_PTR>(kWatched), top + perPage) << "rows " << top << " on are shown";
  WriteFile("go");
  AnswerComplete(IDNO);
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRun, AMissingManagerIsReported) {
  DeleteFileA(Path("Hollimer.exe").c_str());
  ASSERT_TRUE(Start());
  Converter().Press(static_cast<e2e::ToolbarCommand>(15));
  const HWND box = WaitForBox("Program Not Found");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box), "The Hollimer can not be found. Please reinstall Tessark");
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
