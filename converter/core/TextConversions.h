#pragma once
#include <optional>
#include <string>

namespace converter {

// Text to number as the settings files need it; nullopt when the text does not convert.
// Blanks around the number are allowed.
std::optional<int> TryStrToInt(const std::string& text);
// "True"/"False" in any letter case, or an integer: 0 is false, any other is true.
std::optional<bool> TryStrToBool(const std::string& text);
// Uses the C runtime's decimal separator, which follows the user's locale once it is set.
std::optional<double> TryStrToFloat(const std::string& text);

}  // namespace converter
