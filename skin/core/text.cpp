#include "skin/core/text.h"

#include <algorithm>
#include <cctype>

namespace skin {

std::string EllipsisText(const std::string& text, int maxWidth, const TextWidthFunc& textWidth) {
  if (textWidth(text) <= maxWidth)
    return text;
  for (std::size_t length = text.size(); length-- > 0;) {
    std::string candidate = text.substr(0, length) + "...";
    if (textWidth(candidate) <= maxWidth)
      return candidate;
  }
  return std::string();
}

std::string ReplaceText(const std::string& text, const std::string& find,
                        const std::string& replacement) {
  if (find.empty())
    return text;
  std::string result;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(find, from)) != std::string::npos; from = at + find.size())
    result.append(text, from, at - from).append(replacement);
  return result.append(text, from, std::string::npos);
}

std::string StripAmpersands(const std::string& text) {
  return ReplaceText(text, "&", "");
}

bool SameText(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace skin
