#include "converter/core/NewInifileIndex.h"

#include "common/core/TextCase.h"

#include <algorithm>

using common::LowerCase;

namespace converter {
namespace {

// "[name]" alone after blanks, with no bracket in name.
bool IsPlainHeader(const std::string& line, size_t first) {
  return line.size() - first >= 2 && line.back() == ']' &&
         line.find_first_of("[]", first + 1) == line.size() - 1;
}

}  // namespace

bool StartsSection(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  return first != std::string::npos && line[first] == '[';
}

bool HoldsKey(const std::string& line, const std::string& key) {
  const size_t equals = line.find('=');
  return equals != std::string::npos && equals >= key.size() &&
         LowerCase(line.substr(equals - key.size(), key.size())) == LowerCase(key);
}

TSectionIndex::TSectionIndex(const std::vector<std::string>& lines)
    : FLineCount(static_cast<int>(lines.size())) {
  for (int i = 0; i < FLineCount; ++i) {
    const std::string& line = lines[i];
    if (!StartsSection(line)) continue;
    FHeaders.push_back(i);
    const std::string lower = LowerCase(line);
    const size_t first = line.find('[');
    if (IsPlainHeader(line, first))
      FPlainHeaders.emplace(lower.substr(first + 1, line.size() - first - 2), i);
    else
      FOtherHeaders.emplace_back(i, lower);
  }
}

int TSectionIndex::IndexOf(const std::string& section) const {
  const std::string name = LowerCase(section);
  const auto plain = FPlainHeaders.find(name);
  int found = plain == FPlainHeaders.end() ? -1 : plain->second;
  const std::string header = "[" + name + "]";
  for (const auto& [line, text] : FOtherHeaders) {
    if (found >= 0 && line > found) break;
    if (text.find(header) != std::string::npos) return line;
  }
  return found;
}

int TSectionIndex::EndOf(int header) const {
  const auto next = std::upper_bound(FHeaders.begin(), FHeaders.end(), header);
  return next == FHeaders.end() ? FLineCount : *next;
}

TKeyIndex::TKeyIndex(const std::vector<std::string>& lines, int first, int end) {
  std::vector<std::pair<std::string, int>> keys;
  for (int i = first; i < end; ++i) {
    const size_t equals = lines[i].find('=');
    if (equals == std::string::npos) continue;
    std::string key = LowerCase(lines[i].substr(0, equals));
    std::reverse(key.begin(), key.end());
    keys.emplace_back(std::move(key), i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<int> firstLine;
  for (auto& [key, line] : keys) {
    FReversedKeys.push_back(std::move(key));
    firstLine.push_back(line);
  }
  FFirstLine.push_back(std::move(firstLine));
  for (size_t width = 2; width <= keys.size(); width *= 2) {
    const std::vector<int>& half = FFirstLine.back();
    std::vector<int> level(keys.size() - width + 1);
    for (size_t i = 0; i < level.size(); ++i)
      level[i] = std::min(half[i], half[i + width / 2]);
    FFirstLine.push_back(std::move(level));
  }
}

int TKeyIndex::IndexOf(const std::string& key) const {
  std::string reversed = LowerCase(key);
  std::reverse(reversed.begin(), reversed.end());
  const auto begin = std::lower_bound(FReversedKeys.begin(), FReversedKeys.end(), reversed);
  const auto end = std::partition_point(begin, FReversedKeys.end(), [&](const std::string& k) {
    return k.compare(0, reversed.size(), reversed) == 0;
  });
  if (begin == end) return -1;
  const size_t from = begin - FReversedKeys.begin();
  const size_t count = end - begin;
  size_t level = 0;
  while ((size_t{2} << level) <= count) ++level;
  return std::min(FFirstLine[level][from], FFirstLine[level][from + count - (size_t{1} << level)]);
}

}  // namespace converter
