// Probing inputs with the stand-in encoder.
#include "converter/ProbeInputFile.h"

#include "converter/tests/StandInEncoder.h"

namespace converter {
namespace {

using ProbeInputFileTest = StandInEncoder;

TEST_F(ProbeInputFileTest, ReadsDurationAndSizeFromAReportSpreadOverSeveralChunks) {
  Script("[probe]\n"
         "say Input #0, avi, from '{input}':\n"
         "pause 300\n"
         "say   Duration: 00:01:02.34, start: 0.000000, bitrate: 1000 kb/s\n"
         "pause 300\n"
         "say     Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 320x240 [SAR 1:1 DAR 4:3], 25 fps\n"
         "say At least one output file must be specified\n"
         "exit 1\n");
  const std::string input = Path("my clip.avi");
  const ProbeResult probe = ProbeInputFile(Encoder(), input);
  EXPECT_EQ(probe.Duration, "00:01:02.34");
  EXPECT_EQ(probe.Size, " 320x240");
  EXPECT_EQ(LoggedCommandLines(), std::vector<std::string>{" -i \"" + input + "\""});
}

TEST_F(ProbeInputFileTest, AnUnreadableFileGetsNoneOfThePreviousFilesValues) {
  ASSERT_EQ(ProbeInputFile(Encoder(), Path("first.avi")).Duration, "00:01:02.34");  // built-in report
  Script("[probe]\nsay {input}: Invalid data found when processing input\nexit 1\n");
  const ProbeResult probe = ProbeInputFile(Encoder(), Path("broken.avi"));
  EXPECT_EQ(probe.Duration, "");
  EXPECT_EQ(probe.Size, "");
}

// The old behaviour waited for such a probe for ever, with the window frozen.
TEST_F(ProbeInputFileTest, AProbeSilentForTooLongIsEndedAndGivesEmptyValues) {
  Script("[probe]\nsay   Duration: 00:01:02.34, start: 0.000000, bitrate: 1000 kb/s\nhang\n");
  const DWORD begin = GetTickCount();
  const ProbeResult probe = ProbeInputFile(Encoder(), Path("stalled.avi"), 500);
  EXPECT_LT(GetTickCount() - begin, 10000u);
  EXPECT_EQ(probe.Duration, "");
  EXPECT_EQ(RunningEncoderId(), 0u);
}

TEST_F(ProbeInputFileTest, AMissingEncoderGivesEmptyValuesAndNoWait) {
  const ProbeResult probe = ProbeInputFile(Path("absent.dll"), Path("clip.avi"));
  EXPECT_EQ(probe.Duration, "");
  EXPECT_EQ(probe.Size, "");
}

}  // namespace
}  // namespace converter
