#include "listview/core/ColumnSizing.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

TEST(StretchedLastColumnWidthTest, TheLastColumnTakesWhatTheOthersLeave) {
  struct Case { const char* note; std::vector<int> widths; int client; std::optional<int> last; };
  for (const Case& c : {
           Case{"no columns", {}, 500, std::nullopt},
           Case{"one column: the client width", {50}, 200, 200},
           Case{"the rest less one pixel", {260, 90, 80}, 500, 149},
           Case{"others fill the client", {260, 90, 80}, 350, std::nullopt},
           Case{"one pixel left", {260, 90, 80}, 351, 0},
       })
    EXPECT_EQ(StretchedLastColumnWidth(c.widths, c.client), c.last) << c.note;
}

TEST(SavedColumnWidthsTest, NamesEachColumnByItsNumber) {
  using Saved = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(SavedColumnWidths({260, 90, 80}), (Saved{{"col0", 260}, {"col1", 90}, {"col2", 80}}));
  EXPECT_EQ(SavedColumnWidths({}), Saved{});
}

TEST(DragScrollLinesTest, ScrollsNearTheHeaderAndTheBottom) {
  // Client 0..200, rows 13 high, header 17: up below 30, down beyond 187.
  struct Case { int y, lines; };
  for (const Case& c : {Case{29, -1}, Case{30, 0}, Case{187, 0}, Case{188, 1}, Case{-5, -1}})
    EXPECT_EQ(DragScrollLines(c.y, 0, 200, 13, 17), c.lines) << c.y;
}

}  // namespace
}  // namespace listview
