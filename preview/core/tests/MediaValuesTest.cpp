#include "preview/core/MediaValues.h"

#include <gtest/gtest.h>

namespace preview {
namespace {

TEST(MediaValuesTest, ReferenceTimeTruncatesTowardZero) {
  struct Case { int64_t refTime, ms; };
  for (const Case& c : {
           Case{10000000, 1000},    // one second
           Case{-15000, -1},        // not -2
           Case{9999, 0},
           Case{-9999, 0},
           Case{INT64_C(36000000000000), 3600000000},  // beyond 32 bits
       })
    EXPECT_EQ(RefTimeToMs(c.refTime), c.ms) << c.refTime;
}

TEST(MediaValuesTest, LinearVolumeMapsOntoTheLogarithmicScale) {
  struct Case { int linear, platform; };
  for (const Case& c : {Case{0, -10000}, Case{1, -9247}, Case{10, -7397}, Case{100, -4989},
                        Case{1000, -2499}, Case{5000, -752}, Case{9999, 0}, Case{10000, 0}})
    EXPECT_EQ(LinearToVolume(c.linear), c.platform) << c.linear;
}

TEST(MediaValuesTest, LinearBalanceKeepsItsSign) {
  struct Case { int linear, platform; };
  for (const Case& c : {Case{0, 0}, Case{1, 753}, Case{-1, -753}, Case{10000, 10000},
                        Case{-10000, -10000}})
    EXPECT_EQ(LinearToBalance(c.linear), c.platform) << c.linear;
}

TEST(MediaValuesTest, StoredValuesAreClampedAndPassedOnByScale) {
  struct Case { int given; int stored; bool linear; int platform; };
  for (const Case& c : {
           Case{20000, 10000, true, 0},
           Case{10000, 10000, false, 0},     // full volume is no attenuation
           Case{0, 0, false, -10000},
           Case{-1, 0, true, -10000},
           Case{5000, 5000, false, -5000},
       }) {
    EXPECT_EQ(ClampVolume(c.given), c.stored) << c.given;
    EXPECT_EQ(PlatformVolume(c.stored, c.linear), c.platform) << c.given << " " << c.linear;
  }
  struct BalanceCase { int given; int stored; bool linear; int platform; };
  for (const BalanceCase& c : {
           BalanceCase{-20000, -10000, true, -10000},
           BalanceCase{20000, 10000, false, 10000},
           BalanceCase{-1, -1, false, -1},   // as it stands without the linear scale
           BalanceCase{-1, -1, true, -753},
       }) {
    EXPECT_EQ(ClampBalance(c.given), c.stored) << c.given;
    EXPECT_EQ(PlatformBalance(c.stored, c.linear), c.platform) << c.given << " " << c.linear;
  }
}

}  // namespace
}  // namespace preview
