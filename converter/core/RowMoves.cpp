#include "converter/core/RowMoves.h"

namespace converter {
namespace {

void MoveSelected(std::vector<bool>& selected, int from, int to, const SwapRows& swapRows) {
  swapRows(from, to);
  selected[to] = true;
  selected[from] = false;
}

}  // namespace

void MoveSelectedUp(std::vector<bool>& selected, const SwapRows& swapRows) {
  for (int i = 1; i < static_cast<int>(selected.size()); ++i)
    if (selected[i]) MoveSelected(selected, i, i - 1, swapRows);
}

void MoveSelectedDown(std::vector<bool>& selected, const SwapRows& swapRows) {
  for (int i = static_cast<int>(selected.size()) - 2; i >= 0; --i)
    if (selected[i]) MoveSelected(selected, i, i + 1, swapRows);
}

}  // namespace converter
