#include "preview/core/GraphEvents.h"

#include <gtest/gtest.h>

namespace preview {
namespace {

using H = TGraphEventHandler;

TEST(GraphEventsTest, EachCodeReachesItsHandler) {
  struct Case { int32_t code; intptr_t p1; H handler; };
  for (const Case& c : {
           Case{0x01, 0, H::GraphComplete},
           Case{0x02, 0, H::GraphUserAbort},
           Case{0x0D, 0, H::GraphClockChanged},
           Case{0x51, 0, H::GraphClockUnset},
           Case{0x201, 0, H::GraphSNDDevOutError},   // the last code with a handler
           Case{0x04, 0, H::None},                   // EC_TIME
           Case{0x05, 0, H::None},                   // EC_REPAINT
           Case{0x0C, 0, H::None},                   // EC_SHUTTING_DOWN
           Case{0x202, 0, H::None},
           Case{0, 0, H::None},
           // The DVD domain, error and warning events choose by their first parameter.
           Case{0x101, 1, H::DVDDomainFirstPlay},
           Case{0x101, 5, H::DVDDomainStop},
           Case{0x101, 0, H::None},
           Case{0x101, 6, H::None},
           Case{0x101, 9, H::None},
           Case{0x10C, 1, H::DVDErrorUnexpected},
           Case{0x10C, 8, H::DVDErrorIncompatibleDiscAndDecoderRegions},
           Case{0x10C, 9, H::None},
           Case{0x10D, 6, H::DVDWarningRead},
           Case{0x10D, 7, H::None},
           Case{0x10D, -1, H::None},
       })
    EXPECT_EQ(DecodeGraphEvent(c.code, c.p1, 0).Handler, c.handler)
        << std::hex << c.code << " " << c.p1;
}

TEST(GraphEventsTest, ParametersBecomeTypedArguments) {
  const TGraphEventCall size = DecodeGraphEvent(0x0A, 640 | (480 << 16), 0);
  EXPECT_EQ(size.Width, 640);
  EXPECT_EQ(size.Height, 480);

  struct FlagCase { int32_t code; intptr_t p1, p2; bool flag; };
  for (const FlagCase& c : {
           FlagCase{0x10, 1, 0, true},    // opening
           FlagCase{0x10, 2, 0, false},
           FlagCase{0x11, 0, 0, false},   // buffering
           FlagCase{0x1F, 7, 0, true},    // device removed
           FlagCase{0x1F, 7, 1, false},   // device available again
           FlagCase{0x109, 1, 30, true},  // still on, no button
           FlagCase{0x11B, 2, 0, true},   // karaoke played
           FlagCase{0x11B, 0, 0, false},
       })
    EXPECT_EQ(DecodeGraphEvent(c.code, c.p1, c.p2).Flag, c.flag)
        << std::hex << c.code << " " << c.p1 << " " << c.p2;

  const TGraphEventCall still = DecodeGraphEvent(0x109, 1, 30);
  EXPECT_EQ(still.Param2, 30);

  EXPECT_FLOAT_EQ(DecodeGraphEvent(0x110, 20000, 0).Rate, 2.0f);
  EXPECT_FLOAT_EQ(DecodeGraphEvent(0x110, -5000, 0).Rate, -0.5f);

  int64_t streamTime = INT64_C(12345678901);
  EXPECT_EQ(DecodeGraphEvent(0x1C, reinterpret_cast<intptr_t>(&streamTime), 3).StreamTime,
            streamTime);
  EXPECT_EQ(DecodeGraphEvent(0x1C, 0, 3).StreamTime, 0);   // no time given

  const TGraphEventCall complete = DecodeGraphEvent(0x01, (intptr_t)0x80040218, 0x1234);
  EXPECT_EQ((int32_t)complete.Param1, (int32_t)0x80040218);
  EXPECT_EQ(complete.Param2, 0x1234);
}

// Every field set: 12:34:56, frame 23, frame rate code 3.
const uint32_t kTimeCode = 0xE3563412;

TEST(GraphEventsTest, TimeCodesSplitIntoTheirDigits) {
  const tagDVD_TIMECODE c = SplitDVDTimeCode(kTimeCode);
  EXPECT_EQ(std::vector<int>({c.Hours1, c.Hours10, c.Minutes1, c.Minutes10, c.Seconds1,
                              c.Seconds10, c.Frames1, c.Frames10, c.FrameRateCode}),
            std::vector<int>({2, 1, 4, 3, 6, 5, 3, 2, 3}));

  const tagDVD_TIMECODE low = SplitDVDTimeCode(5);
  EXPECT_EQ(low.Hours1, 5);
  EXPECT_EQ(low.Hours10 + low.Frames10 + low.FrameRateCode, 0);

  struct Case { uint32_t frameRateCode; int frameRate; };
  for (const Case& r : {Case{0, 0}, Case{1, 25}, Case{2, 0}, Case{3, 30}}) {
    const TDVDTime t = DecodeGraphEvent(0x10B, (kTimeCode & 0x3FFFFFFF) | (r.frameRateCode << 30), 0).Time;
    EXPECT_EQ(std::vector<int>({t.Hours, t.Minutes, t.Seconds, t.Frames, t.FrameRate}),
              std::vector<int>({12, 34, 56, 23, r.frameRate}))
        << r.frameRateCode;
  }

  const TGraphEventCall hmsf = DecodeGraphEvent(0x11A, 0x17383A01, kTimeCode);
  EXPECT_EQ(std::vector<int>({hmsf.HMSFTimeCode.bHours, hmsf.HMSFTimeCode.bMinutes,
                              hmsf.HMSFTimeCode.bSeconds, hmsf.HMSFTimeCode.bFrames}),
            std::vector<int>({1, 58, 56, 23}));
  EXPECT_EQ(hmsf.TimeCode.Minutes10, 3);
  EXPECT_EQ(hmsf.TimeCode.FrameRateCode, 3);
}

}  // namespace
}  // namespace preview
