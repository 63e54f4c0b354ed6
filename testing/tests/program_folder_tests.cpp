// The program folder the build assembles, and the copies tests make of it.
#include <gtest/gtest.h>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/process.h"
#include "testing/tests/jpeg_size.h"

using namespace driver;

namespace {

TEST(ProgramFolder, HoldsTheRealEncoderAndTheDefaultThumbnail) {
  const std::string thumbnail = ReadWholeFile(DistDir() + "\\DefaultPreview.THM");
  EXPECT_EQ(thumbnail.substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(JpegSize(thumbnail), std::make_pair(160, 120));
  EXPECT_GT(ReadWholeFile(RealEncoderPath()).size(), ReadWholeFile(StandInEncoderPath()).size());
}

TEST(ProgramFolder, FixtureCopyRunsTheStandInAsItsEncoder) {
  const std::string folder = MakeProgramFolder("programs");
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(ReadWholeFile(folder + "\\vodivi.dll"), ReadWholeFile(StandInEncoderPath()));
  EXPECT_EQ(ReadWholeFile(folder + "\\DefaultPreview.THM"),
            ReadWholeFile(DistDir() + "\\DefaultPreview.THM"));

  const std::string log = folder + "\\encoder.log";
  const CapturedRun run =
      RunCaptured(folder + "\\vodivi.dll", " -i \"C:\\a.avi\"", 20000, {{"VODIVI_LOG", log}});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(FileLines(log), std::vector<std::string>{" -i \"C:\\a.avi\""});
}

TEST(ProgramFolder, FixtureCopyKeepsSubfolders) {
  const std::string source = MakeScratchFolder("tree");
  CreateDirectoryA((source + "\\Profiles").c_str(), nullptr);
  WriteWholeFile(source + "\\Profiles\\One.ovx", "[Main]\r\n");
  WriteWholeFile(source + "\\vodivi.dll", "left out");
  WriteWholeFile(source + "\\Tessark.exe", "program");

  const std::string copy = MakeScratchFolder("copy");
  ASSERT_TRUE(CopyFolder(source, copy, {"VODIVI.DLL"}));
  EXPECT_EQ(ReadWholeFile(copy + "\\Profiles\\One.ovx"), "[Main]\r\n");
  EXPECT_EQ(ReadWholeFile(copy + "\\Tessark.exe"), "program");
  EXPECT_FALSE(FileExists(copy + "\\vodivi.dll"));
}

}  // namespace
