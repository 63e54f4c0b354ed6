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
                "1 of 2 files could not be converted. " + question},
           Case{2, 3, false, false, RunCompletion::AskToTransfer,
                "2 of 3 files could not be converted. " + question},
           Case{1, 1, false, false, RunCompletion::NothingConverted, "No file could be converted."},
           // nothing converted: no completion action runs either
           Case{2, 2, true, true, RunCompletion::NothingConverted, "No file could be converted."},
           Case{1, 2, true, true, RunCompletion::TurnOff, ""},  // turning off comes first
           Case{1, 2, false, true, RunCompletion::Exit, ""},
       }) {
    const RunCompletion completion = CompleteRun(c.failed, c.rows, c.turnOff, c.exit);
    const std::string name = std::to_string(c.failed) + " of " + std::to_string(c.rows);
    EXPECT_EQ(completion.Action, c.action) << name;
    EXPECT_EQ(completion.Text, c.text) << name;
  }
  EXPECT_EQ(CompleteRun(0, 1, false, false).Caption, "Complete");
}

TEST(RunCompletionTest, TheReasonOfTheOneFailedRowIsGiven) {
  const std::string reason = "PSP mode need one video and one audio stream";
  struct Case {
    int failed, rows;
    std::string text;
  };
  for (const Case& c : {
           Case{1, 1, "No file could be converted.\n\n" + reason},
           Case{1, 3, "1 of 3 files could not be converted.\n\n" + reason +
                          "\n\nWould you like to transfer them to PSP now?"},
           // two reasons would not say which file each belongs to
           Case{2, 3, "2 of 3 files could not be converted. Would you like to transfer them to PSP now?"},
       })
    EXPECT_EQ(CompleteRun(c.failed, c.rows, false, false, reason).Text, c.text) << c.failed;
  EXPECT_EQ(CompleteRun(1, 1, false, false).Caption, "Failed");
}

}  // namespace
}  // namespace converter
