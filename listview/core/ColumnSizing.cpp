#include "listview/core/ColumnSizing.h"

#include <numeric>

namespace listview {

std::optional<int> StretchedLastColumnWidth(const std::vector<int>& widths, int clientWidth) {
  if (widths.empty()) return std::nullopt;
  if (widths.size() == 1) return clientWidth;
  const int rest = clientWidth - std::accumulate(widths.begin(), widths.end() - 1, 0);
  if (rest <= 0) return std::nullopt;
  return rest - 1;
}

std::vector<std::pair<std::string, int>> SavedColumnWidths(const std::vector<int>& widths) {
  std::vector<std::pair<std::string, int>> saved;
  for (size_t n = 0; n < widths.size(); ++n) saved.emplace_back("col" + std::to_string(n), widths[n]);
  return saved;
}

int DragScrollLines(int y, int clientTop, int clientBottom, int itemHeight, int headerHeight) {
  const bool up = y < clientTop + itemHeight + headerHeight;
  const bool down = y > clientBottom - itemHeight;
  return (down ? 1 : 0) - (up ? 1 : 0);
}

}  // namespace listview
