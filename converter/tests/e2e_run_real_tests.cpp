// The converter with the real encoder: generated clips probed, converted to the first shipped
// profile (H.264 480x272 in the console's MP4) with a 160x120 JPEG thumbnail each, and trimmed.
#include <gtest/gtest.h>

#include "converter/tests/e2e_rows_fixture.h"
#include "framework/Jpeg.h"
#include "testing/driver/clips.h"

namespace {

constexpr DWORD kConversionTimeoutMs = 180000;

class ConverterRealRun : public e2e::RealEncoderTask {
 protected:
  void Generate(const std::string& name, double seconds) const {
    ASSERT_TRUE(driver::GenerateClip(driver::RealEncoderPath(), Path(name), seconds, 640, 480));
  }
  driver::ClipInfo Output(const std::string& name) const {
    return driver::Probe(driver::RealEncoderPath(), Out() + name);
  }
};

std::pair<int, int> DecodedSize(const std::string& path) {
  const std::string data = driver::ReadWholeFile(path);
  TJPEGImage image;
  image.LoadFromMemory(data.data(), data.size());
  return {image.Width(), image.Height()};
}

TEST_F(ConverterRealRun, ClipsConvertToTheProfileWithAThumbnailEach) {
  Generate("first.avi", 3);
  Generate("second.mpg", 3);
  ASSERT_TRUE(Start("first.avi second.mpg"));
  ASSERT_EQ(Rows().size(), 2u);
  for (const auto& row : Rows()) {
    EXPECT_EQ(row.at(1).substr(0, 10), "00:00:03.0");  // the probed length, e.g. 00:00:03.00
    EXPECT_EQ(row.at(2), " 640x480");
  }
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  for (const char* name : {"first", "second"}) {
    const driver::ClipInfo output = Output(std::string(name) + ".mp4");
    EXPECT_EQ(output.videoCodec, "h264") << output.report;
    EXPECT_EQ(output.width, 480);
    EXPECT_EQ(output.height, 272);
    EXPECT_NEAR(output.seconds, 3, 0.5);
    EXPECT_EQ(DecodedSize(Out() + name + ".THM"), std::make_pair(160, 120));
    EXPECT_EQ(output.audioStreams, 1) << output.report;
  }
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterRealRun, ATrimmedRowGivesAnOutputOfTheTrimmedLength) {
  Generate("long.avi", 6);
  ASSERT_TRUE(Start("long.avi"));
  ClickFirstRow();
  ASSERT_TRUE(Type(1, "00:00:01"));
  ASSERT_TRUE(Type(2, "00:00:04"));
  ASSERT_TRUE(Type(1, "00:00:01"));  // leaves the end's row
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  EXPECT_NEAR(Output("long.mp4").seconds, 3, 0.5);
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour marked the text file "Complete" and said the conversion had succeeded.
TEST_F(ConverterRealRun, ATextFileNamedAsAVideoFailsAndTheClipBesideItConverts) {
  WriteFile("bad.avi", "not a video at all\r\n");
  Generate("good.avi", 3);
  ASSERT_TRUE(Start("bad.avi good.avi"));
  Converter().Press(e2e::kStart);
  const HWND box = driver::WaitForMessageBox("Complete", kConversionTimeoutMs, ProcessId());
  ASSERT_NE(box, nullptr);
  const std::string text = driver::MessageBoxText(box);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].at(3), "Failed");
  EXPECT_EQ(rows[1].at(3), "Complete");
  EXPECT_TRUE(driver::PressDialogButton(box, IDNO));
  // The encoder's reason, on the failed row's hint and in the closing words.
  const std::string reason = FirstRowHint();
  EXPECT_NE(reason.find("bad.avi"), std::string::npos) << reason;
  EXPECT_EQ(text, "1 of 2 files could not be converted.\n\n" + reason +
                      "\n\nWould you like to transfer them to PSP now?");
  EXPECT_FALSE(driver::FileExists(Out() + "bad.mp4"));
  EXPECT_FALSE(driver::FileExists(Out() + "bad.THM"));
  const driver::ClipInfo output = Output("good.mp4");
  EXPECT_EQ(output.videoCodec, "h264") << output.report;
  EXPECT_EQ(output.width, 480);
  EXPECT_EQ(output.height, 272);
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour handed the encoder "clip.mp4" as input and as output, so the input was
// replaced by a copy of its own beginning and the run said it had succeeded.
TEST_F(ConverterRealRun, ARelativeInputInTheOutputFolderStaysAsItWasAndTheOutputTakesANumber) {
  ASSERT_TRUE(driver::GenerateClip(driver::RealEncoderPath(), Path("clip.mp4"), 3, 640, 480));
  const std::string input = driver::ReadWholeFile(Path("clip.mp4"));
  WritePreferences(e2e::RunPreferences(Path(""), true));  // Overwrite on
  ASSERT_TRUE(Start("clip.mp4"));  // the program folder is the current one
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  EXPECT_TRUE(driver::ReadWholeFile(Path("clip.mp4")) == input) << "the input changed";
  const driver::ClipInfo output = driver::Probe(driver::RealEncoderPath(), Path("clip_1.mp4"));
  EXPECT_EQ(output.videoCodec, "h264") << output.report;
  EXPECT_NEAR(output.seconds, 3, 0.5) << output.report;
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour handed the thumbnail's name to the encoder's image writer as it stood, which
// read its "%" as a pattern: "50% off %TEMP%.avi" got the thumbnail "50", and "x%d.avi" left
// "x1~1.tmp.THM" behind and no thumbnail of its own.
TEST_F(ConverterRealRun, NamesWithPercentGiveExactlyTheirOutputAndThumbnail) {
  Generate("50% off %TEMP%.avi", 1);
  Generate("x%d.avi", 1);
  ASSERT_TRUE(Start("\"50% off %TEMP%.avi\" x%d.avi"));
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  EXPECT_EQ(driver::FileNames(Out() + "*"),
            (std::vector<std::string>{"50% off %TEMP%.THM", "50% off %TEMP%.mp4", "x%d.THM", "x%d.mp4"}));
  for (const char* name : {"50% off %TEMP%", "x%d"})
    EXPECT_EQ(DecodedSize(Out() + name + ".THM"), std::make_pair(160, 120)) << name;
  EXPECT_TRUE(Converter().Close());
}

// The old behaviour failed such a clip: the console's format needs a sound track.
TEST_F(ConverterRealRun, AClipWithoutSoundConvertsWithASilentTrack) {
  ASSERT_TRUE(driver::GenerateSilentClip(driver::RealEncoderPath(), Path("silent.mov"), 3, 320, 240));
  ASSERT_EQ(driver::Probe(driver::RealEncoderPath(), Path("silent.mov")).audioStreams, 0);
  ASSERT_TRUE(Start("silent.mov"));
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  EXPECT_EQ(Rows().at(0).at(3), "Complete");
  const driver::ClipInfo output = Output("silent.mp4");
  EXPECT_EQ(output.videoStreams, 1) << output.report;
  EXPECT_EQ(output.audioStreams, 1) << output.report;
  EXPECT_NEAR(output.seconds, 3, 0.5) << output.report;
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
