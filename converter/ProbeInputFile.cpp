#include "converter/ProbeInputFile.h"

#include "converter/EncoderJob.h"
#include "converter/core/EncoderCommands.h"

namespace converter {

ProbeResult ProbeInputFile(const std::string& encoderPath, const std::string& inputPath) {
  std::string output;
  EncoderJob(encoderPath).Run(ProbeCommandLine(inputPath),
                              [&output](const std::string& chunk) { output += chunk; });
  return ParseProbeReport(output, inputPath);
}

}  // namespace converter
