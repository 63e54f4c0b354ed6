#include "converter/core/ProbeReport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace converter {
namespace {

// Reports of the shipped encoder, kept byte for byte (CR LF line ends included); the titled
// one is written by hand in the same form.
std::string Report(const char* name) {
  const auto path = std::filesystem::path(__FILE__).parent_path() / "data" / name;
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file) << path;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(ProbeReportTest, ReadsDurationAndSizeOfARealReport) {
  const auto probe = ParseProbeReport(Report("probe-avi-mpeg4.txt"), R"(Z:\tmp\clips\my clip.avi)");
  EXPECT_EQ(probe.Duration, "00:01:02.34");
  EXPECT_EQ(probe.Size, " 320x240");
}

TEST(ProbeReportTest, PixelFormatDetailsInParenthesesDoNotShiftTheSize) {
  const auto probe = ParseProbeReport(Report("probe-mp4-h264-aac.txt"), R"(Z:\tmp\clips\clip.mp4)");
  EXPECT_EQ(probe.Duration, "00:00:03.02");
  EXPECT_EQ(probe.Size, " 480x272");
}

TEST(ProbeReportTest, AFailedProbeGivesEmptyFields) {
  const auto probe = ParseProbeReport(Report("probe-missing-file.txt"), R"(Z:\tmp\clips\missing.avi)");
  EXPECT_EQ(probe.Duration, "");
  EXPECT_EQ(probe.Size, "");
  EXPECT_EQ(ParseProbeReport("", "a.avi").Duration, "");
}

TEST(ProbeReportTest, TheReportIsReadAfterTheInputPath) {
  const std::string path = R"(C:\Video, Duration: 9\a.avi)";
  const std::string output = "Input #0, avi, from '" + path +
                             "':\r\n  Duration: 00:00:05.00, start: 0.0\r\n"
                             "    Stream #0:0: Video: mpeg4, yuv420p, 640x480, 25 fps\r\n";
  const auto probe = ParseProbeReport(output, path);
  EXPECT_EQ(probe.Duration, "00:00:05.00");
  EXPECT_EQ(probe.Size, " 640x480");
}

TEST(ProbeReportTest, ASizeAtTheEndOfItsLineIsRead) {
  const auto probe =
      ParseProbeReport("  Duration: 00:00:01.00, start: 0\n    Stream #0:0: Video: rawvideo, rgb24, 32x24\n", "");
  EXPECT_EQ(probe.Size, " 32x24");
}

// The file's own metadata comes before the encoder's lines and may read like them.
TEST(ProbeReportTest, AFilesMetadataNeverGivesItsLengthOrSize) {
  const auto probe = ParseProbeReport(Report("probe-avi-title.txt"), R"(Z:\tmp\clips\titled.avi)");
  EXPECT_EQ(probe.Duration, "00:00:02.02");
  EXPECT_EQ(probe.Size, " 320x240");
}

// Lines as the encoder prints them, with values no time text or frame size: each is left
// empty, as if the probe had found nothing.
TEST(ProbeReportTest, ValuesThatAreNoTimeOrSizeAreDropped) {
  const std::string video = "    Stream #0:0: Video: mpeg4, yuv420p, ";
  struct Case {
    std::string report, duration, size;
  } cases[] = {
      {"  Duration: N/A, start: 0\n" + video + "320x240, 25 fps\n", "", " 320x240"},
      {"  Duration: <b>99:99:99</b>, start: 0\n", "", ""},
      {"  Duration: 0:0:1e308, start: 0\n", "", ""},
      {"  Duration: 00:00:02.00, start: 0\n" + video + "<u>1x1</u>, 25 fps\n", "00:00:02.00", ""},
      {video + "320x, 25 fps\n", "", ""},
      {video + "123456x240, 25 fps\n", "", ""},
      // Only the first video stream counts; an audio stream before it does not.
      {"    Stream #0:0: Audio: mp3, 44100 Hz, mono\n" + video + "64x48\n" + video + "32x24\n", "",
       " 64x48"},
      {video + "bad\n" + video + "32x24\n", "", ""},
      // Indented continuation lines of a metadata value never start with the encoder's words.
      {"    title           : a\n                    : Duration: 01:00:00.00, x\n", "", ""},
  };
  for (const Case& c : cases) {
    const auto probe = ParseProbeReport(c.report, "");
    EXPECT_EQ(probe.Duration, c.duration) << c.report;
    EXPECT_EQ(probe.Size, c.size) << c.report;
  }
}

TEST(ProbeReportTest, IncompleteLinesGiveEmptyFieldsInsteadOfLaterText) {
  // Neither field may borrow a comma from a later line.
  const auto probe = ParseProbeReport("Duration: 00:00:01.00\nVideo: mpeg4\nother, text, here, x\n", "");
  EXPECT_EQ(probe.Duration, "");
  EXPECT_EQ(probe.Size, "");
}

TEST(ProbeReportTest, AReportWithoutVideoKeepsItsDuration) {
  const auto probe =
      ParseProbeReport("  Duration: 00:03:00.00, start: 0\r\n  Stream #0:0: Audio: mp3, 44100 Hz, stereo\r\n", "");
  EXPECT_EQ(probe.Duration, "00:03:00.00");
  EXPECT_EQ(probe.Size, "");
}

}  // namespace
}  // namespace converter
