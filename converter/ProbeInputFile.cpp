#include "converter/ProbeInputFile.h"

#include "converter/EncoderJob.h"
#include "converter/core/EncoderCommands.h"

namespace converter {

ProbeResult ProbeInputFile(const std::string& encoderPath, const std::string& inputPath,
                           DWORD silenceLimitMs) {
  std::string output;
  const JobEnd end = EncoderJob(encoderPath).Run(
      ProbeCommandLine(inputPath), [&output](const std::string& chunk) { output += chunk; },
      nullptr, silenceLimitMs);
  if (end.Terminated) return {};
  return ParseProbeReport(output, inputPath);
}

}  // namespace converter
