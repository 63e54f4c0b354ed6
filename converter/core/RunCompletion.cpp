#include "converter/core/RunCompletion.h"

namespace converter {

bool ConversionSucceeded(unsigned long exitCode, long long outputBytes) {
  return exitCode == 0 && outputBytes > 0;
}

RunCompletion CompleteRun(int failedRows, int rows, bool turnOff, bool exit,
                          const std::string& failureReason) {
  const std::string reason = failedRows == 1 ? failureReason : "";
  if (failedRows == rows)
    return {RunCompletion::NothingConverted,
            "No file could be converted." + (reason.empty() ? "" : "\n\n" + reason), "Failed"};
  if (turnOff) return {RunCompletion::TurnOff, "", ""};
  if (exit) return {RunCompletion::Exit, "", ""};
  const std::string question = "Would you like to transfer them to PSP now?";
  if (failedRows == 0)
    return {RunCompletion::AskToTransfer, "The coversion is completed successfully. " + question,
            "Complete"};
  return {RunCompletion::AskToTransfer,
          std::to_string(failedRows) + " of " + std::to_string(rows) +
              " files could not be converted." + (reason.empty() ? " " : "\n\n" + reason + "\n\n") +
              question,
          "Complete"};
}

}  // namespace converter
