#pragma once
#include <string>

namespace converter {

// Text from outside (a file's name, a probe value, the encoder's error line) as the task list
// and its hints must be given it to show it letter for letter.

// The list draws a cell holding "</" as mark-up, and one that begins with "{\" or "{|" as rich
// text or a progress bar. Such a text comes back as mark-up with "&", "<" and ">" escaped, so
// the renderer draws its characters; any other text comes back as it is.
std::string ListCellText(const std::string& text);

// A hint shows its text up to the first "|": each "|" becomes a broken bar ("\xA6").
std::string HintText(std::string text);

}  // namespace converter
