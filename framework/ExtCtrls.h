// Panels, bevels, images, splitters and the labelled edit.
#pragma once
#include <memory>

#include "framework/StdCtrls.h"

// A container that paints its bevels and a caption.
class TCustomPanel : public TCustomControl {
public:
  explicit TCustomPanel(TComponent* AOwner);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a) { FAlignment = a; Invalidate(); }
  void WndProc(TMessage& m) override;
protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) override;
private:
  void BordersChanged();
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
};

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

// A sunken or raised box, frame or line.
class TBevel : public TGraphicControl {
public:
  explicit TBevel(TComponent* AOwner);
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape s) { FShape = s; Invalidate(); }
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle s) { FStyle = s; Invalidate(); }
protected:
  void Paint() override;
private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

// Shows a picture. Canvas() draws on the picture's bitmap (made at the control's size when
// the picture is empty).
class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* p) { FPicture->Assign(p); }
  TCanvas* Canvas();
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v) { FStretch = v; Invalidate(); }
  bool Center() const { return FCenter; }
  void SetCenter(bool v) { FCenter = v; Invalidate(); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { FAutoSize = v; PictureChanged(); }
protected:
  void Paint() override;
private:
  void PictureChanged();
  TRect DestRect() const;
  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
  bool FAutoSize = false;
};

// Dragging it resizes the control aligned on the same side just before it.
class TSplitter : public TGraphicControl {
public:
  explicit TSplitter(TComponent* AOwner);
  int MinSize() const { return FMinSize; }
  void SetMinSize(int v) { FMinSize = v; }
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool v) { FBeveled = v; Invalidate(); }
  TNotifyEvent OnMoved;
  void Loaded() override;
protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
private:
  bool Vertical() const { return Align() == alLeft || Align() == alRight; }
  void UpdateCursor();
  // The sibling whose edge touches the splitter on its aligned side.
  TControl* FindResizedControl() const;
  int MousePos() const;   // cursor position along the splitter's axis, in screen pixels
  TControl* FControl = nullptr;
  int FDownPos = 0;
  int FDownSize = 0;
  int FMinSize = 30;
  bool FBeveled = false;
};

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

// An edit with a label that follows it (the label keeps its place when its text changes).
class TLabeledEdit : public TCustomEdit {
public:
  explicit TLabeledEdit(TComponent* AOwner);
  TLabel* EditLabel() const;
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition p) { FLabelPosition = p; PlaceLabel(); }
  int LabelSpacing() const { return FLabelSpacing; }
  void SetLabelSpacing(int s) { FLabelSpacing = s; PlaceLabel(); }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;
  void Notification(TComponent* c, TOperation op) override;
private:
  class TBoundLabel;
  void PlaceLabel();
  TBoundLabel* FLabel;
  TLabelPosition FLabelPosition = lpAbove;
  int FLabelSpacing = 3;
};
