// The order of a file list's rows: folders first, the parent entry on top, by the clicked
// column, every click on the same column turning the order round.
#pragma once
#include <string>
#include <vector>

namespace explorer {

// What a comparison reads of a row: its caption and sub-items (0 size text, 1 type,
// 2 date text, 3 attributes, 4 path, 5 kind, 6 file time).
struct TFileRow {
  std::string Caption;
  std::vector<std::string> SubItems;
};

// The size column's number: 0 for " ", else the number before " KB"; 0 when unreadable.
long long SizeNumber(const std::string& sizeText);

// The sort column and the reverse flag. A click on the sort column turns the order round; a
// click on another column makes it the sort column, reversed.
struct TSortState {
  int Column = 0;
  bool Reverse = true;
  void Click(int column);
  // After every fill: the list ends sorted by name, ascending when it was sorted by name.
  void AfterFill() {
    Reverse = true;
    Click(0);
  }
};

// Negative, zero or positive. Folders come before everything else, then the column decides;
// with the reverse flag every answer turns round except those that involve the parent entry.
// upper is the locale's upper-casing of a caption.
int CompareRows(const TFileRow& a, const TFileRow& b, const TSortState& sort,
                std::string (*upper)(const std::string&));

}  // namespace explorer
