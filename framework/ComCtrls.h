// The common controls: page control with tab sheets, progress bar, track bar, status bar, tool
// bar with tool buttons, list view, up-down and date-time picker. Each wraps the platform's
// common control of the same kind; the list view is in ListView.cpp, the tool bar in ToolBar.cpp.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"

// State of an item in a custom-draw notification.
enum TCustomDrawStateFlag : unsigned {
  cdsSelected = 1, cdsGrayed = 2, cdsDisabled = 4, cdsChecked = 8, cdsFocused = 16,
  cdsDefault = 32, cdsHot = 64, cdsMarked = 128, cdsIndeterminate = 256
};
using TCustomDrawState = unsigned;
TCustomDrawState CustomDrawState(UINT itemState);  // from the CDIS_* bits

// ---------------------------------------------------------------------------------------------
// Tabs and pages

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// The platform's tab control: a row of tabs; the pages are the descendants' business.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* AOwner);
  int TabIndex();
  void SetTabIndex(int i);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int h);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int w);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Tabs on the left or right stand in several rows, as the platform requires.
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition p);
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustClientRect(TRect& rect) override;
  // Tab items: text and image of tab i.
  void InsertTab(int i, const std::string& text, int imageIndex);
  void SetTab(int i, const std::string& text, int imageIndex);
  void DeleteTab(int i);
  virtual bool CanChange();
  virtual void Change();
private:
  void ApplyTabSize();
  TImageList* FImages = nullptr;
  int FTabHeight = 0;
  int FTabWidth = 0;
  TTabPosition FTabPosition = tpTop;
};

class TPageControl;

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* pc);
  int PageIndex() const;
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int i);
  void WndProc(TMessage& m) override;
private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  int FImageIndex = -1;
};

// Tabs over pages; choosing a tab shows its page. OnChange: the user chose another tab.
class TPageControl : public TCustomTabControl {
public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  int PageCount() const { return (int)FPages.size(); }
  TTabSheet* Pages(int i) const { return FPages.at(i); }
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
  void SetActivePageIndex(int i);
protected:
  void CreateWnd() override;
  void Change() override;
private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void UpdateTab(TTabSheet* page);
  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Bars

// A common control over a range: Min, Max and a Position kept between them.
class TRangeControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  int Min() const { return FMin; }
  void SetMin(int v) { FMin = v; ApplyRange(); }
  int Max() const { return FMax; }
  void SetMax(int v) { FMax = v; ApplyRange(); }
  int Position() { return HandleAllocated() ? ReadPosition() : FPosition; }
  void SetPosition(int v);
protected:
  // The platform's messages for the range and the position.
  virtual void SendRange() = 0;
  virtual void SendPosition() = 0;
  virtual int ReadPosition() = 0;
  void CreateWnd() override;
  // Keeps the position in the range and hands both to the window.
  void ApplyRange();
  int FMin = 0, FMax = 100, FPosition = 0;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TRangeControl {
public:
  explicit TProgressBar(TComponent* AOwner);
  int Step() const { return FStep; }
  void SetStep(int v);
  void StepIt();
  void StepBy(int delta);
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation o);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool v);
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() override;
private:
  int FStep = 10;
  TProgressBarOrientation FOrientation = pbHorizontal;
  bool FSmooth = false;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// Slider. OnChange: the user moved it.
class TTrackBar : public TRangeControl {
public:
  explicit TTrackBar(TComponent* AOwner);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int v);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int v);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  int ThumbLength() const { return FThumbLength; }
  void SetThumbLength(int v);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation o) { FOrientation = o; StyleChanged(); }
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark t) { FTickMarks = t; StyleChanged(); }
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle t) { FTickStyle = t; StyleChanged(); }
  TNotifyEvent OnChange;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() override;
  virtual void Changed();
private:
  void StyleChanged();
  int FFrequency = 1, FLineSize = 1, FPageSize = 2;
  int FThumbLength = 20;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TCustomStatusBar;

