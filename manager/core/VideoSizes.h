// The sizes in the lists' second column and the status bar's selection summary.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace manager {

// Bytes as megabytes (1,000,000 bytes) in the general number format: up to 15 significant
// digits, no trailing zeros, the given decimal separator; 12,345,678 bytes give "12.345678".
std::string FileSizeMB(std::uint64_t bytes, char decimalSeparator);

// A size text of the lists read back; nothing when it is no number.
std::optional<double> ParseSizeMB(const std::string& text, char decimalSeparator);

// "<count> Selected.  <sum with two decimals>MB Total." for the size texts of the selected
// rows; texts that are no number add nothing.
std::string SelectionSummary(const std::vector<std::string>& sizeTexts, char decimalSeparator);

}  // namespace manager
