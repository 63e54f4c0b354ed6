#pragma once
#include <functional>
#include <string>

namespace skin {

// Width of a text in pixels as the canvas that will draw it measures it.
using TextWidthFunc = std::function<int(const std::string& text)>;

// The text itself when it fits maxWidth; else the longest of its prefixes followed by "..."
// that fits; else the empty text. Never wider than maxWidth (for a non-negative limit).
std::string EllipsisText(const std::string& text, int maxWidth, const TextWidthFunc& textWidth);

// Every occurrence of find replaced, in one pass from left to right; replaced text is not
// searched again.
std::string ReplaceText(const std::string& text, const std::string& find,
                        const std::string& replacement);

// A caption as it is measured: without its accelerator marks.
std::string StripAmpersands(const std::string& text);

// Equal without regard to the letter case of ASCII letters.
bool SameText(const std::string& a, const std::string& b);

}  // namespace skin
