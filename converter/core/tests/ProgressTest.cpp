#include <gtest/gtest.h>

#include <cmath>

#include "converter/core/ProgressLine.h"
#include "converter/core/RunClock.h"
#include "converter/core/RunProgress.h"

namespace converter {
namespace {

// A progress line as the shipped encoder prints it, and one in the older plain-number form.
const char* const kTimeTextLine =
    "frame=  363 fps=0.0 q=2.8 size=     518kB time=00:00:14.52 bitrate= 292.0kbits/s speed=  29x    \r";
const char* const kNumberLine = "frame=  300 q=2.0 size=  1024kB time=12.00 bitrate= 699.1kbits/s";

TEST(ProgressTimeTest, ReadsTheNumberOrTimeTextAfterTime) {
  EXPECT_DOUBLE_EQ(*ProgressTime(kTimeTextLine), 14.52);
  EXPECT_DOUBLE_EQ(*ProgressTime(kNumberLine), 12.0);
  EXPECT_DOUBLE_EQ(*ProgressTime("time=7.5"), 7.5);
}

TEST(ProgressTimeTest, OnlyTheFirstTimeCounts) {
  EXPECT_DOUBLE_EQ(*ProgressTime("time=1.00 bitrate=1\rtime=2.00 bitrate=1"), 1.0);
  EXPECT_FALSE(ProgressTime("EOF timestamp not reliable\rframe=1 time=2.00 bitrate=1"));
}

TEST(ProgressTimeTest, ChunksWithoutANumberGiveNothing) {
  EXPECT_FALSE(ProgressTime("Stream mapping:\r\n"));
  EXPECT_FALSE(ProgressTime("frame=    0 size=0kB time=N/A bitrate=N/A"));
  EXPECT_FALSE(ProgressTime("frame=    0 size=0kB time= 1.0"));
  EXPECT_FALSE(ProgressTime("time"));
}

TEST(RunProgressTest, FirstTwoChunksOfEachRowNeverMoveTheBars) {
  RunProgress progress(20);
  progress.StartRow(10);
  progress.ReadChunk("time=5.00 ");
  progress.ReadChunk("time=5.00 ");
  EXPECT_EQ(progress.CurrentPercent(), 0);
  progress.ReadChunk("time=5.00 ");
  EXPECT_EQ(progress.CurrentPercent(), 50);
  EXPECT_EQ(progress.TotalPercent(), 25);

  progress.FinishRow();
  EXPECT_EQ(progress.CurrentPercent(), 0);
  // The second row's time starts from zero: a time below the first row's moves the bars.
  progress.StartRow(10);
  progress.ReadChunk("time=2.00 ");
  progress.ReadChunk("time=2.00 ");
  EXPECT_EQ(progress.TotalPercent(), 25);
  progress.ReadChunk("time=2.00 ");
  EXPECT_EQ(progress.CurrentPercent(), 20);
  EXPECT_EQ(progress.TotalPercent(), 60);
}

TEST(RunProgressTest, KeepsTheHighestTimeAndIgnoresUnreadableChunks) {
  RunProgress progress(10);
  progress.StartRow(10);
  progress.ReadChunk("");
  progress.ReadChunk("");
  progress.ReadChunk("time=6.00 ");
  progress.ReadChunk("time=3.00 ");
  progress.ReadChunk("time=N/A ");
  EXPECT_EQ(progress.CurrentPercent(), 60);
  EXPECT_EQ(progress.TotalPercent(), 60);
}

TEST(RunProgressTest, BarsStayWithinTheirRange) {
  RunProgress progress(10);
  progress.StartRow(10);
  for (int i = 0; i < 3; ++i) progress.ReadChunk("time=10.40 ");
  EXPECT_EQ(progress.CurrentPercent(), 100);
  EXPECT_EQ(progress.TotalPercent(), 100);
}

// Lengths no video has (rows once carried "0:0:1e308") or no length at all.
TEST(RunProgressTest, BarsStayWithinTheirRangeWhateverTheLengths) {
  const double inf = HUGE_VAL, nan = std::nan("");
  struct Case {
    double total, row;
    const char* time;
  } cases[] = {{inf, inf, "time=1e308 "}, {inf, 1e308, "time=1e308 "}, {1e308, inf, "time=5.00 "},
               {nan, nan, "time=5.00 "},  {-1, -1, "time=5.00 "},    {1e-308, 1e-308, "time=1e308 "},
               {10, 10, "time=1e308 "}};
  for (const Case& c : cases) {
    RunProgress progress(c.total);
    for (int row = 1; row <= 2; ++row) {  // the second row starts after an infinite first one
      progress.StartRow(c.row);
      for (int i = 0; i < 3; ++i) progress.ReadChunk(c.time);
      EXPECT_GE(progress.CurrentPercent(), 0) << c.total << " " << c.row << " " << c.time << " row " << row;
      EXPECT_LE(progress.CurrentPercent(), 100) << c.total << " " << c.row << " " << c.time << " row " << row;
      EXPECT_GE(progress.TotalPercent(), 0) << c.total << " " << c.row << " " << c.time << " row " << row;
      EXPECT_LE(progress.TotalPercent(), 100) << c.total << " " << c.row << " " << c.time << " row " << row;
      progress.FinishRow();
    }
  }
}

TEST(RunProgressTest, ZeroLengthsLeaveTheirBarsAlone) {
  RunProgress progress(0);
  progress.StartRow(0);
  for (int i = 0; i < 3; ++i) progress.ReadChunk("time=4.00 ");
  EXPECT_EQ(progress.CurrentPercent(), 0);
  EXPECT_EQ(progress.TotalPercent(), 0);
}

TEST(RunProgressTest, PercentRoundsHalfToEven) {
  RunProgress progress(400);
  progress.StartRow(400);
  for (int i = 0; i < 3; ++i) progress.ReadChunk("time=2.00 ");  // 0.5 %
  EXPECT_EQ(progress.CurrentPercent(), 0);
  progress.ReadChunk("time=6.00 ");  // 1.5 %
  EXPECT_EQ(progress.CurrentPercent(), 2);
}

TEST(RunClockTest, RemainingStaysZeroUntilTheTotalBarMoves) {
  RunClock clock;
  clock.Tick(0);
  clock.Tick(0);
  EXPECT_EQ(clock.ElapsedSeconds(), 2);
  EXPECT_EQ(clock.RemainingSeconds(), 0);
  clock.Tick(25);  // 3 s for a quarter: 9 s to go
  EXPECT_EQ(clock.RemainingSeconds(), 9);
  clock.Tick(0);  // an unmoved bar keeps the last estimate
  EXPECT_EQ(clock.ElapsedSeconds(), 4);
  EXPECT_EQ(clock.RemainingSeconds(), 9);
  clock.Tick(30);  // 5 s for 30 %: 11.7 s to go, rounded
  EXPECT_EQ(clock.RemainingSeconds(), 12);
  clock.Tick(100);
  EXPECT_EQ(clock.RemainingSeconds(), 0);
}

}  // namespace
}  // namespace converter
