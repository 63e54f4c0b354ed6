#include "converter/core/ShownText.h"

#include <algorithm>

namespace converter {

std::string ListCellText(const std::string& text) {
  const bool drawnOtherwise = text.find("</") != std::string::npos ||
                              text.compare(0, 2, "{\\") == 0 || text.compare(0, 2, "{|") == 0;
  if (!drawnOtherwise) return text;
  // An empty tag pair keeps the escaped text mark-up, which the list knows by its "</".
  std::string markup = "<B></B>";
  for (const char c : text) {
    switch (c) {
      case '&': markup += "&amp;"; break;
      case '<': markup += "&lt;"; break;
      case '>': markup += "&gt;"; break;
      default: markup += c;
    }
  }
  return markup;
}

std::string HintText(std::string text) {
  std::replace(text.begin(), text.end(), '|', '\xA6');
  return text;
}

}  // namespace converter
