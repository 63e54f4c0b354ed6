#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace converter {

// A hint shows its text up to the first "|": each "|" becomes a broken bar ("\xA6"), so that
// text from outside (the encoder's error line) shows letter for letter.
std::string HintText(std::string text);

// How many lines of a list a message box shows before it only counts the rest.
inline constexpr std::size_t kFewLines = 5;

// The first kFewLines lines, one a line, then "and N more." for the rest.
std::string FirstFewLines(const std::vector<std::string>& lines);

}  // namespace converter
