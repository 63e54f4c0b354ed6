#pragma once
// The rules of owner-drawn cells: which kind a text is, how links show and open, the text
// flags, where check box, image and text go in a cell, which cells look selected, where the
// current cell may move, and when a hint shows.
#include <optional>
#include <string>

#include "listview/core/Geometry.h"
#include "listview/core/HeaderRules.h"

namespace listview {

enum TVAlignment { vtaCenter, vtaTop, vtaBottom };

// Tested in this order: rich text begins with "{\", progress with "{|", mark-up holds "</",
// a link (only while links are shown) holds "://" or "mailto:".
enum class TCellKind { RichText, Progress, Markup, Link, Plain };
TCellKind CellKindOf(const std::string& text, bool urlShow);

// A plain text holding "://" or "mailto:": drawn and handled as a link while links are shown.
bool IsLinkText(const std::string& text);

// The text a cell shows: unless links are shown in full, a plain text loses everything up to
// its first "://", then everything up to its first "mailto:".
std::string ShownCellText(std::string text, bool urlShow, bool urlFull);

// Only web and mail links are handed to the shell to open: a text that begins with "http://",
// "https://", "ftp://" or "mailto:" (in any case) and goes on after it, with no quote or
// control character. A "file://" link, which could name a program, is never run.
bool OpensWithShell(const std::string& text);

// The platform's DrawText flags of plain and link cells.
unsigned VAlignFlag(TVAlignment alignment);
unsigned CellTextFlags(const std::string& text, bool wordWrap, TVAlignment vertical, TextAlign horizontal);

// Where the parts of one cell go. The check box stands in the first displayed column; glyph
// sizes of 0 draw the platform's 14 x 14 box instead of the glyphs.
struct TCellLayoutInput {
  TRect Cell;              // the column's part of the row
  bool CheckBox = false;   // check boxes are on and this is the first displayed column
  int GlyphWidth = 0, GlyphHeight = 0;
  bool Image = false;
  int ImageWidth = 0, ImageHeight = 0;
  int Indent = 0;          // the item's indent, first displayed column only
  TVAlignment VAlign = vtaCenter;
};
struct TCellLayout {
  TRect CheckBox;          // the box or glyph, when there is one
  int ImageX = 0, ImageY = 0;
  TRect Content;           // what rich-text and progress cells fill
  TRect Text;              // where plain text and mark-up go
};
TCellLayout LayOutCell(const TCellLayoutInput& in);

// A cell in the selection colours: on a selected row, the current cell's position in cell-wise
// selection, every cell under row selection, else the first displayed column.
bool CellDrawnSelected(bool rowSelected, bool cellSelection, bool rowSelect, int position, int currentPosition);

// The current cell moved by Left (-1) or Right (+1); it stops at the first and last column.
int MovedCurrentColumn(int column, int step, int columnCount);

// The editor's rectangle on a cell: the caption's editor starts 2 pixels further left, or by
// the image width when the list has images but the row none.
TRect EditorRect(TRect cell, int column, bool smallImages, int imageIndex, int imageWidth);

// A cell's hint shows only when its text (plus 4 pixels) is wider than the column.
bool CellHintShows(int columnWidth, int textWidth);

// The row whose caption the scroll hint shows at a thumb position; none past the last row.
std::optional<int> ScrollHintRow(int thumb, int rowCount);

}  // namespace listview
