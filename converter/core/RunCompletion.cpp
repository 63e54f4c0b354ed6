#include "converter/core/RunCompletion.h"

#include "common/core/FileNames.h"
#include "converter/core/ShownText.h"

namespace converter {

bool ConversionSucceeded(unsigned long exitCode, long long outputBytes) {
  return exitCode == 0 && outputBytes > 0;
}

std::string FailureLine(const FailedFile& file) {
  if (file.Reason.find(file.Input) != std::string::npos) return file.Reason;
  const std::string name = common::FileNameOf(file.Input);
  return file.Reason.empty() ? name : name + ": " + file.Reason;
}

RunCompletion CompleteRun(const std::vector<FailedFile>& failed, int rows, bool turnOff, bool exit) {
  const int failedRows = static_cast<int>(failed.size());
  std::vector<std::string> lines;
  for (const FailedFile& file : failed) lines.push_back(FailureLine(file));
  const std::string list = FirstFewLines(lines);
  if (failedRows == rows)
    return {RunCompletion::NothingConverted, "No file could be converted.\n\n" + list, "Failed"};
  if (turnOff) return {RunCompletion::TurnOff, "", ""};
  if (exit) return {RunCompletion::Exit, "", ""};
  const std::string question = "Would you like to transfer them to PSP now?";
  if (failedRows == 0)
    return {RunCompletion::AskToTransfer, "The coversion is completed successfully. " + question,
            "Complete"};
  return {RunCompletion::AskToTransfer,
          std::to_string(failedRows) + " of " + std::to_string(rows) +
              " files could not be converted.\n\n" + list + "\n\n" + question,
          "Complete"};
}

}  // namespace converter
