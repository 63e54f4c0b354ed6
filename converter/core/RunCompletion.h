#pragma once
#include <string>

namespace converter {

// A row's conversion converted the file only when the encoder exited with 0 and left an output
// that is not empty; outputBytes is -1 when there is no output file.
bool ConversionSucceeded(unsigned long exitCode, long long outputBytes);

// What ends a run whose every row was tried.
struct RunCompletion {
  enum TAction {
    NothingConverted,  // every row failed: an information message, no completion action
    TurnOff,
    Exit,
    AskToTransfer,  // a Yes/No question; Yes starts the manager
  };
  TAction Action;
  std::string Text;     // the message or question; empty for TurnOff and Exit
  std::string Caption;  // of that message
};

// The turn-off and exit options stand as the settings dialog has them. Failed rows are counted
// in the question, so it never claims a success that did not happen. When one row failed, the
// text gives its failureReason (the encoder's error line) after the count, on a line of its own.
RunCompletion CompleteRun(int failedRows, int rows, bool turnOff, bool exit,
                          const std::string& failureReason = "");

}  // namespace converter
