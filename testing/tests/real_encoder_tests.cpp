// The real encoder from the program folder, under Wine: it makes the clips that end-to-end
// tests feed to the programs, and reports them as the converter expects to read them.
#include <gtest/gtest.h>

#include "testing/driver/clips.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"

using namespace driver;

namespace {

struct Clip {
  const char* extension;
  int width, height;
  const char* container;
  const char* videoCodec;
};

class RealEncoder : public ::testing::TestWithParam<Clip> {};

TEST_P(RealEncoder, ProbesTheClipItGenerated) {
  const Clip clip = GetParam();
  const std::string path = MakeScratchFolder("clips") + "\\test clip" + clip.extension;
  ASSERT_TRUE(GenerateClip(RealEncoderPath(), path, 1.0, clip.width, clip.height));

  const ClipInfo info = Probe(RealEncoderPath(), path);
  const std::string& report = info.report;
  EXPECT_NE(report.find(", from '" + path + "':"), std::string::npos) << report;
  EXPECT_NE(report.find("  Duration: 00:00:01."), std::string::npos) << report;
  EXPECT_NE(report.find(": Video: "), std::string::npos) << report;
  EXPECT_NEAR(info.seconds, 1.0, 0.15);
  EXPECT_EQ(info.container, clip.container);
  EXPECT_EQ(info.videoCodec, clip.videoCodec);
  EXPECT_EQ(info.width, clip.width);
  EXPECT_EQ(info.height, clip.height);
}

INSTANTIATE_TEST_SUITE_P(Containers, RealEncoder,
                         ::testing::Values(Clip{".avi", 320, 240, "avi", "mpeg4"},
                                           Clip{".mpg", 352, 288, "mpeg", "mpeg1video"},
                                           Clip{".mp4", 480, 272, "mov,mp4,m4a,3gp,3g2,mj2", "h264"}),
                         [](const auto& info) { return std::string(info.param.extension + 1); });

TEST(RealEncoderProbe, ReportsNoDurationForAMissingFile) {
  const ClipInfo info = Probe(RealEncoderPath(), "C:\\no such folder\\clip.avi");
  EXPECT_EQ(info.seconds, -1);
  EXPECT_EQ(info.width, 0);
}

}  // namespace
