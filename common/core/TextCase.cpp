#include "common/core/TextCase.h"

namespace common {

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool SameText(const std::string& a, const std::string& b) {
  return LowerCase(a) == LowerCase(b);
}

bool LessText(const std::string& a, const std::string& b) {
  const std::string la = LowerCase(a), lb = LowerCase(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace common
