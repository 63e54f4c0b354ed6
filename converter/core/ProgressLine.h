#pragma once
#include <optional>
#include <string>

namespace converter {

// The encoder time, in seconds, that a chunk of conversion output reports after its first "time"
// ("time=12.34" or "time=00:00:12.34"); nothing when the chunk carries no readable time.
std::optional<double> ProgressTime(const std::string& chunk);

}  // namespace converter
