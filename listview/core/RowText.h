#pragma once
// Rows as texts: a row's cells (the caption first, then the sub-items), rows as the clipboard
// carries them (cells split by tabs, rows ended by a carriage return and line feed), and where
// a moved row lands.
#include <optional>
#include <string>
#include <vector>

namespace listview {

using TRowCells = std::vector<std::string>;

// Column 0 (or less) is the caption; a column past the row's cells reads as empty.
std::string CellOfRow(const TRowCells& row, int column);

// The empty sub-items a row of subItemCount sub-items gets before column can be written.
int SubItemsToPad(int subItemCount, int column);

std::string RowsToText(const std::vector<TRowCells>& rows);

// Rows end at a carriage return, whose line feed is skipped; a text after the last carriage
// return is a last row too. An empty text has no rows.
std::vector<TRowCells> RowsOfText(const std::string& text);

// The index a row moved from `from` onto row `to` ends at (-1: below the last row) in a list of
// count rows; none when nothing moves.
std::optional<int> MovedRowIndex(int from, int to, int count);

}  // namespace listview
