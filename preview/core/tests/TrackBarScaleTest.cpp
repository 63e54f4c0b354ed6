#include "preview/core/TrackBarScale.h"

#include <gtest/gtest.h>

namespace preview {
namespace {

TEST(TrackBarScaleTest, BothTimesCountWholeIntervals) {
  struct Case { uint32_t duration, current, interval, max, position; };
  for (const Case& c : {
           Case{90500, 45200, 1000, 90, 45},
           Case{9000, 8999, 1000, 9, 8},      // truncated, not rounded
           Case{999, 0, 1000, 0, 0},          // shorter than one interval
           Case{9000, 3000, 250, 36, 12},
           Case{4294967295u, 4294967295u, 1, 4294967295u, 4294967295u},
       }) {
    const auto scale = ScaleOf(c.duration, c.current, c.interval);
    ASSERT_TRUE(scale) << c.duration << " " << c.interval;
    EXPECT_EQ(scale->Max, c.max) << c.duration << " " << c.interval;
    EXPECT_EQ(scale->Position, c.position) << c.current << " " << c.interval;
  }
  EXPECT_FALSE(ScaleOf(9000, 3000, 0)) << "no timer runs at interval 0";
}

TEST(TrackBarScaleTest, AReleaseSeeksToItsShareOfTheStopPosition) {
  struct Case { int64_t stop, position, max, target; };
  for (const Case& c : {
           Case{900000000, 30, 90, 300000000},   // a third
           Case{90000000, 9, 9, 90000000},       // the end
           Case{90000000, 0, 9, 0},
           Case{100, 1, 3, 33},                  // truncated
           // Ten hours of reference time at one step per millisecond: no overflow.
           Case{INT64_C(360000000000), 18000000, 36000000, INT64_C(180000000000)},
       })
    EXPECT_EQ(SeekTarget(c.stop, c.position, c.max), c.target) << c.position << "/" << c.max;
  EXPECT_FALSE(SeekTarget(90000000, 0, 0)) << "a slider of no steps seeks nowhere";
}

}  // namespace
}  // namespace preview
