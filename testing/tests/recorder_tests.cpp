// The recorder stands in for programs that the system starts through the shell.
#include <gtest/gtest.h>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/process.h"

using namespace driver;

namespace {

TEST(Recorder, RecordsItsCommandLineAndFolderForEachStart) {
  const std::string folder = MakeScratchFolder("recorder"), log = folder + "\\log.txt";
  for (const std::string arguments : {"C:\\Out Folder", "\"D:\\quoted one\""}) {
    Process recorder = StartProgram(RecorderPath(), arguments, folder, {{"RECORDER_LOG", log}});
    ASSERT_TRUE(recorder.Started());
    ASSERT_TRUE(recorder.WaitForExit(20000));
    EXPECT_EQ(recorder.ExitCode(), 0u);
  }
  const std::string program = "\"" + RecorderPath() + "\" ";
  EXPECT_EQ(FileLines(log), (std::vector<std::string>{program + "C:\\Out Folder", folder,
                                                      program + "\"D:\\quoted one\"", folder}));
}

TEST(Recorder, RecordsNothingWithoutALog) {
  Process recorder = StartProgram(RecorderPath(), "x", "", {{"RECORDER_LOG", ""}});
  ASSERT_TRUE(recorder.WaitForExit(20000));
  EXPECT_NE(recorder.ExitCode(), 0u);
}

}  // namespace
