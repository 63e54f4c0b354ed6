// Buttons with a glyph: TBitBtn (an owner-drawn platform button) and TSpeedButton (painted on
// its parent, for tool rows). Both place glyph and caption by the same layout rules.
#pragma once
#include <memory>

#include "framework/StdCtrls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where glyph and caption go inside a button. Margin and Spacing of -1 are automatic; the
// result carries the values worked out for them.
struct TButtonGlyphLayout {
  TPoint GlyphPos;
  TRect TextRect;
  int Margin = 0;
  int Spacing = 0;
};
TButtonGlyphLayout CalcButtonLayout(const TRect& client, SIZE glyph, SIZE text,
                                    TButtonLayout layout, int margin, int spacing);

// The glyph of a button: a strip of NumGlyphs images (up, disabled, down, exclusive).
class TButtonGlyph {
public:
  TButtonGlyph();
  TBitmap* Glyph() const { return FGlyph.get(); }
  // Copies the bitmap; a strip whose width is 1 to 4 times its height sets NumGlyphs.
  void SetGlyph(TBitmap* b);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int n) { FNumGlyphs = n < 1 ? 1 : n > 4 ? 4 : n; }
  SIZE GlyphSize() const;
  // Draws glyph and caption in client; returns the layout used.
  TButtonGlyphLayout Draw(TCanvas* canvas, const TRect& client, const TPoint& offset,
                          const std::string& caption, TButtonLayout layout, int margin,
                          int spacing, TButtonState state);
private:
  void DrawGlyph(TCanvas* canvas, const TPoint& pos, TButtonState state);
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
};

// The glyph properties both buttons publish.
class TGlyphButtonProperties {
public:
  TBitmap* Glyph() const { return FButtonGlyph.Glyph(); }
  void SetGlyph(TBitmap* b) { FButtonGlyph.SetGlyph(b); GlyphChanged(); }
  int NumGlyphs() const { return FButtonGlyph.NumGlyphs(); }
  void SetNumGlyphs(int n) { FButtonGlyph.SetNumGlyphs(n); GlyphChanged(); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout l) { FLayout = l; GlyphChanged(); }
  int Margin() const { return FMargin; }
  void SetMargin(int m) { FMargin = m; GlyphChanged(); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int s) { FSpacing = s; GlyphChanged(); }
protected:
  virtual ~TGlyphButtonProperties() = default;
  virtual void GlyphChanged() = 0;
  TButtonGlyph FButtonGlyph;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp };

// A push button that shows a glyph beside its caption. A kind gives it its usual caption and
// modal result; a click on a button with a modal result ends its form's modal loop with it.
class TBitBtn : public TButton, public TGlyphButtonProperties {
public:
  explicit TBitBtn(TComponent* AOwner);
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind k);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int r) { FModalResult = r; }
  // The button Enter (Default) or Esc (Cancel) stands for on a form that looks for one.
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  void Click() override;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void GlyphChanged() override { Invalidate(); }
private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  TBitBtnKind FKind = bkCustom;
  int FModalResult = 0;
  bool FDefault = false, FCancel = false;
};

// A button without a window. Buttons with the same nonzero GroupIndex on one parent stay
// down one at a time; AllowAllUp lets the down one come up again.
class TSpeedButton : public TGraphicControl, public TGlyphButtonProperties {
public:
  explicit TSpeedButton(TComponent* AOwner);
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; Invalidate(); }
  bool Down() const { return FDown; }
  void SetDown(bool v);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int g) { FGroupIndex = g; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  void WndProc(TMessage& m) override;
protected:
  void Paint() override;
  void GlyphChanged() override { Invalidate(); }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
private:
  bool FFlat = false;
  bool FDown = false;
  bool FPressed = false;   // the left button went down here and the mouse is over the button
  bool FDragging = false;  // the left button went down here and is still held
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
};