class TStatusPanel : public TPersistent {
public:
  explicit TStatusPanel(TCustomStatusBar* bar) : FStatusBar(bar) {}
  int Index() const;
  const std::string& Text() const { return FText; }
  void SetText(const std::string& s);
  int Width() const { return FWidth; }
  void SetWidth(int w);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel b);
private:
  TCustomStatusBar* FStatusBar;
  std::string FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
};

class TStatusPanels : public TPersistent {
public:
  explicit TStatusPanels(TCustomStatusBar* bar) : FStatusBar(bar) {}
  TStatusPanel* Add();
  int Count() const { return (int)FItems.size(); }
  TStatusPanel* Items(int i) const { return FItems.at(i).get(); }
  void Delete(int i);
  void Clear();
  int IndexOf(const TStatusPanel* p) const;
private:
  TCustomStatusBar* FStatusBar;
  std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

// Status line at the bottom: panels, or one simple text.
class TCustomStatusBar : public TWinControl {
public:
  explicit TCustomStatusBar(TComponent* AOwner);
  ~TCustomStatusBar() override;
  TStatusPanels* Panels() const { return FPanels.get(); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool v);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& s);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool v);
  // The panels' widths and texts changed.
  void UpdatePanels();
  void UpdatePanel(int i);
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
private:
  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
};

class TStatusBar : public TCustomStatusBar {
public:
  using TCustomStatusBar::TCustomStatusBar;
};

// ---------------------------------------------------------------------------------------------
// Tool bar

class TToolBar;
class TMenuItem;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// One button of a tool bar (a button of the platform's tool bar, not a window of its own).
class TToolButton : public TComponent {
public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;
  TToolBar* ToolBar() const { return FToolBar; }
  // Appends the button to bar (removing it from its old bar).
  void SetToolBar(TToolBar* bar);
  int Index() const;
  int Command() const { return FCommand; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& s);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int i);
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle s);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  bool Down() const;
  void SetDown(bool v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool v);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  // Its short part shows in the bar's tooltip when the bar shows hints.
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& h) { FHint = h; }
  // The button's place in the bar's client area.
  TRect BoundsRect() const;
  // A menu item that the button stands for: the button shows its caption, and a click opens
  // its submenu below the button (or clicks the item when it has none).
  TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* item);
  virtual void Click();
  TNotifyEvent OnClick;
  void Notification(TComponent* c, TOperation op) override;
private:
  friend class TToolBar;
  void DropDownMenuItem();
  TMenuItem* FMenuItem = nullptr;
  TBBUTTON ButtonInfo() const;
  void Changed();
  TToolBar* FToolBar = nullptr;
  int FCommand = 0;
  std::string FCaption;
  int FImageIndex = -1;
  TToolButtonStyle FStyle = tbsButton;
  bool FEnabled = true;
  bool FDown = false;
  bool FVisible = true;
  bool FGrouped = false;
  bool FAutoSize = false;
  std::string FHint;
};

using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TWinControl {
public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;
  int ButtonCount() const { return (int)FButtons.size(); }
  TToolButton* Buttons(int i) const { return FButtons.at(i); }
  TToolButton* FindButton(int command) const;
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* v);
  TImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TImageList* v);
  TImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TImageList* v);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int w) { FButtonWidth = w; ApplyButtonSize(); }
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int h) { FButtonHeight = h; ApplyButtonSize(); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; SetStyleBit(TBSTYLE_FLAT, v); }
  bool List() const { return FList; }
  void SetList(bool v) { FList = v; SetStyleBit(TBSTYLE_LIST, v); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; SetStyleBit(TBSTYLE_TRANSPARENT, v); }
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool v) { FWrapable = v; SetStyleBit(TBSTYLE_WRAPABLE, v); }
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool v);
  // The canvas of the custom-draw events (on the platform's drawing surface while they run).
  TCanvas* Canvas() { return &FDrawCanvas; }
  // The column header inside the list (report view), made with the list's window.
  HWND HeaderWindow() const;
  // Header item shown at each place from the left; one entry per column.
  std::vector<int> ColumnOrder() const;
  TTBCustomDrawBtnEvent OnCustomDrawButton;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
