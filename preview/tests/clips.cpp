#include "testing/driver/clips.h"

#include <gtest/gtest.h>

#include "preview/tests/graph_testing.h"

namespace {

TEST(ColourClipTest, IsAnUncompressedAviOfTheAskedSizeAndLength) {
  for (bool withTone : {false, true}) {
    const std::wstring wide = graph_testing::Clip(withTone ? "preview-tone-2s.avi" : "preview-plain-2s.avi", 2, withTone);
    const driver::ClipInfo info = driver::Probe(driver::RealEncoderPath(), std::string(wide.begin(), wide.end()));
    EXPECT_EQ(info.container, "avi") << info.report;
    EXPECT_EQ(info.videoCodec, "rawvideo") << info.report;
    EXPECT_EQ(info.width, 160);
    EXPECT_EQ(info.height, 120);
    EXPECT_NEAR(info.seconds, 2, 0.1) << info.report;
    EXPECT_EQ(info.report.find("Audio: pcm_s16le") != std::string::npos, withTone) << info.report;
  }
}

}  // namespace
