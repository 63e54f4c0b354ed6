#pragma once
#include <string>

namespace converter {

// A hint shows its text up to the first "|": each "|" becomes a broken bar ("\xA6"), so that
// text from outside (the encoder's error line) shows letter for letter.
std::string HintText(std::string text);

}  // namespace converter
