#include "listview/core/HeaderRules.h"

#include <algorithm>

namespace listview {

HeaderNotice HeaderNoticeOf(int code) {
  switch (code) {
    case -301: case -321: return HeaderNotice::ItemChanged;
    case -305: case -325: return HeaderNotice::DividerDblClick;
    case -306: case -326: return HeaderNotice::BeginTrack;
    case -307: case -327: return HeaderNotice::EndTrack;
    case -312: return HeaderNotice::FilterChange;
    case -313: return HeaderNotice::FilterBtnClick;
    case -5: return HeaderNotice::RightClick;
  }
  return HeaderNotice::None;
}

int HeaderItemFormat(int present, bool ownerDrawn, bool headerImages, bool sortShow, bool sortColumn) {
  if (ownerDrawn) return kHdfOwnerDraw;
  const int format = present | kHdfString;
  return headerImages && sortShow && sortColumn ? format | kHdfImage : format & ~kHdfImage;
}

CaptionKind CaptionKindOf(const std::string& caption) {
  if (caption.find("</") != std::string::npos) return CaptionKind::Markup;
  if (caption.find('\r') != std::string::npos) return CaptionKind::MultiLine;
  return CaptionKind::SingleLine;
}

TRect TrailingHeaderStrip(const TRect& lastItem, int controlWidth) {
  return {lastItem.Right - 2, lastItem.Top + 1, controlWidth, lastItem.Bottom - 1};
}

void DrawHeaderItem(HeaderCanvas& canvas, const HeaderLook& look, int id, const HeaderColumn& column,
                    TRect r) {
  if (id >= look.ColumnCount) return;
  const TColor color = look.Color == clNone ? clBtnFace : look.Color;
  canvas.Fill(r, color);
  canvas.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clGray);
  if (id == look.RightmostItem && look.Color != clNone)
    canvas.Fill(TrailingHeaderStrip(r, look.ControlWidth), color);
  r = {r.Left + 2, r.Top + 1, r.Right - 2, r.Bottom - 1};

  if (look.HeaderImages && column.ImageIndex >= 0 && !look.SortShow) {
    canvas.HeaderImage(column.ImageIndex, r.Left, r.Top);
    r.Left += 16;
  }
  const bool sortMark = id == look.SortColumn && look.SortColumn != -2 && look.SortShow;
  const bool right = look.SortIndicator == siRight;
  if (sortMark) (right ? r.Right -= 16 : r.Left += 16);

  const CaptionKind kind = CaptionKindOf(column.Caption);
  const int used = canvas.Caption(column.Caption, kind, column.Align, r);
  if (right && kind != CaptionKind::MultiLine) r.Right = std::min(r.Left + used, r.Right);
  if (right) r.Left = r.Right;
  else r.Left -= 16;

  if (!sortMark) return;
  const bool up = look.SortDirection == sdDescending;
  auto offset = [&](int height) { return height < look.HeaderHeight ? (look.HeaderHeight - height) / 2 : 0; };
  if (look.SortGlyphs) canvas.SortGlyph(up, r.Left, r.Top + offset(look.SortGlyphHeight));
  else if (look.HeaderImages) canvas.HeaderImage(up ? 1 : 0, r.Left, r.Top + offset(look.HeaderImageHeight));
}

}  // namespace listview
