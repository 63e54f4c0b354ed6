#pragma once
// TRichListView: the framework's list view with an owner-drawn column header (colour, flat
// look, height, images, sort marks, mark-up captions, filter bar), a row height for
// owner-drawn rows, a wallpaper, a scroll timer for dragged rows, and the settings holders,
// picture cache and glyphs that the cell drawing, sorting and editing use.
#include <memory>
#include <string>

#include "framework/ComCtrls.h"
#include "framework/Controls.h"
#include "framework/ImgList.h"
#include "listview/HeaderStrip.h"
#include "listview/PictureContainer.h"
#include "listview/RichListHolders.h"
#include "listview/core/CellRules.h"
#include "listview/core/Colors.h"
#include "listview/core/HeaderRules.h"
#include "listview/core/SortCompare.h"

using listview::ColorFromHex;
using listview::ColorFromName;
using listview::TSortDirection;
using listview::sdAscending;
using listview::sdDescending;
using listview::TSortIndicator;
using listview::siLeft;
using listview::siRight;

// Fills r with Steps bands from FromColor towards ToColor (columns when Horizontal), then,
// unless FrameColor is clNone, outlines r in it. Pen and brush keep the last band's colour.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& r,
                  int Steps, TColor FrameColor);

using listview::TVAlignment;
using listview::vtaCenter;
using listview::vtaTop;
using listview::vtaBottom;
using listview::TSortStyle;
using listview::ssAutomatic;
using listview::ssAlphabetic;
using listview::ssNumeric;
using listview::ssDate;
using listview::ssAlphaNoCase;
using listview::ssAlphaCase;
using listview::ssShortDateEU;
using listview::ssShortDateUS;
using listview::ssCustom;
using listview::ssFinancial;
using listview::ssRaw;

// The platform's ODS_* bits of an owner-drawn row.
using TOwnerDrawState = unsigned;

constexpr TCursor crURLcursor = 8019;   // the pointing hand of link cells

class TRichListView;
class TRichEdit;
struct THintInfo;
using TDrawDetailProp = std::function<void(TObject* Sender, int ItemIndex, TOwnerDrawState AState,
                                           TBrush* ABrush, TFont* AFont, const std::string& ItemText)>;
using TDrawItemProp = std::function<void(TObject* Sender, int ItemIndex, int SubitemIndex, TOwnerDrawState AState,
                                         TBrush* ABrush, TFont* AFont, const std::string& ItemText)>;
using TRichDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* aCanvas, int itemindex, const TRect& Rect, TOwnerDrawState State)>;
using TFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix,
                                        std::string& aSuffix)>;
using TCustomCompareEvent = std::function<void(TObject* Sender, int ACol, const std::string& str1,
                                               const std::string& str2, int& res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int Col, int Row1, int Row2, int& res)>;
using TSortStartEvent = std::function<void(TObject* Sender, int Column, bool& Enable)>;
using TSortDoneEvent = std::function<void(TObject* Sender, int Column)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int Column)>;
using TPrintPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int pagenr, int pagexsize, int pageysize)>;
using TDoFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& width)>;
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TStartColumnTrackEvent = std::function<void(TObject* Sender, int Column, bool& Allow)>;
using TEndColumnTrackEvent = std::function<void(TObject* Sender, int Column)>;
using TClickCellEvent = std::function<void(TObject* Sender, int iItem, int iSubItem)>;
using TEditCellEvent = std::function<void(TObject* Sender, int iItem, int iSubItem, bool& Allow)>;
using TFilterChange = std::function<void(TObject* Sender, int iItem)>;
using TFilterBtnClick = std::function<void(TObject* Sender, int iItem)>;
using TLVAnchorClick = std::function<void(TObject* Sender, const std::string& Anchor)>;
using TCheckboxClickEvent = std::function<void(TObject* Sender, int iItem, bool State)>;
using TURLClickEvent = std::function<void(TObject* Sender, int iItem, const std::string& URL, bool& Handled)>;

class TRichListView : public TListView {
public:
  explicit TRichListView(TComponent* AOwner);
  ~TRichListView() override;

