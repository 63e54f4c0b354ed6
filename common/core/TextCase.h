#pragma once
#include <string>

namespace common {

// Letter case of the settings files, the extensions and the profile names: ASCII only, so
// that the result does not depend on the user's locale.
std::string LowerCase(std::string text);
std::string UpperCase(std::string text);
bool SameText(const std::string& a, const std::string& b);
// Orders without regard to case; texts that differ only in case keep a fixed order.
bool LessText(const std::string& a, const std::string& b);

}  // namespace common
