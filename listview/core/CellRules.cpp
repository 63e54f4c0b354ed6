#include "listview/core/CellRules.h"

#include <algorithm>
#include <cctype>

namespace listview {

namespace {
bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

void EraseThrough(std::string& text, const char* part, std::size_t length) {
  if (std::size_t at = text.find(part); at != std::string::npos) text.erase(0, at + length);
}

// Vertical place of something h high in a band from top to bottom.
int AlignedTop(int top, int bottom, int h, TVAlignment alignment) {
  if (alignment == vtaCenter && bottom - top > h) return top + (bottom - top - h) / 2;
  if (alignment == vtaBottom) return bottom - h;
  return top;
}
}  // namespace

TCellKind CellKindOf(const std::string& text, bool urlShow) {
  if (text.compare(0, 2, "{\\") == 0) return TCellKind::RichText;
  if (text.compare(0, 2, "{|") == 0) return TCellKind::Progress;
  if (Contains(text, "</")) return TCellKind::Markup;
  if (urlShow && IsLinkText(text)) return TCellKind::Link;
  return TCellKind::Plain;
}

bool IsLinkText(const std::string& text) {
  return (Contains(text, "://") || Contains(text, "mailto:")) && !Contains(text, "</");
}

std::string ShownCellText(std::string text, bool urlShow, bool urlFull) {
  if (!urlShow || urlFull || Contains(text, "</")) return text;
  EraseThrough(text, "://", 3);
  EraseThrough(text, "mailto:", 7);
  return text;
}

bool OpensWithShell(const std::string& text) {
  // A quote would end the link inside the command line the shell makes for its handler.
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F || c == '"') return false;
  for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"}) {
    const std::string prefix = scheme;
    if (text.size() > prefix.size() &&
        std::equal(prefix.begin(), prefix.end(), text.begin(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
      return true;
  }
  return false;
}

unsigned VAlignFlag(TVAlignment alignment) {
  constexpr unsigned dtTop = 0, dtVCenter = 4, dtBottom = 8;
  return alignment == vtaCenter ? dtVCenter : alignment == vtaBottom ? dtBottom : dtTop;
}

unsigned CellTextFlags(const std::string& text, bool wordWrap, TVAlignment vertical, TextAlign horizontal) {
  constexpr unsigned dtCenter = 1, dtRight = 2, dtWordBreak = 0x10, dtSingleLine = 0x20, dtExpandTabs = 0x40,
                     dtNoPrefix = 0x800, dtEditControl = 0x2000, dtEndEllipsis = 0x8000;
  unsigned flags = dtNoPrefix | dtExpandTabs | dtEditControl | (wordWrap ? dtWordBreak : dtSingleLine);
  if (!Contains(text, "\r")) flags |= dtEndEllipsis;
  flags |= VAlignFlag(vertical);
  if (horizontal == TextAlign::Right) flags |= dtRight;
  if (horizontal == TextAlign::Center) flags |= dtCenter;
  return flags;
}

TCellLayout LayOutCell(const TCellLayoutInput& in) {
  TCellLayout out;
  TRect content = in.Cell;
  if (in.CheckBox) {
    const bool glyphs = in.GlyphWidth > 0 && in.GlyphHeight > 0;
    const int w = glyphs ? in.GlyphWidth : 14, h = glyphs ? in.GlyphHeight : 14;
    const int top = AlignedTop(in.Cell.Top, in.Cell.Bottom, h, in.VAlign);
    out.CheckBox = {in.Cell.Left + 2, top, in.Cell.Left + 2 + w, top + h};
    content.Left += glyphs ? w + 4 : 18;
  }
  if (in.Image) {
    out.ImageX = in.Cell.Left + (in.CheckBox ? 18 : 2);
    out.ImageY = AlignedTop(in.Cell.Top, in.Cell.Bottom, in.ImageHeight, in.VAlign);
    if (in.ImageHeight >= in.Cell.Height()) out.ImageY = in.Cell.Top;
    content.Left += in.ImageWidth + 2;
  }
  out.Content = content;
  out.Text = content;
  out.Text.Left += 16 * in.Indent;
  return out;
}

bool CellDrawnSelected(bool rowSelected, bool cellSelection, bool rowSelect, int position, int currentPosition) {
  if (!rowSelected) return false;
  return (cellSelection && position == currentPosition) || rowSelect || (position == 0 && !cellSelection);
}

int MovedCurrentColumn(int column, int step, int columnCount) {
  if (step < 0 && column > 0) return column - 1;
  if (step > 0 && column + 1 < columnCount) return column + 1;
  return column;
}

TRect EditorRect(TRect cell, int column, bool smallImages, int imageIndex, int imageWidth) {
  if (column == 0) cell.Left -= smallImages && imageIndex < 0 ? imageWidth : 2;
  return cell;
}

bool CellHintShows(int columnWidth, int textWidth) { return columnWidth < textWidth + 4; }

std::optional<int> ScrollHintRow(int thumb, int rowCount) {
  if (thumb < 0 || thumb >= rowCount) return std::nullopt;
  return thumb;
}

}  // namespace listview