  bool AutoHint() const { return FAutoHint; }
  void SetAutoHint(bool v) { FAutoHint = v; }
  TBitmap* CheckTrueGlyph() const { return FCheckTrueGlyph.get(); }
  void SetCheckTrueGlyph(TBitmap* b) { FCheckTrueGlyph->Assign(b); }
  TBitmap* CheckFalseGlyph() const { return FCheckFalseGlyph.get(); }
  void SetCheckFalseGlyph(TBitmap* b) { FCheckFalseGlyph->Assign(b); }
  bool ClipboardEnable() const { return FClipboardEnable; }
  void SetClipboardEnable(bool v) { FClipboardEnable = v; }
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  bool FilterBar() const { return FFilterBar; }
  void SetFilterBar(bool v);
  int FilterTimeOut() const { return FFilterTimeOut; }
  void SetFilterTimeOut(int ms);
  TPrintsettings* PrintSettings() const { return FPrintSettings.get(); }
  bool HTMLHint() const { return FHTMLHint; }
  void SetHTMLHint(bool v) { FHTMLHint = v; }
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor c);
  bool HeaderHotTrack() const { return FHeaderHotTrack; }
  void SetHeaderHotTrack(bool v);
  bool HeaderDragDrop() const { return FHeaderDragDrop; }
  void SetHeaderDragDrop(bool v);
  bool HeaderFlatStyle() const { return FHeaderFlatStyle; }
  void SetHeaderFlatStyle(bool v);
  bool HeaderOwnerDraw() const { return FHeaderOwnerDraw; }
  void SetHeaderOwnerDraw(bool v);
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int h);
  TImageList* HeaderImages() const { return FHeaderImages; }
  void SetHeaderImages(TImageList* images);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* f) { FHeaderFont->Assign(f); }
  int HoverTime();
  void SetHoverTime(int ms);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* c);
  TProgressSettings* ProgressSettings() const { return FProgressSettings.get(); }
  bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
  void SetSelectionRTFKeep(bool v) { FSelectionRTFKeep = v; }
  bool ScrollHint() const { return FScrollHint; }
  void SetScrollHint(bool v) { FScrollHint = v; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor c) { FSelectionColor = c; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor c) { FSelectionTextColor = c; }
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool v) { FSizeWithForm = v; }
  TSortDirection SortDirection() const { return FSortDirection; }
  // Sets the direction of every list view's sorting too.
  void SetSortDirection(TSortDirection d);
  bool SortShow() const { return FSortShow; }
  // Switching it off takes the sort mark away.
  void SetSortShow(bool v);
  TSortIndicator SortIndicator() const { return FSortIndicator; }
  void SetSortIndicator(TSortIndicator s) { FSortIndicator = s; }
  TBitmap* SortUpGlyph() const { return FSortUpGlyph.get(); }
  void SetSortUpGlyph(TBitmap* b) { FSortUpGlyph->Assign(b); }
  TBitmap* SortDownGlyph() const { return FSortDownGlyph.get(); }
  void SetSortDownGlyph(TBitmap* b) { FSortDownGlyph->Assign(b); }
  bool StretchColumn() const { return FStretchColumn; }
  void SetStretchColumn(bool v);
  bool SubImages() const { return FSubImages; }
  void SetSubImages(bool v);
  bool SubItemEdit() const { return FSubItemEdit; }
  void SetSubItemEdit(bool v) { FSubItemEdit = v; }
  bool SubItemSelect() const { return FSubItemSelect; }
  void SetSubItemSelect(bool v) { FSubItemSelect = v; }
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor c) { FURLColor = c; InvalidateIfShown(); }
  bool URLShow() const { return FURLShow; }
  void SetURLShow(bool v) { FURLShow = v; InvalidateIfShown(); }
  bool URLFull() const { return FURLFull; }
  void SetURLFull(bool v) { FURLFull = v; InvalidateIfShown(); }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment v);
  TBitmap* Wallpaper() const { return FWallpaper.get(); }
  void SetWallpaper(TBitmap* b) { FWallpaper->Assign(b); }   // its change applies the background
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v) { FWordWrap = v; }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int h);   // values <= 0 and the present one are ignored
  bool SaveHeader() const { return FSaveHeader; }
  void SetSaveHeader(bool v) { FSaveHeader = v; }
  bool LoadHeader() const { return FLoadHeader; }
  void SetLoadHeader(bool v) { FLoadHeader = v; }
  bool ReArrangeItems() const { return FReArrangeItems; }
  void SetReArrangeItems(bool v) { FReArrangeItems = v; }
  TDetails* DetailView() const { return FDetailView.get(); }
  std::string Version() const;
  void SetVersion(const std::string&) {}
  THTMLPictureCache* PictureCache() { return &FPictureCache; }

  TDrawDetailProp OnDrawDetailProp;
  TDrawItemProp OnDrawItemProp;
  TRichDrawItemEvent OnDrawItem;
  TFormatEvent OnGetFormat;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  TSortStartEvent OnSortStart;
  TSortDoneEvent OnSortDone;
  TColumnSizeEvent OnColumnSized;
  TColumnSizeEvent OnColumnRClick;
  TPrintPageEvent OnPrintPage;
  TDoFitToPageEvent OnFitToPage;
  TPrintColumnWidthEvent OnPrintSetColumnWidth;
  TPrintNewPageEvent OnPrintNewPage;
  TStartColumnTrackEvent OnStartColumnTrack;
  TEndColumnTrackEvent OnEndColumnTrack;
  TClickCellEvent OnRightClickCell;
  TClickCellEvent OnLeftClickCell;
  TEditCellEvent OnCanEditCell;
  TFilterChange OnFilterChange;
  TFilterBtnClick OnFilterBtnClick;
  TLVAnchorClick OnAnchorClick;
  TLVAnchorClick OnAnchorEnter;
  TLVAnchorClick OnAnchorExit;
  TCheckboxClickEvent OnCheckboxClick;
  TURLClickEvent OnURLClick;

  // Removes every row, then every column.
  void Clear() override;
  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;
  void WndProc(TMessage& m) override;

  // The last column fills the rest of the client area, while ColumnSize's Stretch is on.
  void StretchLastColumn();
  virtual unsigned GetVersionNr();
  virtual std::string GetVersionString();
  // The common controls library's version as read when the list was made; -1 unknown.
  int CommonControlsVersion() const { return FComCtlVersion; }

  // Cells: column 0 is the caption. A cell that does not exist reads as empty; writing beyond
  // the columns or rows does nothing, and a row gets empty sub-items up to the written one.
  bool GetCellAt(int x, int y, int& column, int& row);
  std::string GetCellTextAt(int x, int y);
  TRect GetCellRect(int row, int column);
  std::string GetCellText(int column, int row);   // row -1: the column's caption
  void SetCellText(int column, int row, const std::string& text);
  // Selects the focused row again so that it repaints; its index, or 0.
  int ReselectFocused();
  // Moves row from onto row to (-1: below the last), keeping its selection and check box.
  void MoveRow(int from, int to);
  void CopySelectionToClipboard(bool selectedOnly);
  void CutToClipboard();
  void PasteFromClipboard();
  void DeleteSelectedRows();
  // With AutoHint: the text of the cell under the hint's cursor, shown only when it is clipped.
  void GetHintText(std::string& hint, bool& canShow, THintInfo& info);

  // Sorting: by a column with its sort mark; the platform's compare callback.
  void DoSort(int column);
  void SortItems();
  void ShowSortMark(int column);
  void SetColumnSortImage(int column, int image);   // -1 clears
  static int CALLBACK CompareListItems(LPARAM item1, LPARAM item2, LPARAM data);

  // Owner-drawn cells.
  int GetSubItemImage(int item, int subItem);
  int GetItemIndent(int item);
  void DrawRTFCell(int item, int subItem, const TRect& r, TCanvas* canvas);
  void LoadRTFCell(int item, int subItem, TRichEdit* edit);
  // The hidden rich edit of rich-text cells, made on first use.
  TRichEdit* GetRichEdit();

protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void ColumnChanged(int index) override;
  virtual void DrawItem(int index, const TRect& r, TOwnerDrawState state);
  void ColClick(TListColumn* column) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  virtual void ItemSelected(int /*index*/) {}
  virtual void LeftClickCell(int item, int subItem);
  virtual void RightClickCell(int item, int subItem);
  virtual void DrawItemProp(int item, int subItem, TOwnerDrawState state, TBrush* brush, TFont* font,
                            const std::string& text);

private:
  void InvalidateIfShown();
  // The caption (subItem -1) or a sub-item of a row; empty when it does not exist.
  std::string ItemCell(int item, int subItem);
  void CellDrawItem(const DRAWITEMSTRUCT& d);
  void DrawCheckBox(TCanvas* canvas, RECT box, bool checked, bool glyphs);
  void DrawDetailLine(int index, TOwnerDrawState state, const TRect& r0, int right);
  void DrawMarkup(TCanvas* canvas, const std::string& text, const TRect& r);
  void FreeRichEdit();
  void CopyRowsToClipboard(bool selectedOnly);
  bool ListNotify(TMessage& m);
  void BeginCellEdit(LRESULT& result);
  void EndCellEdit(const NMLVDISPINFOA& info);
  void LeftButtonDown(TMessage& m);
  void LeftButtonUp(TMessage& m);
  std::string MarkupLinkAt(const std::string& text, const TRect& r, int x, int y);
  void OpenLink(int row, const std::string& link);
  bool KeyDownHandled(WORD key);
  void ScrollHintMessage(WPARAM w);
  void ApplyBackground();
  // Tiles the wallpaper over the client area; false when there is none to show.
  bool EraseWallpaper(HDC dc);
  void NudgeHeight();
  void KillScrollTimer();
  void ScrollTimer();
  void SaveColumnSizes();
  // The owner-drawn header.
  void DrawHeaderItem(const DRAWITEMSTRUCT& d);
  bool HeaderNotifyBefore(NMHDR& hdr, LRESULT& result);
  void HeaderNotifyAfter(NMHDR& hdr);
  void FormatHeaderItem(int index);
  void FormatHeaderItems();
  void SetColumnFormatFromAlignment(int index);
  void ApplyHeaderHeight();
  void ApplyHeaderFont();
  void ApplyHeaderWindowFont();
  void ApplyFilterBar();
  void SetHeaderStyleBit(DWORD bit, bool on);
  // Gives the header window, when it is new to us, the header's settings.
  void FollowHeaderWindow(HWND header);
  listview::HeaderLook HeaderLookNow();
  // Wine's header paints the area right of its last item after the items: the subclass fills
  // that strip again once the header has painted.
  void SubclassHeader(HWND header);
  void RefillHeaderStrip(HWND header);

  bool FAutoHint = false;
  std::unique_ptr<TBitmap> FCheckTrueGlyph, FCheckFalseGlyph;
  bool FClipboardEnable = false;
  std::unique_ptr<TColumnSize> FColumnSize;
  bool FFilterBar = false;
  int FFilterTimeOut = 0;
  std::unique_ptr<TPrintsettings> FPrintSettings;
  bool FHTMLHint = false;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  TColor FHeaderColor = clNone;
  bool FHeaderHotTrack = false;
  bool FHeaderDragDrop = false;
  bool FHeaderFlatStyle = false;
  bool FHeaderOwnerDraw = false;
  int FHeaderHeight = 13;
  TImageList* FHeaderImages = nullptr;
  std::unique_ptr<TFont> FHeaderFont;
  TPictureContainer* FPictureContainer = nullptr;
  std::unique_ptr<TProgressSettings> FProgressSettings;
  bool FSelectionRTFKeep = false;
  bool FScrollHint = false;
  TColor FSelectionColor = clHighlight;
  TColor FSelectionTextColor = clHighlightText;
  bool FSizeWithForm = false;
  TSortDirection FSortDirection = sdAscending;
  bool FSortShow = false;
  TSortIndicator FSortIndicator = siLeft;
  std::unique_ptr<TBitmap> FSortUpGlyph, FSortDownGlyph;
  bool FStretchColumn = false;
  bool FSubImages = false;
  bool FSubItemEdit = false;
  bool FSubItemSelect = false;
  TColor FURLColor = clBlue;
  bool FURLShow = false;
  bool FURLFull = false;
  TVAlignment FVAlignment = vtaCenter;
  std::unique_ptr<TBitmap> FWallpaper;
  bool FWordWrap = false;
  int FItemHeight = 13;
  bool FSaveHeader = false;
  bool FLoadHeader = false;
  bool FReArrangeItems = false;
  std::unique_ptr<TDetails> FDetailView;

  std::string FLastAnchor;
  bool FAnchorActive = false;
  bool FHeaderUpdating = false;
  bool FColumnTracking = false;
  std::unique_ptr<TFont> FHeaderHeightFont;
  std::unique_ptr<TCanvas> FItemCanvas;   // on the DC of the item being drawn
  std::unique_ptr<TFont> FPlainFont;
  TRichEdit* FRichEdit = nullptr;   // owned as a component
  int FEditCol = 0, FEditRow = 0;
  std::string FEditOrgCaption;
  bool FEditing = false;
  int FSortColumn = -2;
  int FLastSortColumn = -1;
  TCursor FOrgCursor = crDefault;
  THintWindow* FScrollHintWindow = nullptr;   // owned as a component
  int FHintCol = 0, FHintRow = 0;
  int FVAlignFlag = 4;
  int FDragItem = -1;
  int FTimerID = -1;
  THTMLPictureCache FPictureCache;
  std::unique_ptr<THeaderStrip> FHeaderStrip;
  HWND FSetHeader = nullptr;   // the header window that has our settings
  int FHoverTime = -1;
  int FComCtlVersion = -1;
};
