// Colour mapping and the drawing tools' handles and change notices.
#include <gtest/gtest.h>

#include "framework/Graphics.h"

TEST(GraphicsColors, SystemColorsMapToTheCurrentRGB) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindow), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(ColorToRGB(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(ColorToRGB(clFuchsia), 0xFF00FFu);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorRef(clNone), 0xFFFFFFu);  // no flag bits reach GDI
  EXPECT_EQ(ColorRef(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
}

namespace {
// Counts change notices and checks the sender.
struct Notices {
  int count = 0;
  TNotifyEvent For(TObject* expected) {
    return [this, expected](TObject* sender) {
      EXPECT_EQ(sender, expected);
      ++count;
    };
  }
};

LOGFONTA FontOf(HFONT font) {
  LOGFONTA lf = {};
  GetObjectA(font, sizeof lf, &lf);
  return lf;
}
}  // namespace

TEST(GraphicsFont, EveryRealChangeNotifiesOnce) {
  TFont font;
  Notices notices;
  font.OnChange = notices.For(&font);
  font.SetName("Arial");
  font.SetSize(12);
  font.SetStyle(fsBold | fsItalic);
  font.SetColor(clRed);
  font.SetCharset(ANSI_CHARSET);
  EXPECT_EQ(notices.count, 5);
  font.SetName("Arial");
  font.SetSize(12);
  font.SetStyle(fsBold | fsItalic);
  font.SetColor(clRed);
  EXPECT_EQ(notices.count, 5);
}

TEST(GraphicsFont, HandleFollowsTheProperties) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-20);
  font.SetStyle(fsBold | fsUnderline);
  LOGFONTA lf = FontOf(font.Handle());
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_FALSE(lf.lfItalic);

  HFONT before = font.Handle();
  font.SetColor(clBlue);  // the colour belongs to the DC
  EXPECT_EQ(font.Handle(), before);
  font.SetStyle(0);
  EXPECT_EQ(FontOf(font.Handle()).lfWeight, FW_NORMAL);
}

TEST(GraphicsFont, SizeAndHeightAreTheSameMeasure) {
  TFont font;
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -MulDiv(12, TFont::PixelsPerInch(), 72));
  EXPECT_EQ(font.Size(), 12);
}

TEST(GraphicsFont, AdoptedHandleGivesItsProperties) {
  LOGFONTA lf = {};
  lf.lfHeight = -17;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = TRUE;
  lf.lfCharSet = ANSI_CHARSET;
  lstrcpyA(lf.lfFaceName, "Courier New");
  HFONT made = CreateFontIndirectA(&lf);
  TFont font;
  Notices notices;
  font.OnChange = notices.For(&font);
  font.SetHandle(made);
  EXPECT_EQ(notices.count, 1);
  EXPECT_EQ(font.Handle(), made);
  EXPECT_EQ(font.Name(), "Courier New");
  EXPECT_EQ(font.Height(), -17);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold | fsItalic));
  EXPECT_EQ(font.Charset(), ANSI_CHARSET);

  font.SetHandle(nullptr);  // not a font: nothing changes
  EXPECT_EQ(notices.count, 1);
  EXPECT_EQ(font.Handle(), made);
}

TEST(GraphicsFont, AssignCopiesAndRejectsOtherKinds) {
  TFont source, copy;
  source.SetName("Arial");
  source.SetSize(14);
  source.SetStyle(fsStrikeOut);
  source.SetColor(clNavy);
  Notices notices;
  copy.OnChange = notices.For(&copy);
  copy.Assign(&source);
  EXPECT_EQ(notices.count, 1);
  EXPECT_EQ(copy.Name(), "Arial");
  EXPECT_EQ(copy.Size(), 14);
  EXPECT_EQ(copy.Style(), TFontStyles(fsStrikeOut));
  EXPECT_EQ(copy.Color(), clNavy);
  TPen pen;
  EXPECT_THROW(copy.Assign(&pen), EConvertError);
}

TEST(GraphicsBrush, ChangesNotifyAndColourMeansSolid) {
  TBrush brush;
  Notices notices;
  brush.OnChange = notices.For(&brush);
  brush.SetStyle(bsClear);
  EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
  LOGBRUSH lb = {};
  GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, clRed);
  brush.SetStyle(bsCross);
  GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  brush.SetColor(clRed);
  EXPECT_EQ(notices.count, 3);
}

TEST(GraphicsPen, HandleFollowsColourWidthAndStyle) {
  TPen pen;
  Notices notices;
  pen.OnChange = notices.For(&pen);
  pen.SetColor(clGreen);
  pen.SetWidth(3);
  LOGPEN lp = {};
  GetObjectA(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnColor, clGreen);
  EXPECT_EQ(lp.lopnWidth.x, 3);
  HPEN before = pen.Handle();
  pen.SetMode(pmXor);  // applied by the canvas
  EXPECT_EQ(pen.Handle(), before);
  pen.SetStyle(psClear);
  GetObjectA(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_NULL));
  EXPECT_EQ(notices.count, 4);
}
