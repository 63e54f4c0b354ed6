#include "converter/core/ShownText.h"

#include <algorithm>

namespace converter {

std::string HintText(std::string text) {
  std::replace(text.begin(), text.end(), '|', '\xA6');
  return text;
}

std::string FirstFewLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < kFewLines; ++i)
    text += (i == 0 ? "" : "\n") + lines[i];
  if (lines.size() > kFewLines) text += "\nand " + std::to_string(lines.size() - kFewLines) + " more.";
  return text;
}

}  // namespace converter
