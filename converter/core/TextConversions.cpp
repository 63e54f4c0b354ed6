#include "converter/core/TextConversions.h"

#include "common/core/TextCase.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

using common::SameText;

namespace converter {
namespace {

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<int> TryStrToInt(const std::string& text) {
  const std::string s = TrimBlanks(text);
  const size_t digits = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (s.size() == digits || s.find_first_not_of("0123456789", digits) != std::string::npos)
    return std::nullopt;
  errno = 0;
  const long long value = std::strtoll(s.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<bool> TryStrToBool(const std::string& text) {
  if (SameText(text, "True")) return true;
  if (SameText(text, "False")) return false;
  if (const auto number = TryStrToInt(text)) return *number != 0;
  return std::nullopt;
}

std::optional<double> TryStrToFloat(const std::string& text) {
  const std::string s = TrimBlanks(text);
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (*end != '\0') return std::nullopt;
  return value;
}

}  // namespace converter
