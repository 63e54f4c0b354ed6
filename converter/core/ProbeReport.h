#pragma once
#include <string>

namespace converter {

// What a probe of an input learns; empty fields when the encoder did not report them, so a
// failed probe never shows the values of the file probed before it.
struct ProbeResult {
  std::string Duration;  // as the encoder printed it, e.g. "00:01:02.34"
  std::string Size;      // the frame size with its leading blank, e.g. " 320x240"
};

// Reads the input report of a probe job; output is the whole text the encoder printed.
// The report is looked for after the input path, so a path holding "Duration" or "Video" cannot
// mislead it. The duration comes only from the encoder's duration line ("  Duration: ...") and
// the size only from the first video stream's line ("    Stream #0:0: Video: ..."), never from
// the file's metadata; a value that is no time text or no WIDTHxHEIGHT is left empty.
ProbeResult ParseProbeReport(const std::string& output, const std::string& inputPath);

}  // namespace converter
