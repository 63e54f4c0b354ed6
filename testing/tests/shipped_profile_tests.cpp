// The shipped profiles with their default choices, turned into encoder options by the
// converter's own code and run through the real encoder: the results are videos the
// console's player takes (its MP4 form, its codecs, its frame sizes, AAC sound).
#include <gtest/gtest.h>

#include "converter/core/EncoderCommands.h"
#include "converter/core/Profiles.h"
#include "testing/driver/clips.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/process.h"

using namespace driver;

namespace {

struct Shipped {
  const char* name;
  const char* videoStream;  // how the encoder reports the video stream's codec
  const char* videoCodec;
  int width, height;
};

const Shipped kShipped[] = {
    {"PSP H.264 480x272", "Video: h264 (Main)", "h264", 480, 272},
    {"PSP MPEG-4 320x240", "Video: mpeg4 (Simple Profile)", "mpeg4", 320, 240},
    {"PSP MPEG-4 480x272", "Video: mpeg4 (Simple Profile)", "mpeg4", 480, 272},
};

std::vector<std::string> ProfileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& file : FileNames(folder + "\\*.ovx"))
    names.push_back(file.substr(0, file.size() - 4));
  return names;
}

TEST(ShippedProfiles, AreTheOnesInTheProgramFolder) {
  std::vector<std::string> expected;
  for (const Shipped& profile : kShipped) expected.push_back(profile.name);
  EXPECT_EQ(ProfileNames(DistDir() + "\\Profiles"), expected);
}

// Works on copies of the profiles: the converter's file class writes a file back on every use.
class ShippedProfile : public ::testing::TestWithParam<Shipped> {
 protected:
  static void SetUpTestSuite() {
    FFolder = MakeScratchFolder("profiles");
    FClip = FFolder + "\\source clip.avi";
    FReady = CopyFolder(DistDir() + "\\Profiles", FFolder + "\\Profiles") &&
             GenerateClip(RealEncoderPath(), FClip, 2.0, 640, 480);
  }

  static std::string FFolder, FClip;
  static bool FReady;
};

std::string ShippedProfile::FFolder, ShippedProfile::FClip;
bool ShippedProfile::FReady = false;

TEST_P(ShippedProfile, ConvertsAClipForTheConsole) {
  ASSERT_TRUE(FReady);
  const Shipped expected = GetParam();
  const std::string path = converter::ProfilePath(FFolder + "\\", expected.name);
  const auto profile = converter::LoadProfile(path);
  ASSERT_TRUE(profile);
  EXPECT_EQ(profile->Extension, ".mp4");
  const std::string options = converter::BuildEncoderParameters(path, profile->Editors);
  EXPECT_NE(options.find(" -f psp"), std::string::npos) << options;

  const std::string output = FFolder + "\\" + expected.name + profile->Extension;
  const CapturedRun run = RunCaptured(
      RealEncoderPath(), converter::ConversionCommandLine(FClip, options, output), 90000);
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0u) << options << "\n" << run.Text();

  const ClipInfo info = Probe(RealEncoderPath(), output);
  EXPECT_EQ(info.container, "mov,mp4,m4a,3gp,3g2,mj2") << info.report;
  EXPECT_NE(info.report.find("major_brand     : MSNV"), std::string::npos)
      << "the console's own MP4 brand\n" << info.report;
  EXPECT_NE(info.report.find(expected.videoStream), std::string::npos) << info.report;
  EXPECT_EQ(info.videoCodec, expected.videoCodec);
  EXPECT_EQ(info.width, expected.width);
  EXPECT_EQ(info.height, expected.height);
  EXPECT_NE(info.report.find("Audio: aac (LC)"), std::string::npos) << info.report;
  EXPECT_NEAR(info.seconds, 2.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Defaults, ShippedProfile, ::testing::ValuesIn(kShipped),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