private:
  friend class TToolButton;
  void InsertButton(TToolButton* b);
  void RemoveButton(TToolButton* b);
  void UpdateButton(TToolButton* b);
  void ApplyImages();
  void ApplyButtonSize();
  void HoldButtons();
  void SetStyleBit(DWORD bit, bool on);
  LRESULT CustomDraw(NMTBCUSTOMDRAW& cd);
  std::vector<TToolButton*> FButtons;
  int FNextCommand = 1;
  TImageList* FImages = nullptr;
  TImageList* FDisabledImages = nullptr;
  TImageList* FHotImages = nullptr;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  bool FFlat = false;
  bool FList = false;
  bool FTransparent = false;
  bool FWrapable = true;
  bool FShowCaptions = false;
  std::string FTipText;   // what the tooltip shows now
  TCanvas FDrawCanvas;
};

// ---------------------------------------------------------------------------------------------
// List view

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
enum TSearchDirection { sdAll = LVNI_ALL, sdAbove = LVNI_ABOVE, sdBelow = LVNI_BELOW,
                        sdLeft = LVNI_TOLEFT, sdRight = LVNI_TORIGHT };
enum TItemStateFlag : unsigned { isNone = 0, isCut = LVNI_CUT, isDropHilited = LVNI_DROPHILITED,
                                 isFocused = LVNI_FOCUSED, isSelected = LVNI_SELECTED };
using TItemStates = unsigned;

class TCustomListView;
class TListItems;

// One row: its caption and sub-item texts live here; the platform asks for them when it
// shows them (text callbacks).
class TListItem : public TPersistent {
public:
  explicit TListItem(TListItems* owner);
  ~TListItem() override;
  TListItems* Owner() const { return FOwner; }
  TCustomListView* ListView() const;
  int Index() const;
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& s);
  TStrings* SubItems() const;
  void* Data() const { return FData; }
  void SetData(void* d) { FData = d; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int i);
  bool Selected() const { return GetState(LVIS_SELECTED); }
  void SetSelected(bool v) { SetState(LVIS_SELECTED, v); }
  bool Focused() const { return GetState(LVIS_FOCUSED); }
  void SetFocused(bool v) { SetState(LVIS_FOCUSED, v); }
  bool Checked() const;
  void SetChecked(bool v);
  void Delete();
  void MakeVisible(bool partialOK);
  TRect DisplayRect(TDisplayCode code) const;
  // Redraws the row.
  void Update();
  // Starts editing the caption in place; false when the list refuses (CanEdit).
  bool EditCaption();
private:
  friend class TListItems;
  friend class TCustomListView;
  class TSubItems;
  HWND ListWindow() const;
  bool GetState(UINT mask) const;
  void SetState(UINT mask, bool on);
  void SubItemsChanged();
  TListItems* FOwner;
  std::string FCaption;
  std::unique_ptr<TSubItems> FSubItems;
  void* FData = nullptr;
  int FImageIndex = -1;
  UINT FSavedState = 0;   // selection and focus kept while the window is made again
  bool FAdded = false;    // to its list; until then a change is the item's alone
};

class TListItems : public TPersistent {
public:
  explicit TListItems(TCustomListView* owner) : FOwner(owner) {}
  ~TListItems() override;
  TCustomListView* Owner() const { return FOwner; }
  TListItem* Add();
  TListItem* Insert(int index);
  // Puts an item made of this list, its caption, sub-items and picture already set, at index
  // (-1: the end).
  TListItem* AddItem(std::unique_ptr<TListItem> item, int index = -1);
  int Count() const;
  TListItem* Item(int i) const;
  TListItem* operator[](int i) const { return Item(i); }
  int IndexOf(const TListItem* item) const;
  // The caption of every item, in no particular order; asks the window nothing, so a look for a
  // caption costs no search of the rows through it.
  std::vector<std::string> Captions() const;
  void Delete(int i);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
private:
  friend class TCustomListView;
  friend class TListItem;
  // Puts an item into the window at index.
  void InsertIntoWindow(TListItem* item, int index);
  TCustomListView* FOwner;
  // Every item, owned. While the window exists it holds the rows' order; otherwise this does.
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
};

