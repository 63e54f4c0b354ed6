#pragma once
#include <windows.h>

#include <string>

#include "converter/core/ProbeReport.h"

namespace converter {

// How long a probe may print nothing before it is given up.
inline constexpr DWORD kProbeSilenceLimitMs = 30000;

// Asks the encoder for its report on the input and reads the duration and frame size from all
// it printed. The window does not respond meanwhile: the probe lets no messages run. A probe
// that could not run, that printed nothing for silenceLimitMs, or a report without them,
// gives empty fields.
ProbeResult ProbeInputFile(const std::string& encoderPath, const std::string& inputPath,
                           DWORD silenceLimitMs = kProbeSilenceLimitMs);

}  // namespace converter
