// The mark-up renderer's canvas over a framework canvas: text through DrawTextEx with prefix
// processing, a clear brush for transparent text, and one rotated font at a time.
#include "listview/HTMLGDI.h"

#include "listview/RichListV.h"

namespace {

RECT ToRect(const listview::TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

listview::THTMLFont THTMLGDICanvas::Font() {
  TFont* f = FCanvas->Font();
  listview::THTMLFont font;
  font.Name = f->Name();
  font.Size = f->Size();
  font.Bold = f->Style() & fsBold;
  font.Italic = f->Style() & fsItalic;
  font.Underline = f->Style() & fsUnderline;
  font.StrikeOut = f->Style() & fsStrikeOut;
  font.Color = f->Color();
  return font;
}

// Only what differs is set, so the canvas makes no new font for an unchanged one.
void THTMLGDICanvas::SetFont(const listview::THTMLFont& font) {
  TFont* f = FCanvas->Font();
  f->SetName(font.Name);
  if (f->Size() != font.Size) f->SetSize(font.Size);
  f->SetStyle((font.Bold ? fsBold : 0) | (font.Italic ? fsItalic : 0) |
              (font.Underline ? fsUnderline : 0) | (font.StrikeOut ? fsStrikeOut : 0));
  f->SetColor(font.Color);
}

listview::TColor THTMLGDICanvas::BrushColor() {
  return FCanvas->Brush()->Style() == bsClear ? clNone : FCanvas->Brush()->Color();
}

void THTMLGDICanvas::SetBrushColor(listview::TColor color) {
  if (color == clNone) FCanvas->Brush()->SetStyle(bsClear);
  else FCanvas->Brush()->SetColor(color);
}

void THTMLGDICanvas::DrawText(const std::string& text, listview::TRect& r, unsigned format) {
  RECT rect = ToRect(r);
  FCanvas->DrawTextEx(text, rect, format);
  r = {rect.left, rect.top, rect.right, rect.bottom};
}

void THTMLGDICanvas::Rectangle(const listview::TRect& r) {
  FCanvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
}

void THTMLGDICanvas::DrawFocusRect(const listview::TRect& r) {
  const RECT rect = ToRect(r);
  ::DrawFocusRect(FCanvas->Handle(), &rect);
}

void THTMLGDICanvas::FillGradient(listview::TColor from, listview::TColor to, bool horizontal,
                                  const listview::TRect& r) {
  DrawGradient(FCanvas, from, to, horizontal, ToRect(r), 64, clNone);
}

void THTMLGDICanvas::SetClipRect(const listview::TRect& r) { FCanvas->SetClipRect(ToRect(r)); }

void THTMLGDICanvas::OpenRotatedFont(int tenthsOfDegrees) {
  CloseRotatedFont();
  // Measuring selects the canvas's own font first, so the rotated one replaces that.
  FCanvas->TextHeight("gh");
  LOGFONTA lf = {};
  GetObjectA(FCanvas->Font()->Handle(), sizeof lf, &lf);
  lf.lfEscapement = lf.lfOrientation = tenthsOfDegrees;
  FRotated = CreateFontIndirectA(&lf);
  FReplaced = SelectObject(FCanvas->Handle(), FRotated);
}

void THTMLGDICanvas::CloseRotatedFont() {
  if (!FRotated) return;
  // A font change since the opening has already put the canvas's own font back.
  HDC dc = FCanvas->Handle();
  if (GetCurrentObject(dc, OBJ_FONT) == FRotated) SelectObject(dc, FReplaced);
  DeleteObject(FRotated);
  FRotated = nullptr;
}
