#include "explorer/core/FileSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace explorer {
namespace {

std::string Upper(const std::string& s) {
  std::string u = s;
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

TFileRow Row(const std::string& caption, const std::string& size, const std::string& kind,
             const std::string& time = "0", const std::string& type = "") {
  return {caption, {size, type, "", "", "C:\\x\\" + caption, kind, time}};
}

// The captions in the order a sort with this state leaves them.
std::string Sorted(std::vector<TFileRow> rows, const TSortState& sort) {
  std::stable_sort(rows.begin(), rows.end(),
                   [&](const TFileRow& a, const TFileRow& b) { return CompareRows(a, b, sort, Upper) < 0; });
  std::string order;
  for (const TFileRow& r : rows) order += (order.empty() ? "" : ",") + r.Caption;
  return order;
}

const std::vector<TFileRow> kRows = {
    Row("b.txt", "5 KB", "file", "300", "Text"),  Row("Sub", " ", "dir", "100", "Folder"),
    Row(" Parent", " ", "dir", "50"),            Row("a.doc", "12 KB", "file", "200", "Document"),
    Row("c.bin", "0 KB", "file", "400", "Binary"), Row("Alpha", " ", "dir", "500", "Folder"),
};

TEST(FileSortTest, ClicksOnColumns) {
  struct Case {
    std::vector<int> clicks;  // after the fill's own click on column 0
    std::string order;
  };
  for (const Case& c : {
           // The fill leaves names ascending, folders first, the parent entry on top.
           Case{{}, " Parent,Alpha,Sub,a.doc,b.txt,c.bin"},
           // A second click on the name turns everything round but the parent entry.
           Case{{0}, " Parent,c.bin,b.txt,a.doc,Sub,Alpha"},
           // First click on Size: largest first, folders after the files.
           Case{{1}, " Parent,a.doc,b.txt,c.bin,Sub,Alpha"},
           // Second click: smallest first, folders first; at 0 among themselves, the parent entry
           // included, they keep their order.
           Case{{1, 1}, "Sub, Parent,Alpha,c.bin,b.txt,a.doc"},
           // Modified reads the file time: newest first on the first click.
           Case{{3}, " Parent,c.bin,b.txt,a.doc,Alpha,Sub"},
           // Type compares sub-item 1 without regard to case.
           Case{{2, 2}, " Parent,Sub,Alpha,c.bin,a.doc,b.txt"},
       }) {
    TSortState sort;
    sort.AfterFill();
    for (int column : c.clicks) sort.Click(column);
    EXPECT_EQ(Sorted(kRows, sort), c.order) << "clicks " << c.clicks.size();
  }
}

TEST(FileSortTest, AfterFillRule) {
  // Sorted by name: ends ascending. Sorted by another column: ends by name reversed.
  struct Case {
    TSortState before;
    bool reverse;
  };
  for (const Case& c : {Case{{0, false}, false}, Case{{0, true}, false}, Case{{1, false}, true}, Case{{3, true}, true}}) {
    TSortState sort = c.before;
    sort.AfterFill();
    EXPECT_EQ(sort.Column, 0);
    EXPECT_EQ(sort.Reverse, c.reverse) << c.before.Column << " " << c.before.Reverse;
  }
}

TEST(FileSortTest, SizeNumbers) {
  struct Case {
    std::string text;
    long long number;
  };
  for (const Case& c : {Case{" ", 0}, Case{"0 KB", 0}, Case{"1 KB", 1}, Case{"2097152 KB", 2097152},
                        Case{"8589934592 KB", 8589934592LL},  // beyond 32 bits
                        Case{"KB", 0}, Case{"", 0}})
    EXPECT_EQ(SizeNumber(c.text), c.number) << "'" << c.text << "'";
}

TEST(FileSortTest, ARowEqualsItselfOnEveryColumn) {
  for (int column = 0; column <= 4; ++column)
    for (bool reverse : {false, true})
      EXPECT_EQ(CompareRows(kRows[0], kRows[0], {column, reverse}, Upper), 0) << column;
}

}  // namespace
}  // namespace explorer
