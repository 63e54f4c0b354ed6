#include "listview/core/RowText.h"

#include <algorithm>

namespace listview {

std::string CellOfRow(const TRowCells& row, int column) {
  const std::size_t i = static_cast<std::size_t>(std::max(column, 0));
  return i < row.size() ? row[i] : std::string();
}

int SubItemsToPad(int subItemCount, int column) { return std::max(column - subItemCount, 0); }

std::string RowsToText(const std::vector<TRowCells>& rows) {
  std::string text;
  for (const TRowCells& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "\t" : "") + row[i];
    text += "\r\n";
  }
  return text;
}

namespace {
TRowCells CellsOfLine(const std::string& line) {
  TRowCells cells;
  std::size_t from = 0;
  for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
    cells.push_back(line.substr(from, tab - from));
  cells.push_back(line.substr(from));
  return cells;
}
}  // namespace

std::vector<TRowCells> RowsOfText(const std::string& text) {
  std::vector<TRowCells> rows;
  std::size_t from = 0;
  for (std::size_t cr; (cr = text.find('\r', from)) != std::string::npos;) {
    rows.push_back(CellsOfLine(text.substr(from, cr - from)));
    from = cr + 1 + (cr + 1 < text.size() && text[cr + 1] == '\n');
  }
  if (from < text.size()) rows.push_back(CellsOfLine(text.substr(from)));
  return rows;
}

std::optional<int> MovedRowIndex(int from, int to, int count) {
  if (from == to || from < 0 || from >= count) return std::nullopt;
  return to < 0 || to >= count ? count - 1 : to;
}

}  // namespace listview
