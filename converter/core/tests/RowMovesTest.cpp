#include "converter/core/RowMoves.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>

namespace converter {
namespace {

// Five rows, with the selection given by row number; the rows' order after a move, and which
// places are selected then.
struct Moves {
  explicit Moves(std::vector<int> selectedRows) : selected(5) {
    std::iota(order.begin(), order.end(), 0);
    for (int row : selectedRows) selected[row] = true;
  }
  SwapRows Swap() {
    return [this](int a, int b) { std::swap(order[a], order[b]); };
  }
  std::vector<int> Selected() const {
    std::vector<int> places;
    for (int i = 0; i < static_cast<int>(selected.size()); ++i)
      if (selected[i]) places.push_back(i);
    return places;
  }
  std::vector<int> order = std::vector<int>(5);
  std::vector<bool> selected;
};

using Order = std::vector<int>;

TEST(MoveSelectedUpTest, MovesABlockUpOnePlaceWithItsSelection) {
  Moves m({2, 3});
  MoveSelectedUp(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{0, 2, 3, 1, 4}));
  EXPECT_EQ(m.Selected(), (Order{1, 2}));
}

TEST(MoveSelectedUpTest, ASelectedFirstRowStaysAndLosesItsSelectionToTheRowBelow) {
  Moves m({0, 1});
  MoveSelectedUp(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{1, 0, 2, 3, 4}));
  EXPECT_EQ(m.Selected(), (Order{0}));
}

TEST(MoveSelectedUpTest, ALoneSelectedFirstRowStays) {
  Moves m({0, 3});
  MoveSelectedUp(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{0, 1, 3, 2, 4}));
  EXPECT_EQ(m.Selected(), (Order{0, 2}));
}

TEST(MoveSelectedDownTest, MovesABlockDownOnePlaceWithItsSelection) {
  Moves m({1, 2});
  MoveSelectedDown(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{0, 3, 1, 2, 4}));
  EXPECT_EQ(m.Selected(), (Order{2, 3}));
}

TEST(MoveSelectedDownTest, ASelectedLastRowStaysAndLosesItsSelectionToTheRowAbove) {
  Moves m({3, 4});
  MoveSelectedDown(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{0, 1, 2, 4, 3}));
  EXPECT_EQ(m.Selected(), (Order{4}));
}

TEST(RowMovesTest, NoSelectionMovesNothing) {
  Moves m({});
  MoveSelectedUp(m.selected, m.Swap());
  MoveSelectedDown(m.selected, m.Swap());
  EXPECT_EQ(m.order, (Order{0, 1, 2, 3, 4}));
  std::vector<bool> empty;
  MoveSelectedUp(empty, m.Swap());
  MoveSelectedDown(empty, m.Swap());
}

}  // namespace
}  // namespace converter
