#pragma once
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace converter {

// Look-ups of the INI file's lines that answer as a scan from the top would, built once per
// form of the lines so that reading a file of n settings costs in proportion to n.

// Only a line that begins with "[" starts a section, so a "[" inside a value (an output
// folder such as "D:\Videos [PSP]\") does not cut its section short.
bool StartsSection(const std::string& line);
// Whether the line holds the key: key + "=" ends the line's text up to its first "=".
bool HoldsKey(const std::string& line, const std::string& key);

// The header lines of the lines.
class TSectionIndex {
public:
  explicit TSectionIndex(const std::vector<std::string>& lines);
  // The first header line that contains "[section]" in any case, -1 when none.
  int IndexOf(const std::string& section) const;
  // The line after the last of the section whose header is the given line.
  int EndOf(int header) const;

private:
  // A header line that is "[name]" alone answers only for name: most lines of a file, found in
  // one step. Any other header line (with a note after it, or brackets inside) is tried whole.
  std::unordered_map<std::string, int> FPlainHeaders;  // lower-case name -> first such line
  std::vector<std::pair<int, std::string>> FOtherHeaders;  // line, in lower case
  std::vector<int> FHeaders;
  int FLineCount;
};

// The keys of a run of lines.
class TKeyIndex {
public:
  TKeyIndex(const std::vector<std::string>& lines, int first, int end);
  // The first line of the run that holds the key, -1 when none.
  int IndexOf(const std::string& key) const;

private:
  // Each line's text before its "=", lower case and reversed, in sorted order, so that the
  // texts that end with a key lie together; FFirstLine[j][i] is the first line among the 2^j
  // texts from i on.
  std::vector<std::string> FReversedKeys;
  std::vector<std::vector<int>> FFirstLine;
};

}  // namespace converter
