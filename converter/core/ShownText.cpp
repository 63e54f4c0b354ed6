#include "converter/core/ShownText.h"

#include <algorithm>

namespace converter {

std::string HintText(std::string text) {
  std::replace(text.begin(), text.end(), '|', '\xA6');
  return text;
}

}  // namespace converter
