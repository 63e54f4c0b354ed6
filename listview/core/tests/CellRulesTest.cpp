#include "listview/core/CellRules.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

void PrintTo(const TRect& r, std::ostream* os) { *os << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom; }

TEST(CellKindOfTest, RichTextProgressMarkupLinkPlainInThatOrder) {
  struct Case { const char* text; bool urlShow; TCellKind kind; };
  for (const Case& c : {
           Case{"{\\rtf1 a</b>", true, TCellKind::RichText},   // rich text before mark-up
           Case{"{|40", true, TCellKind::Progress},
           Case{"<a href=\"http://x\">x</a>", true, TCellKind::Markup},   // mark-up before link
           Case{"http://example.org", true, TCellKind::Link},
           Case{"mailto:me@example.org", true, TCellKind::Link},
           Case{"http://example.org", false, TCellKind::Plain},
           Case{" {|40", true, TCellKind::Plain},
       })
    EXPECT_EQ(CellKindOf(c.text, c.urlShow), c.kind) << c.text;
}

TEST(ShownCellTextTest, LinksLoseTheirSchemeUnlessShownInFull) {
  struct Case { const char* text; bool urlShow, urlFull; const char* shown; };
  for (const Case& c : {
           Case{"http://example.org/a://b", true, false, "example.org/a://b"},   // the first "://" only
           Case{"mailto:me@example.org", true, false, "me@example.org"},
           Case{"see mailto:me", true, false, "me"},
           Case{"http://example.org", true, true, "http://example.org"},
           Case{"http://example.org", false, false, "http://example.org"},
           Case{"<b>http://x</b>", true, false, "<b>http://x</b>"},
       })
    EXPECT_EQ(ShownCellText(c.text, c.urlShow, c.urlFull), c.shown) << c.text;
}

TEST(OpensWithShellTest, OnlyWebAndMailLinks) {
  struct Case { const char* text; bool opens; };
  for (const Case& c : {
           Case{"http://example.org", true}, Case{"https://example.org/a?b=c", true},
           Case{"ftp://example.org/pub", true}, Case{"mailto:me@example.org", true},
           Case{"HTTP://EXAMPLE.ORG", true},        // schemes in any case
           Case{"file://C:/tools/recorder.exe", false},   // a program would run
           Case{"file:///C:/a.txt", false}, Case{"svn+ssh://host/repo", false}, Case{"javascript://x", false},
           Case{"see http://example.org", false},   // merely contains a link
           Case{"http://", false},                  // nothing after the scheme
           Case{"http://x\" --new-window c:\\a.exe", false},   // a quote ends the link early
           Case{"http://x\r\nfile://y", false},
           Case{"://example.org", false}, Case{"x mailto:me", false}, Case{"", false},
       })
    EXPECT_EQ(OpensWithShell(c.text), c.opens) << c.text;
}

TEST(CellTextFlagsTest, WrapEllipsisAndAlignment) {
  const unsigned base = 0x800 | 0x40 | 0x2000;   // no prefix, expand tabs, edit control
  struct Case { const char* text; bool wrap; TVAlignment v; TextAlign h; unsigned flags; };
  for (const Case& c : {
           Case{"a", false, vtaCenter, TextAlign::Left, base | 0x20 | 0x8000 | 4},
           Case{"a\rb", false, vtaTop, TextAlign::Left, base | 0x20},   // no ellipsis with a line break
           Case{"a", true, vtaBottom, TextAlign::Right, base | 0x10 | 0x8000 | 8 | 2},
           Case{"a", true, vtaTop, TextAlign::Center, base | 0x10 | 0x8000 | 1},
       })
    EXPECT_EQ(CellTextFlags(c.text, c.wrap, c.v, c.h), c.flags) << c.text << " " << c.v;
}

