#pragma once
#include <functional>
#include <vector>

namespace converter {

// Exchanges two rows of the list, whole.
using SwapRows = std::function<void(int a, int b)>;

// Moves every selected row one place up, from the top down; the selection moves with it. A
// selected first row stays, and a row moved up past another selected one takes its selection
// (rows 0 and 1 selected: they swap and only the new row 0 stays selected).
void MoveSelectedUp(std::vector<bool>& selected, const SwapRows& swapRows);
// The same downwards, from the bottom up.
void MoveSelectedDown(std::vector<bool>& selected, const SwapRows& swapRows);

}  // namespace converter
