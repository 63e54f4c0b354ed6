// The stand-in encoder as the converter meets it: through one pipe, with the command lines
// the converter builds.
#include <gtest/gtest.h>

#include <future>

#include "testing/driver/clips.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/process.h"
#include "testing/tests/jpeg_size.h"

using namespace driver;

namespace {

class StandInEncoder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(FFolder.empty()); }

  CapturedRun Run(const std::string& commandLine, const std::string& script = "") {
    EnvironmentAdditions environment{{"VODIVI_LOG", Log()}};
    if (!script.empty()) {
      const std::string path = FFolder + "\\script.txt";
      WriteWholeFile(path, script);
      environment["VODIVI_SCRIPT"] = path;
    }
    return RunCaptured(StandInEncoderPath(), commandLine, 20000, environment);
  }
  std::string Path(const std::string& name) const { return FFolder + "\\" + name; }
  std::string Log() const { return Path("log.txt"); }
  std::string ConvertLine() const {
    return " -y -i \"" + Path("in put.avi") + "\" -f psp -s 320x240 \"" + Path("out.mp4") + "\"";
  }

  const std::string FFolder = MakeScratchFolder("standin");
};

TEST_F(StandInEncoder, LogsEachCommandLineExactlyAsGiven) {
  const std::string probe = " -i \"C:\\My Videos\\clip one.avi\"";
  ASSERT_TRUE(Run(probe).started);
  ASSERT_TRUE(Run(ConvertLine()).started);
  EXPECT_EQ(FileLines(Log()), (std::vector<std::string>{probe, ConvertLine()}));
}

TEST_F(StandInEncoder, ScriptedOutputArrivesInSeparateChunksAndEndsWithItsCode) {
  const CapturedRun run = Run(ConvertLine(),
                              "say first\n"
                              "say still first\n"
                              "pause 300\n"
                              "# a comment\n"
                              "say frame=   25 time=00:00:01.00 of {input}\n"
                              "pause 300\n"
                              "say last\n"
                              "exit 3\n"
                              "say never\n");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(run.chunks, (std::vector<std::string>{
                            "first\r\nstill first\r\n",
                            "frame=   25 time=00:00:01.00 of " + Path("in put.avi") + "\r\n",
                            "last\r\n"}));
  EXPECT_FALSE(FileExists(Path("out.mp4"))) << "a failed job leaves no output";
}

TEST_F(StandInEncoder, ProbesLikeTheRealEncoderWithoutAScript) {
  const std::string input = Path("clip.avi");
  const CapturedRun run = Run(" -i \"" + input + "\"");
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.chunks.size(), 1u) << "the probe report comes in one piece";
  EXPECT_NE(run.chunks[0].find("from '" + input + "':"), std::string::npos);
  EXPECT_NE(run.chunks[0].find("  Duration: 00:01:02.34, start:"), std::string::npos);
  const ClipInfo info = ParseProbeReport(run.Text());
  EXPECT_DOUBLE_EQ(info.seconds, 62.34);
  EXPECT_EQ(info.videoCodec, "mpeg4");
  EXPECT_EQ(info.width, 320);
  EXPECT_EQ(info.height, 240);
  EXPECT_EQ(run.exitCode, 1u);
}

TEST_F(StandInEncoder, WritesTheThumbnailAsA160x120Jpeg) {
  const std::string thumbnail = Path("clip.THM");
  const CapturedRun run =
      Run(" -y -i \"" + Path("clip.avi") + "\" -f image2 -ss 0 -t 0.001 -s 160x120 \"" + thumbnail + "\"");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);
  const std::string data = ReadWholeFile(thumbnail);
  ASSERT_GT(data.size(), 4u);
  EXPECT_EQ(data.substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(data.substr(data.size() - 2), "\xFF\xD9");
  EXPECT_EQ(JpegSize(data), std::make_pair(160, 120));
}

TEST_F(StandInEncoder, ConvertsWithProgressAfterTheFirstTwoChunks) {
  const CapturedRun run = Run(ConvertLine());
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);
  ASSERT_GE(run.chunks.size(), 4u);
  EXPECT_EQ(run.chunks[0].find("time="), std::string::npos);
  EXPECT_EQ(run.chunks[1].find("time="), std::string::npos);
  for (size_t i = 2; i < run.chunks.size(); ++i)
    EXPECT_NE(run.chunks[i].find("time="), std::string::npos) << "chunk " << i;
  EXPECT_NE(run.chunks.back().find("time=00:01:02.34 "), std::string::npos);
  EXPECT_TRUE(FileExists(Path("out.mp4")));
}

TEST_F(StandInEncoder, ScriptSectionsApplyToTheirJobAndOthersFallBackToTheBuiltIn) {
  const std::string script = "[probe]\nsay probed {input}\nexit 0\n[thumbnail]\nsay thumb\n";
  EXPECT_EQ(Run(" -i \"a.avi\"", script).Text(), "probed a.avi\r\n");
  EXPECT_NE(Run(ConvertLine(), script).Text().find("Output #0, psp"), std::string::npos);

  const std::string common = "say everyone\n[convert]\nsay converting\n";
  EXPECT_EQ(Run(" -i \"a.avi\"", common).Text(), "everyone\r\n");
  EXPECT_EQ(Run(ConvertLine(), common).Text(), "everyone\r\nconverting\r\n");
}

TEST_F(StandInEncoder, WaitsAtTheGateUntilItsFileExists) {
  const std::string gate = Path("gate");
  auto run = std::async(std::launch::async, [&] {
    return Run(ConvertLine(), "say waiting\ngate " + gate + "\nsay through\n");
  });
  EXPECT_EQ(run.wait_for(std::chrono::milliseconds(800)), std::future_status::timeout);
  EXPECT_FALSE(FileExists(Path("out.mp4")));
  WriteWholeFile(gate, "");
  const CapturedRun done = run.get();
  EXPECT_EQ(done.chunks, (std::vector<std::string>{"waiting\r\n", "through\r\n"}));
  EXPECT_TRUE(FileExists(Path("out.mp4")));
}

}  // namespace
