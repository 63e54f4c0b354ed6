// The tags of the mark-up other than anchors and images: styles, colours, paragraphs, lists,
// rules and rotated text. Tags do not nest: a closing tag goes back to the base font or to
// one saved value, whatever was opened in between.
#include "listview/core/HTMLLayout.h"

#include "listview/core/HTMLText.h"

namespace listview {

namespace {

constexpr int kListIndent = 12;

bool Begins(const std::string& upper, const char* prefix) { return upper.rfind(prefix, 0) == 0; }

// SIZE reads unquoted too: 1 to 5 are the classic steps, any other number is points.
int FontSizeOf(const std::string& attributes) {
  const int at = PosNoCase("SIZE", attributes);
  const std::size_t equals = attributes.find('=', at - 1);
  if (equals == std::string::npos) return -1;
  std::size_t from = attributes.find_first_not_of(' ', equals + 1);
  if (from != std::string::npos && attributes[from] == '"') ++from;
  const int n = IntOfText(from == std::string::npos ? "" : attributes.substr(from));
  static const int steps[] = {8, 10, 12, 14, 16};
  return n >= 1 && n <= 5 ? steps[n - 1] : n;
}

}  // namespace

TColor THTMLLayout::ColorValue(const std::string& value) {
  if (value.empty()) return clNone;
  return value[0] == '#' ? ColorFromHex(value) : ColorFromName(LowerCase(value));
}

void THTMLLayout::OpenTag(TPass& p, const std::string& tag) {
  const std::string up = UpperCase(tag.substr(0, 5));
  THTMLFont& font = p.Font;
  switch (up[1]) {
    case 'A': OpenAnchor(p, tag); break;
    case 'B':
      if (Begins(up, "<B>")) font.Bold = true;
      else if (Begins(up, "<BL")) {
        if (!P.BlinkVisible) font.Color = FEntryBrush;
      } else if (Begins(up, "<BO")) BodyTag(p, tag);
      else if (Begins(up, "<BR")) {
        p.Done = true;
        O.PlainText += '\r';
      }
      break;
    case 'E':
      if (p.Painting) FErrorMark = true;
      return;
    case 'F':
      if (tag.find('>') != std::string::npos) FontTag(p, tag);
      break;
    case 'H':
      if (Begins(up, "<HI") && p.Painting) {
        FHighlightText = font.Color;
        FHighlightBack = C.BrushColor();
        C.SetBrushColor(clHighlight);
        font.Color = clHighlightText;
      } else if (Begins(up, "<HR")) {
        RuleTag(p);
      }
      break;
    case 'I':
      if (Begins(up, "<I>")) font.Italic = true;
      else if (Begins(up, "<IN")) IndentTag(p, tag);
      else if (Begins(up, "<IM")) ImageTag(p, tag);
      break;
    case 'L': ListItemTag(p); break;
    case 'P':
      if (tag.find('>') != std::string::npos) ParagraphTag(p, tag);
      return;
    case 'R': RotateTag(tag); return;
    case 'S':
      if (Begins(up, "<S>")) font.StrikeOut = true;
      else if (Begins(up, "<SH")) FShadow = true;
      else if (Begins(up, "<SUB>")) FSubscript = true;
      else if (Begins(up, "<SUP>")) FSuperscript = true;
      break;
    case 'U':
      if (Begins(up, "<U>")) {
        font.Underline = true;
      } else {
        ++FListLevel;
        p.Done = true;
      }
      break;
    case 'Z': FHidden = true; return;
    default: return;
  }
  ApplyFont(p);
}

void THTMLLayout::CloseTag(TPass& p, const std::string& tag) {
  const std::string up = UpperCase(tag.substr(0, 5));
  THTMLFont& font = p.Font;
  switch (up[2]) {
    case 'A': CloseAnchor(p); break;
    case 'B':
      if (Begins(up, "</B>")) font.Bold = false;
      else font.Color = FBase.Color;
      break;
    case 'E':
      if (p.Painting) FErrorMark = false;
      return;
    case 'F':
      font.Name = FBase.Name;
      font.Size = FBase.Size;
      if (p.Painting && !P.Selected) {
        font.Color = FBase.Color;
        C.SetBrushColor(FFontBack);
      }
      break;
    case 'H':
      if (p.Painting) {
        font.Color = FHighlightText;
        C.SetBrushColor(FHighlightBack);
      }
      break;
    case 'I': font.Italic = false; break;
    case 'L': p.Done = true; return;
    case 'P':
      p.Done = true;
      if (p.Painting) {
        C.SetBrushColor(FParagraphSaved);
        FParagraphBack = false;
      }
      return;
    case 'R': CloseRotatedFont(); return;
    case 'S':
      if (Begins(up, "</SU")) FSubscript = FSuperscript = false;
      else if (Begins(up, "</SH")) FShadow = false;
      else font.StrikeOut = false;
      break;
    case 'U':
      if (Begins(up, "</U>") || FListLevel == 0) font.Underline = false;
      else --FListLevel;
      break;
    case 'Z': FHidden = false; return;
    default: return;
  }
  ApplyFont(p);
}

void THTMLLayout::FontTag(TPass& p, const std::string& tag) {
  const std::string attributes = UpperCase(TagAttributes(tag, 6));
  THTMLFont& font = p.Font;
  if (PosNoCase("FACE", attributes)) font.Name = AttributeValue(attributes, "FACE");
  if (PosNoCase(" COLOR", attributes) && !P.Selected)
    font.Color = ColorValue(AttributeValue(attributes, " COLOR"));
  if (PosNoCase("BGCOLOR", attributes) && p.Painting && !P.Selected) {
    FFontBack = C.BrushColor();
    C.SetBrushColor(ColorValue(AttributeValue(attributes, "BGCOLOR")));
  }
  if (PosNoCase("SIZE", attributes)) font.Size = FontSizeOf(attributes);
}

void THTMLLayout::BodyTag(TPass& p, const std::string& tag) {
  if (!p.Painting || P.Selected) return;
  const std::string attributes = UpperCase(TagAttributes(tag, 1));
  const bool from = PosNoCase("BGCOLOR", attributes) > 0;
  const bool to = PosNoCase("BGCOLORTO", attributes) > 0;
  const TColor color = ColorValue(AttributeValue(attributes, "BGCOLOR"));
  if (from && !to) {
    FFontBack = C.BrushColor();
    C.SetPenColor(color);
    C.SetBrushColor(color);
    C.Rectangle({P.Rect.Left - 2, P.Rect.Top, P.Rect.Right, P.Rect.Bottom});
  } else if (from) {
    const std::string direction = AttributeValue(attributes, "DIR");
    C.FillGradient(color, ColorValue(AttributeValue(attributes, "BGCOLORTO")),
                   direction.empty() || direction == "H", P.Rect);
    C.SetBrushColor(clNone);
  }
  if (PosNoCase("BACKGROUND", attributes))
    TileBackground(AttributeValue(attributes, "BACKGROUND"));
}

void THTMLLayout::ParagraphTag(TPass& p, const std::string& tag) {
  const std::string attributes = UpperCase(TagAttributes(tag, 3));
  const std::string align = AttributeValue(attributes, "ALIGN");
  if (align.find("RIGHT") != std::string::npos) FAlign = THTMLAlign::Right;
  if (align.find("LEFT") != std::string::npos) FAlign = THTMLAlign::Left;
  if (align.find("CENTER") != std::string::npos) FAlign = THTMLAlign::Center;
  if (PosNoCase("INDENT", attributes)) FIndent = IntOfText(AttributeValue(attributes, "INDENT"));
  if (!p.Painting || !PosNoCase("BGCOLOR", attributes)) return;
  FParagraphBack = true;
  const TColor color = ColorValue(AttributeValue(attributes, "BGCOLOR"));
  if (PosNoCase("BGCOLORTO", attributes)) {
    C.FillGradient(color, ColorValue(AttributeValue(attributes, "BGCOLORTO")), true,
                   {P.Rect.Left, p.LineRect.Top, P.Rect.Right, p.LineRect.Bottom + 2});
    C.SetBrushColor(clNone);
  } else {
    FParagraphSaved = C.BrushColor();
    C.SetBrushColor(color);
    C.SetPenColor(color);
    C.Rectangle({P.Rect.Left, p.LineRect.Top, P.Rect.Right, p.LineRect.Bottom});
  }
}

// Each item is indented by its level; a second item in one pass starts the next line.
void THTMLLayout::ListItemTag(TPass& p) {
  p.Line.Width += FListLevel * kListIndent;
  if (p.ListItemSeen) {
    p.Stopped = true;
    return;
  }
  p.ListItemSeen = true;
  p.Run.Left += (FListLevel - 1) * kListIndent;
  if (p.Painting && !FHidden) {
    THTMLFont bullet = p.Font;
    bullet.Name = "Symbol";
    C.SetFont(bullet);
    TRect r = p.Run;
    C.DrawText(FListLevel % 2 ? "\xB7" : "o", r, 0);
  }
  p.Run.Left += kListIndent;
}

void THTMLLayout::IndentTag(TPass& p, const std::string& tag) {
  const std::string value = AttributeValue(tag.substr(2), "x");
  if (!IsIntText(value)) return;
  const int x = IntOfText(value);
  if (p.Line.Width < x) {
    p.Line.Width = x;
    p.Run.Left = P.Rect.Left + x;
  }
}

void THTMLLayout::RuleTag(TPass& p) {
  p.Done = true;
  if (!p.Painting) return;
  const TColor pen = C.PenColor();
  C.SetPenColor(clBlack);
  C.MoveTo(p.LineRect.Left, p.Run.Bottom + 1);
  C.LineTo(p.LineRect.Right, p.Run.Bottom + 1);
  C.SetPenColor(pen);
}

// One rotated font at a time: the one still open is closed first, and at the end of the call.
void THTMLLayout::RotateTag(const std::string& tag) {
  CloseRotatedFont();
  C.OpenRotatedFont(IntOfText(AttributeValue(tag.substr(2), "a")) * 10);
  FRotated = true;
}

void THTMLLayout::CloseRotatedFont() {
  if (!FRotated) return;
  C.CloseRotatedFont();
  FRotated = false;
}

}  // namespace listview
