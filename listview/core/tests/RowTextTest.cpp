#include "listview/core/RowText.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

TEST(RowTextTest, CopiedRowsPasteBackAsTheSameRows) {
  const std::vector<TRowCells> rows{{"a", "b", "c"}, {"d", "", "f"}};
  EXPECT_EQ(RowsToText(rows), "a\tb\tc\r\nd\t\tf\r\n");
  EXPECT_EQ(RowsOfText(RowsToText(rows)), rows);
}

TEST(RowsOfTextTest, CarriageReturnsEndRowsAndATailIsALastRow) {
  struct Case { const char* text; std::vector<TRowCells> rows; const char* note; };
  for (const Case& c : {
           Case{"", {}, "nothing"},
           Case{"a\tb", {{"a", "b"}}, "no carriage return: the tail is a row"},
           Case{"a\r\nb\tc", {{"a"}, {"b", "c"}}, "tail after the last row"},
           Case{"a\rb\r", {{"a"}, {"b"}}, "a lone carriage return loses no character"},
           Case{"\r\n", {{""}}, "one empty row"},
           Case{"1\t2\t3\t4\t5\r\n", {{"1", "2", "3", "4", "5"}}, "five cells"},
       })
    EXPECT_EQ(RowsOfText(c.text), c.rows) << c.note;
}

TEST(CellOfRowTest, CaptionSubItemsAndCellsThatDoNotExist) {
  const TRowCells row{"cap", "one"};
  EXPECT_EQ(CellOfRow(row, -1), "cap");
  EXPECT_EQ(CellOfRow(row, 0), "cap");
  EXPECT_EQ(CellOfRow(row, 1), "one");
  EXPECT_EQ(CellOfRow(row, 2), "");
  EXPECT_EQ(CellOfRow({}, 0), "");
}

TEST(SubItemsToPadTest, EmptySubItemsUpToTheWrittenColumn) {
  struct Case { int count, column, pad; };
  for (const Case& c : {Case{0, 3, 3}, Case{2, 3, 1}, Case{3, 3, 0}, Case{5, 3, 0}, Case{0, 0, 0}})
    EXPECT_EQ(SubItemsToPad(c.count, c.column), c.pad) << c.count << " " << c.column;
}

TEST(MovedRowIndexTest, OntoARowOrBelowTheLast) {
  struct Case { int from, to, count; std::optional<int> index; };
  for (const Case& c : {
           Case{0, 3, 5, 3}, Case{4, 0, 5, 0}, Case{1, -1, 5, 4}, Case{4, -1, 5, 4},
           Case{2, 2, 5, std::nullopt}, Case{-1, 2, 5, std::nullopt}, Case{5, 0, 5, std::nullopt},
       })
    EXPECT_EQ(MovedRowIndex(c.from, c.to, c.count), c.index) << c.from << "->" << c.to;
}

}  // namespace
}  // namespace listview
