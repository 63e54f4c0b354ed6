// The renderer's state for one call: what carries from line to line, and what one pass over
// one line works with. Lines are laid out twice: a first pass that never paints measures the
// line, a second one, from the aligned position, paints it or only tests the hit point.
#pragma once

#include <string>

#include "listview/core/HTMLDrawText.h"

namespace listview {

// What a pass over one line gives back; the offsets carry from its first pass to its second.
struct THTMLLine {
  std::string Raw;  // the text the line consumed, tags included
  int Width = 0;
  int Height = 0;
  int SubOffset = 0;
  int SupOffset = 0;
  int ImageOffset = 0;  // text sits this much above the line's bottom
  bool TextHit = false;
  bool ImageHit = false;
};

enum class THTMLAlign { Left, Right, Center };

class THTMLLayout {
public:
  THTMLLayout(THTMLCanvas& canvas, const THTMLDrawParams& params, THTMLDrawOutput& output)
      : C(canvas), P(params), O(output) {}
  bool DrawHTMLText();

private:
  struct TPass {
    TRect LineRect;
    TRect Run;  // where the next run goes
    bool Painting;
    THTMLFont& Font;  // this pass's running font, always the canvas's
    THTMLLine& Line;
    std::string LineText;  // the runs laid so far, without tags
    bool Done = false;     // the line ends after what it consumed
    bool Stopped = false;  // the line ends before the current tag
    bool ListItemSeen = false;
  };

  void RenderHTMLPass(std::string& text, TRect lineRect, bool painting, THTMLFont& font,
                      THTMLLine& line);
  void LayRun(TPass& p, std::string& text, const std::string& raw, const std::string& run,
              int& trailing);
  void DrawRun(TPass& p, const std::string& run);
  void DrawErrorMark(const TRect& r);
  void TextHitTest(TPass& p, int before, int after);
  void ApplyFont(TPass& p) { C.SetFont(p.Font); }
  unsigned TextFormat() const;

  void OpenTag(TPass& p, const std::string& tag);
  void CloseTag(TPass& p, const std::string& tag);
  void FontTag(TPass& p, const std::string& tag);
  void BodyTag(TPass& p, const std::string& tag);
  void ParagraphTag(TPass& p, const std::string& tag);
  void ListItemTag(TPass& p);
  void IndentTag(TPass& p, const std::string& tag);
  void RuleTag(TPass& p);
  void RotateTag(const std::string& tag);
  void CloseRotatedFont();
  void OpenAnchor(TPass& p, const std::string& tag);
  void CloseAnchor(TPass& p);
  void EndFocusedLine(TPass& p);
  void ImageTag(TPass& p, const std::string& tag);
  TSize PlaceImage(TPass& p, std::string source, int width, int height);
  THTMLImageSource* PictureOf(const std::string& source);
  void TileBackground(const std::string& source);
  TColor ColorValue(const std::string& value);
  bool FocusedAnchorOpen() const { return FInAnchor && FAnchors - 1 == P.FocusAnchorIndex; }

  THTMLCanvas& C;
  const THTMLDrawParams& P;
  THTMLDrawOutput& O;

  TRect FLine;
  THTMLAlign FAlign = THTMLAlign::Left;
  int FIndent = 0;
  int FListLevel = 0;
  int FAnchors = 0;
  int FImages = 0;
  int FHoverImage = -1;
  bool FParagraphBack = false;
  bool FShadow = false;
  bool FHidden = false;
  bool FSubscript = false;
  bool FSuperscript = false;
  bool FErrorMark = false;
  bool FInAnchor = false;
  bool FHitPending = false;
  bool FRotated = false;
  TColor FFontBack = clNone;       // background before a FONT or BODY background
  TColor FParagraphSaved = clNone;  // background before a paragraph background
  TColor FHighlightBack = clNone;
  TColor FHighlightText = clNone;
  TColor FHoverBackSaved = clNone;
  TColor FHoverTextSaved = clNone;
  TColor FEntryBrush = clNone;
  std::string FAnchorTarget;
  TRect FHitRect;
  TRect FFocus;
  THTMLFont FBase;
  THTMLFont FMeasureFont;
  THTMLFont FPaintFont;
};

}  // namespace listview
