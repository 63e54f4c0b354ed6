#pragma once
#include <string>
#include <vector>

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

// A row that failed: its input path and why (the encoder's error line, or the converter's own).
struct FailedFile {
  std::string Input;
  std::string Reason;
};

// The turn-off and exit options stand as the settings dialog has them. Failed rows are counted
// in the question, so it never claims a success that did not happen, and listed after the count
// (FailureLine each, the first few, then how many more).
RunCompletion CompleteRun(const std::vector<FailedFile>& failed, int rows, bool turnOff, bool exit);

// "clip.avi: reason"; the reason alone when it names the input's path already, the file name
// alone when there is no reason.
std::string FailureLine(const FailedFile& file);

}  // namespace converter
