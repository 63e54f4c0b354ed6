#pragma once
#include <string>

#include "converter/core/ProbeReport.h"

namespace converter {

// Asks the encoder for its report on the input and reads the duration and frame size from all
// it printed. The window does not respond meanwhile: the probe lets no messages run. A probe
// that could not run, or a report without them, gives empty fields.
ProbeResult ProbeInputFile(const std::string& encoderPath, const std::string& inputPath);

}  // namespace converter
