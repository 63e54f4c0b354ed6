#include "explorer/core/Separators.h"

namespace explorer {

std::string GroupThousands(const std::string& digits, const std::string& separator) {
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text += digits[i];
  }
  return text;
}

}  // namespace explorer
