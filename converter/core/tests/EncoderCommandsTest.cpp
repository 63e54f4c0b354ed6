#include "converter/core/EncoderCommands.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(EncoderCommandsTest, CommandLinesBeginWithABlankAndQuoteThePaths) {
  EXPECT_EQ(ProbeCommandLine(R"(C:\In\my clip.avi)"), R"( -i "C:\In\my clip.avi")");
  EXPECT_EQ(ThumbnailCommandLine(R"(C:\In\my clip.avi)", R"(C:\Out\clip.mp4)"),
            R"( -y -i "C:\In\my clip.avi" -f image2 -ss 0 -t 0.001 -s 160x120 "C:\Out\clip.THM")");
  EXPECT_EQ(ConversionCommandLine(R"(C:\In\my clip.avi)", " -f psp -r 29.97 -ss 00:00:10", R"(C:\Out\clip.mp4)"),
            R"( -y -i "C:\In\my clip.avi" -f psp -r 29.97 -ss 00:00:10 "C:\Out\clip.mp4")");
}

// The old command line handed "x%d~1.tmp.THM" to the image writer, which wrote "x1~1.tmp.THM";
// "50% off.THM" came out as "50".
TEST(EncoderCommandsTest, EveryPercentOfTheThumbnailPathIsDoubledForTheImageWriterAlone) {
  EXPECT_EQ(ThumbnailCommandLine(R"(C:\In\50% off %TEMP%.avi)", R"(C:\100%\x%d.mp4)"),
            R"( -y -i "C:\In\50% off %TEMP%.avi" -f image2 -ss 0 -t 0.001 -s 160x120 "C:\100%%\x%%d.THM")");
  EXPECT_EQ(ConversionCommandLine(R"(C:\In\x%d.avi)", "", R"(C:\Out\x%d.mp4)"),
            R"( -y -i "C:\In\x%d.avi" "C:\Out\x%d.mp4")");
}

TEST(EncoderCommandsTest, QuotesInPathsPassUnescaped) {
  EXPECT_EQ(ProbeCommandLine(R"(C:\a"b.avi)"), R"( -i "C:\a"b.avi")");
}

class TrimOptionsTest : public ::testing::Test {
 protected:
  std::string Trim(const std::string& start, const std::string& end) {
    ApplyOutputEdit(row, "clip.mp4", start, end);
    return TrimOptions(row);
  }
  ltvItemData row = NewTaskRow(R"(C:\In\clip.avi)", {"00:01:00.00", " 320x240"}, ".mp4");
};

TEST_F(TrimOptionsTest, AnUntouchedRowHasNone) {
  EXPECT_EQ(TrimOptions(row), "");
  EXPECT_EQ(Trim("00:00:00", "00:01:00"), "");
}

TEST_F(TrimOptionsTest, StartAndLengthInWholeSeconds) {
  EXPECT_EQ(Trim("00:00:10", "00:00:50"), " -ss 00:00:10 -t 40");
}

TEST_F(TrimOptionsTest, AnEndTrimGivesTheLengthAlone) {
  EXPECT_EQ(Trim("", "00:00:30.5"), " -t 30");  // halves to even
  EXPECT_EQ(Trim("", "00:00:31.5"), " -t 32");
}

TEST_F(TrimOptionsTest, AStartTrimKeepsItsTenths) {
  EXPECT_EQ(Trim("00:00:12.5", "00:01:12.5"), " -ss 00:00:12.5");
}

}  // namespace
}  // namespace converter
