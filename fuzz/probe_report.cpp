// The encoder's report of an input, as a probe, a thumbnail job and a failed conversion read it:
// the input's path, a NUL, then the report.
#include <cstdlib>

#include "converter/core/JobReport.h"
#include "converter/core/ProbeReport.h"
#include "converter/core/TimeText.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  const auto nul = text.find('\0');
  const std::string path = nul == std::string::npos ? "" : text.substr(0, nul);
  const std::string report = nul == std::string::npos ? text : text.substr(nul + 1);
  const converter::ProbeResult probe = converter::ParseProbeReport(report, path);
  // What the probe gives is a time text and a frame size, or nothing.
  if (!probe.Duration.empty() && converter::ParseTimeText(probe.Duration) < 0) std::abort();
  if (!probe.Size.empty() && probe.Size.find_first_not_of("0123456789x", 1) != std::string::npos)
    std::abort();
  converter::InputLacksSound(report);
  // Why a job failed is one line of the report.
  if (converter::FailureReason(report).find_first_of("\r\n") != std::string::npos) std::abort();
  return 0;
}