class TListColumns;

class TListColumn : public TPersistent {
public:
  explicit TListColumn(TListColumns* owner) : FOwner(owner) {}
  int Index() const;
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& s);
  int Width() const;   // as the user left it
  void SetWidth(int w);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  // The column's image in the header's image list; -1 none. Owner-drawn headers show it.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int i);
private:
  friend class TCustomListView;
  friend class TListColumns;
  LVCOLUMNA ColumnInfo() const;
  void Changed();
  TListColumns* FOwner;
  std::string FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
};

class TListColumns : public TPersistent {
public:
  explicit TListColumns(TCustomListView* owner) : FOwner(owner) {}
  TCustomListView* Owner() const { return FOwner; }
  TListColumn* Add();
  int Count() const { return (int)FItems.size(); }
  TListColumn* Items(int i) const { return FItems.at(i).get(); }
  TListColumn* operator[](int i) const { return Items(i); }
  int IndexOf(const TListColumn* c) const;
  void Delete(int i);
  void Clear();
private:
  TCustomListView* FOwner;
  std::vector<std::unique_ptr<TListColumn>> FItems;
};

using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVCustomDrawItemEvent =
    std::function<void(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;
using TLVCustomDrawSubItemEvent = std::function<void(TCustomListView* Sender, TListItem* Item,
                                                     int SubItem, TCustomDrawState State, bool& DefaultDraw)>;
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, std::string& S)>;
using TLVEditingEvent = std::function<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVCompareEvent =
    std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;

