#pragma once
// The owner-drawn column header's rules: which notifications mean what, item formats, and
// where each part of an item is drawn.
#include <string>

#include "listview/core/Colors.h"
#include "listview/core/Geometry.h"

namespace listview {

// Header item format bits and notification codes, as the platform numbers them.
constexpr int kHdfImage = 0x0800;
constexpr int kHdfString = 0x4000;
constexpr int kHdfOwnerDraw = 0x8000;

// What a header notification means, whichever character set it came in: the platform's list
// sends the wide forms even to a list that answers in ANSI.
enum class HeaderNotice {
  None, ItemChanged, DividerDblClick, BeginTrack, EndTrack, FilterChange, FilterBtnClick, RightClick
};
HeaderNotice HeaderNoticeOf(int code);

// The format a header item gets: exactly owner-draw when the header is owner-drawn; otherwise
// the present format with a text, and with an image only on the sorted column of a sorting
// list with header images.
int HeaderItemFormat(int present, bool ownerDrawn, bool headerImages, bool sortShow, bool sortColumn);

enum class CaptionKind { Markup, MultiLine, SingleLine };
// Mark-up when the caption holds "</", several lines when it holds a carriage return.
CaptionKind CaptionKindOf(const std::string& caption);

enum class TextAlign { Left, Right, Center };
enum TSortIndicator { siLeft, siRight };
enum TSortDirection { sdAscending, sdDescending };

// Where an owner-drawn header item goes. The canvas draws; Caption returns the width used.
class HeaderCanvas {
public:
  virtual ~HeaderCanvas() = default;
  virtual void Fill(const TRect& r, TColor color) = 0;
  virtual void Line(int x1, int y1, int x2, int y2, TColor color) = 0;
  virtual void HeaderImage(int index, int x, int y) = 0;
  // The sort glyph bitmaps: the up glyph marks a descending sort.
  virtual void SortGlyph(bool up, int x, int y) = 0;
  virtual int Caption(const std::string& text, CaptionKind kind, TextAlign align, const TRect& r) = 0;
};

// What the list knows when its header asks for one item to be drawn.
struct HeaderLook {
  int ColumnCount = 0;
  int RightmostItem = -1;         // the item shown last, whose strip reaches the control's edge
  TColor Color = clNone;          // clNone: the button face colour
  int ControlWidth = 0;
  int HeaderHeight = 13;
  bool HeaderImages = false;
  int HeaderImageHeight = 0;
  bool SortShow = false;
  int SortColumn = -2;            // -2: none
  TSortIndicator SortIndicator = siLeft;
  TSortDirection SortDirection = sdAscending;
  bool SortGlyphs = false;        // both glyph bitmaps hold a picture
  int SortGlyphHeight = 0;
};

struct HeaderColumn {
  std::string Caption;
  TextAlign Align = TextAlign::Left;
  int ImageIndex = -1;
};

// Draws header item id, which is column id wherever the user has dragged it, in r: the fill,
// a grey divider at the right edge, for the item shown last the strip on to the control's
// width, then image, caption and sort mark.
void DrawHeaderItem(HeaderCanvas& canvas, const HeaderLook& look, int id, const HeaderColumn& column,
                    TRect r);

// The area right of the last header item that takes the header colour: from the item's
// right edge less its 2-pixel margin to the control's width, inside the 1-pixel margins.
TRect TrailingHeaderStrip(const TRect& lastItem, int controlWidth);

}  // namespace listview
