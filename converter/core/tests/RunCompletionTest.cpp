#include "converter/core/RunCompletion.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(RunCompletionTest, OnlyAnExitWithZeroAndAnOutputWithBytesIsAConversion) {
  struct Case {
    unsigned long exitCode;
    long long bytes;
    bool converted;
  };
  for (const Case& c : {
           Case{0, 1, true},
           Case{0, 0, false},    // an empty output
           Case{0, -1, false},   // no output at all
           Case{1, 4096, false}, // an error after writing part of it
           Case{4, 4096, false}, // ended from outside
       })
    EXPECT_EQ(ConversionSucceeded(c.exitCode, c.bytes), c.converted) << c.exitCode << " " << c.bytes;
}

// n failed files a.avi, b.avi, ... each with the reason "broken".
std::vector<FailedFile> Failed(int n) {
  std::vector<FailedFile> failed;
  for (int i = 0; i < n; ++i) failed.push_back({R"(C:\In\)" + std::string(1, char('a' + i)) + ".avi", "broken"});
  return failed;
}

TEST(RunCompletionTest, TheClosingWordsCountTheFailedRowsAndNeverClaimSuccess) {
  const std::string question = "Would you like to transfer them to PSP now?";
  struct Case {
    int failed, rows;
    bool turnOff, exit;
    RunCompletion::TAction action;
    std::string text;
  };
  for (const Case& c : {
           Case{0, 2, false, false, RunCompletion::AskToTransfer,
                "The coversion is completed successfully. " + question},
           Case{1, 2, false, false, RunCompletion::AskToTransfer,
                "1 of 2 files could not be converted.\n\na.avi: broken\n\n" + question},
           Case{1, 1, false, false, RunCompletion::NothingConverted,
                "No file could be converted.\n\na.avi: broken"},
           // nothing converted: no completion action runs either
           Case{2, 2, true, true, RunCompletion::NothingConverted,
                "No file could be converted.\n\na.avi: broken\nb.avi: broken"},
           Case{1, 2, true, true, RunCompletion::TurnOff, ""},  // turning off comes first
           Case{1, 2, false, true, RunCompletion::Exit, ""},
       }) {
    const RunCompletion completion = CompleteRun(Failed(c.failed), c.rows, c.turnOff, c.exit);
    const std::string name = std::to_string(c.failed) + " of " + std::to_string(c.rows);
    EXPECT_EQ(completion.Action, c.action) << name;
    EXPECT_EQ(completion.Text, c.text) << name;
  }
  EXPECT_EQ(CompleteRun({}, 1, false, false).Caption, "Complete");
  EXPECT_EQ(CompleteRun(Failed(1), 1, false, false).Caption, "Failed");
}

// The old behaviour gave a reason only when one file had failed, so two failures named neither.
TEST(RunCompletionTest, EveryFailedFileIsNamedWithItsReasonTheFirstFewThenACount) {
  EXPECT_EQ(CompleteRun(Failed(3), 4, false, false).Text,
            "3 of 4 files could not be converted.\n\na.avi: broken\nb.avi: broken\nc.avi: broken"
            "\n\nWould you like to transfer them to PSP now?");
  EXPECT_EQ(CompleteRun(Failed(7), 7, false, false).Text,
            "No file could be converted.\n\na.avi: broken\nb.avi: broken\nc.avi: broken\n"
            "d.avi: broken\ne.avi: broken\nand 2 more.");
}

TEST(RunCompletionTest, AFailureLineNamesTheFileOnceWithWhateverReasonThereIs) {
  struct Case {
    FailedFile file;
    std::string line;
  };
  for (const Case& c : {
           Case{{R"(C:\In\bad.avi)", R"(C:\In\bad.avi: Invalid data found when processing input)"},
                R"(C:\In\bad.avi: Invalid data found when processing input)"},
           Case{{R"(C:\In\Tom & Jerry.avi)", "The converted file could not be saved as X"},
                "Tom & Jerry.avi: The converted file could not be saved as X"},
           Case{{R"(C:\In\quiet.avi)", ""}, "quiet.avi"},
       })
    EXPECT_EQ(FailureLine(c.file), c.line) << c.file.Input;
}

}  // namespace
}  // namespace converter