// The platform's list view. Custom draw: the handlers may change Canvas()'s font and brush
// colour, which the row or cell is then drawn with, or draw themselves and clear DefaultDraw.
class TCustomListView : public TCustomListControl {
public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;
  TListItems* Items() const { return FItems.get(); }
  TListColumns* Columns() const { return FColumns.get(); }
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle v);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool v) { FMultiSelect = v; SetStyleBit(LVS_SINGLESEL, !v); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; SetStyleBit(LVS_EDITLABELS, !v); }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v) { FHideSelection = v; SetStyleBit(LVS_SHOWSELALWAYS, !v); }
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool v) { FShowColumnHeaders = v; SetStyleBit(LVS_NOCOLUMNHEADER, !v); }
  bool ColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool v) { FColumnClick = v; SetStyleBit(LVS_NOSORTHEADER, !v); }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool v) { FOwnerDraw = v; SetStyleBit(LVS_OWNERDRAWFIXED, v); }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool v) { FRowSelect = v; SetExStyleBit(LVS_EX_FULLROWSELECT, v); }
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool v) { FGridLines = v; SetExStyleBit(LVS_EX_GRIDLINES, v); }
  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool v) { FCheckboxes = v; SetExStyleBit(LVS_EX_CHECKBOXES, v); }
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* v);
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* v);
  int HoverTime();
  void SetHoverTime(int ms);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle s);
  bool HasProperty(const std::string& name, int* value = nullptr) const override {
    return HasPropertyWithBorderStyle(name, value, FBorderStyle);
  }

  // The first selected row (in row order), or null; setting it selects only that row.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  int ItemIndex() const override;
  void SetItemIndex(int i) override;   // selects row i too (others stay selected), -1 clears
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* item);
  int SelCount() const;
  void SelectAll() { SetAllStates(LVIS_SELECTED, true); }
  void ClearSelection() { SetAllStates(LVIS_SELECTED, false); }
  // The next row after start (null: from the top) in a direction with all the given states.
  TListItem* GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states) const;
  TListItem* GetItemAt(int x, int y) const;
  TListItem* TopItem() const;
  int VisibleRowCount() const;
  void Scroll(int dx, int dy);
  // Sorts the rows with a platform compare function; it gets the two TListItem* and data. An
  // exception it raises ends the sort and is raised again here.
  bool CustomSort(PFNLVCOMPARE compare, LPARAM data);
  // Sorts the rows once by OnCompare; false without it or without a window.
  bool AlphaSort();
  // A caption is being edited in place.
  bool IsEditing() const;
  // A bitmap right of the column's caption in the header; null takes it away. The bitmap stays
  // the caller's.
  void SetHeaderBitmap(int column, HBITMAP bitmap);
  void Clear() override;
  // The canvas of the custom-draw events (on the platform's drawing surface while they run).
  TCanvas* Canvas() { return &FDrawCanvas; }
  // The column header inside the list (report view), made with the list's window.
  HWND HeaderWindow() const;
  // Header item shown at each place from the left; one entry per column.
  std::vector<int> ColumnOrder() const;

  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVCustomDrawItemEvent OnCustomDrawItem;
  TLVCustomDrawSubItemEvent OnCustomDrawSubItem;
  TLVEditedEvent OnEdited;
  TLVEditingEvent OnEditing;
  TLVCompareEvent OnCompare;

  void WndProc(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void ColClick(TListColumn* column);
  virtual void Change(TListItem* item, TItemChange change);
  virtual void SelectItem(TListItem* item, bool selected);
  // Whether the caption may be edited in place: not when ReadOnly, else as OnEditing says.
  virtual bool CanEdit(TListItem* item);
  // The in-place edit ended with text: OnEdited may change it, then it becomes the caption.
  virtual void Edit(TListItem* item, std::string text);
  // After column index went into the window or its caption, alignment or image changed there:
  // the platform formats the header item anew then.
  virtual void ColumnChanged(int /*index*/) {}
  // The window, made when the control has a parent; null before that.
  HWND ListWindow() const;

private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;
  bool HandleNotify(NMHDR& hdr, LRESULT& result);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& cd);
  void SetStyleBit(DWORD bit, bool on);
  void SetExStyleBit(DWORD bit, bool on);
  DWORD ExStyle() const;
  void ApplyImages();
  void SetAllStates(UINT mask, bool on);
  // Every row's sub-item cells ask for their text (a new column, a new row).
  void SetSubItemCallbacks(int row);
  TListItem* ItemFromIndex(int i) const;
  std::unique_ptr<TListItems> FItems;
  std::unique_ptr<TListColumns> FColumns;
  TViewStyle FViewStyle = vsIcon;
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  bool FOwnerDraw = false;
  bool FRowSelect = false;
  bool FGridLines = false;
  bool FCheckboxes = false;
  TImageList* FLargeImages = nullptr;
  TImageList* FSmallImages = nullptr;
  int FHoverTime = -1;
  TBorderStyle FBorderStyle = bsSingle;
  bool FDestroyingWindow = false;
  TCanvas FDrawCanvas;
};

class TListView : public TCustomListView {
public:
  using TCustomListView::TCustomListView;
};

// ---------------------------------------------------------------------------------------------
// Up-down and date-time picker

enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

class TCustomUpDown : public TRangeControl {
public:
  explicit TCustomUpDown(TComponent* AOwner);
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* c);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation o);
  TUDClickEvent OnClick;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* c, TOperation op) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() override;
private:
  TWinControl* FAssociate = nullptr;
  TUDOrientation FOrientation = udVertical;
};

class TUpDown : public TCustomUpDown {
public:
  using TCustomUpDown::TCustomUpDown;
};

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// Date or time field. OnChange: the user changed the value.
class TDateTimePicker : public TWinControl {
public:
  explicit TDateTimePicker(TComponent* AOwner);
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind k);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode m);
  SYSTEMTIME DateTime();
  void SetDateTime(const SYSTEMTIME& t);
  TNotifyEvent OnChange;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
private:
  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  SYSTEMTIME FDateTime{};
};

// Helpers of the common-control units.
// Registers the platform classes of a group (an ICC_* flag).
void InitCommonControlClass(DWORD icc);
// Sets or clears a style bit of a window (the platform follows through WM_STYLECHANGED).
void SetWindowStyleBit(HWND wnd, DWORD bit, bool on);
