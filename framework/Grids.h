// Grids: TCustomGrid (cells painted on its own canvas, a current cell, an in-place editor),
// TDrawGrid (OnDrawCell paints) and TStringGrid (a text per cell). The platform has no grid
// control, so the grid paints itself; its in-place editors are the platform's edit box and
// drop-down list.
#pragma once
#include <string>
#include <vector>

#include "framework/StdCtrls.h"

enum TGridOptionFlag : unsigned {
  goFixedVertLine = 1u << 0, goFixedHorzLine = 1u << 1, goVertLine = 1u << 2, goHorzLine = 1u << 3,
  goDrawFocusSelected = 1u << 5, goEditing = 1u << 10, goRowSelect = 1u << 12,
  goAlwaysShowEditor = 1u << 13
};
using TGridOptions = unsigned;

enum TGridDrawStateFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

// How a cell is edited: typed text, or picked from a list.
enum TEditStyle { esSimple, esPickList };

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TCustomGrid : public TCustomControl {
public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  int ColCount() const { return (int)FColWidths.size(); }
  void SetColCount(int n);
  int RowCount() const { return (int)FRowHeights.size(); }
  void SetRowCount(int n);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int n);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int n);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int w);   // every column gets it
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int h);  // every row gets it
  int ColWidths(int c) const { return FColWidths.at(c); }
  void SetColWidths(int c, int w);
  int RowHeights(int r) const { return FRowHeights.at(r); }
  void SetRowHeights(int r, int h);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int w) { FGridLineWidth = w; LayoutChanged(); }
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions o);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor c) { FFixedColor = c; Invalidate(); }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle s);
  bool HasProperty(const std::string& name, int* value = nullptr) const override {
    return HasPropertyWithBorderStyle(name, value, FBorderStyle);
  }
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool v) { FDefaultDrawing = v; Invalidate(); }

  // The current cell.
  int Col() const { return FCol; }
  void SetCol(int c) { FocusCell(c, FRow); }
  int Row() const { return FRow; }
  void SetRow(int r) { FocusCell(FCol, r); }
  int TopRow() const { return FTopRow; }
  void SetTopRow(int r);
  int VisibleRowCount() const;
  // Where a cell is in client coordinates (empty when scrolled away); which cell is at a point.
  TRect CellRect(int c, int r) const;
  bool MouseToCell(int x, int y, int& c, int& r) const;

  // The in-place editor is shown on the current cell.
  bool EditorMode() const { return FActiveEditor != nullptr; }
  void SetEditorMode(bool v);
  // A value changed in the in-place editor is validated now (EditDone), as leaving its cell
  // does; nothing when it is unchanged.
  void FinishEdit();
  // The editor shown (edit box or drop-down list), or null.
  TWinControl* InplaceEditor() const { return FActiveEditor; }

  // Paints one cell on Canvas() (the canvas colours are set for its state).
  virtual void DrawCell(int /*ACol*/, int /*ARow*/, const TRect& /*ARect*/, TGridDrawState /*AState*/) {}

  TSelectCellEvent OnSelectCell;
  void WndProc(TMessage& m) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  virtual bool SelectCell(int ACol, int ARow);
  // Editing: what the editor shows and where its changes go.
  virtual bool CanEditShow();
  virtual bool CanEditModify(int /*ACol*/, int /*ARow*/) { return true; }
  virtual std::string GetEditText(int /*ACol*/, int /*ARow*/) { return ""; }
  virtual void SetEditText(int /*ACol*/, int /*ARow*/, const std::string& /*value*/) {}
  virtual TEditStyle GetEditStyle(int /*ACol*/, int /*ARow*/) { return esSimple; }
  virtual void GetPickList(int /*ACol*/, int /*ARow*/, TStrings* /*items*/) {}
  // The editor lost the focus to a window outside the grid, or the current cell is leaving,
  // after the user changed the cell's text.
  virtual void EditDone(int /*ACol*/, int /*ARow*/) {}
  void FocusCell(int c, int r);
  void ShowEditor();
  void HideEditor();
  void LayoutChanged();

private:
  class TInplaceEdit;
  class TInplacePickList;
  // The editor shows whenever the grid has the focus (until the program ends the edit mode).
  bool AlwaysShowEditor() const;
  void EditorChanged();
  void EditorFocusLost(HWND newFocus);
  bool ConfirmedByEnter(const TMessage& m);
  void UpdateScrollBar();
  void ScrollInView(int r);
  int MaxTopRow() const;
  void Scroll(int code);
  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  int FFixedCols = 1, FFixedRows = 1;
  int FDefaultColWidth = 64, FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TBorderStyle FBorderStyle = bsSingle;
  int FCol = 1, FRow = 1, FTopRow = 1;
  TInplaceEdit* FEdit = nullptr;
  TInplacePickList* FPickList = nullptr;
  TWinControl* FActiveEditor = nullptr;
  bool FEditorWanted = false;
  bool FLoadingEditor = false;
  bool FEditModified = false;
};

// A grid whose cells OnDrawCell paints.
class TCustomDrawGrid : public TCustomGrid {
public:
  using TCustomGrid::TCustomGrid;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  TDrawCellEvent OnDrawCell;
};

class TDrawGrid : public TCustomDrawGrid {
public:
  using TCustomDrawGrid::TCustomDrawGrid;
};

// A grid holding one text per cell.
class TStringGrid : public TDrawGrid {
public:
  explicit TStringGrid(TComponent* AOwner);
  std::string Cells(int c, int r) const;
  void SetCells(int c, int r, const std::string& s);
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
protected:
  std::string GetEditText(int ACol, int ARow) override { return Cells(ACol, ARow); }
  void SetEditText(int ACol, int ARow, const std::string& value) override { SetCells(ACol, ARow, value); }
private:
  std::vector<std::vector<std::string>> FCells;   // [row][col], grown on demand
};

// The text of a cell as the string grid and the name/value editor draw it.
void DrawCellText(TCanvas* canvas, const TRect& rect, const std::string& text);