TEST(LayOutCellTest, CheckBoxImageAndIndentOffsets) {
  struct Case { const char* note; TCellLayoutInput in; TRect box; int imageX, imageY; TRect content, text; };
  const TRect cell{100, 10, 250, 30};   // 20 high
  for (const Case& c : {
           Case{"plain", {cell}, {}, 0, 0, cell, cell},
           Case{"14 x 14 box, text 18 later", {cell, true}, {102, 13, 116, 27}, 0, 0, {118, 10, 250, 30},
                {118, 10, 250, 30}},
           Case{"box at the bottom", {cell, true, 0, 0, false, 0, 0, 0, vtaBottom}, {102, 16, 116, 30}, 0, 0,
                {118, 10, 250, 30}, {118, 10, 250, 30}},
           Case{"box at the top", {cell, true, 0, 0, false, 0, 0, 0, vtaTop}, {102, 10, 116, 24}, 0, 0,
                {118, 10, 250, 30}, {118, 10, 250, 30}},
           Case{"glyph 10 x 8", {cell, true, 10, 8}, {102, 16, 112, 24}, 0, 0, {114, 10, 250, 30}, {114, 10, 250, 30}},
           Case{"image after the box", {cell, true, 0, 0, true, 16, 16}, {102, 13, 116, 27}, 118, 12,
                {136, 10, 250, 30}, {136, 10, 250, 30}},
           Case{"image alone, bottom", {cell, false, 0, 0, true, 16, 16, 0, vtaBottom}, {}, 102, 14,
                {118, 10, 250, 30}, {118, 10, 250, 30}},
           Case{"image taller than the row", {cell, false, 0, 0, true, 16, 24, 0, vtaBottom}, {}, 102, 10,
                {118, 10, 250, 30}, {118, 10, 250, 30}},
           Case{"indent moves only the text", {cell, false, 0, 0, false, 0, 0, 2}, {}, 0, 0, cell,
                {132, 10, 250, 30}},
       }) {
    const TCellLayout out = LayOutCell(c.in);
    EXPECT_EQ(out.CheckBox, c.box) << c.note;
    EXPECT_EQ(out.ImageX, c.imageX) << c.note;
    EXPECT_EQ(out.ImageY, c.imageY) << c.note;
    EXPECT_EQ(out.Content, c.content) << c.note;
    EXPECT_EQ(out.Text, c.text) << c.note;
  }
}

TEST(CellDrawnSelectedTest, CurrentCellRowSelectOrFirstColumn) {
  struct Case { bool selected, cells, rowSelect; int position, current; bool drawn; };
  for (const Case& c : {
           Case{true, false, false, 0, 2, true}, Case{true, false, false, 1, 2, false},
           Case{true, true, false, 2, 2, true}, Case{true, true, false, 0, 2, false},
           Case{true, false, true, 3, 0, true}, Case{false, false, true, 0, 0, false},
       })
    EXPECT_EQ(CellDrawnSelected(c.selected, c.cells, c.rowSelect, c.position, c.current), c.drawn)
        << c.position << " " << c.current;
}

TEST(MovedCurrentColumnTest, StopsAtTheFirstAndLastColumn) {
  struct Case { int column, step, count, moved; };
  for (const Case& c : {Case{0, -1, 3, 0}, Case{1, -1, 3, 0}, Case{1, 1, 3, 2}, Case{2, 1, 3, 2}, Case{0, 1, 1, 0}})
    EXPECT_EQ(MovedCurrentColumn(c.column, c.step, c.count), c.moved) << c.column << " " << c.step;
}

TEST(EditorRectTest, TheCaptionEditorReachesOverTheImageGap) {
  const TRect cell{20, 5, 170, 22};
  struct Case { int column; bool images; int image; TRect rect; };
  for (const Case& c : {Case{0, false, -1, {18, 5, 170, 22}}, Case{0, true, 3, {18, 5, 170, 22}},
                        Case{0, true, -1, {4, 5, 170, 22}}, Case{1, true, -1, cell}})
    EXPECT_EQ(EditorRect(cell, c.column, c.images, c.image, 16), c.rect) << c.column << " " << c.image;
}

TEST(HintRulesTest, OnlyClippedTextsAndRowsThatExist) {
  EXPECT_TRUE(CellHintShows(100, 97));    // 97 + 4 does not fit in 100
  EXPECT_FALSE(CellHintShows(100, 96));   // exactly fits
  EXPECT_EQ(ScrollHintRow(4, 5), 4);
  EXPECT_EQ(ScrollHintRow(5, 5), std::nullopt);
  EXPECT_EQ(ScrollHintRow(0, 0), std::nullopt);
}

}  // namespace
}  // namespace listview
