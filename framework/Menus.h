// Menus: TMenuItem trees that build the platform's menus, the form's TMainMenu and TPopupMenu.
// Items are drawn by the platform unless the menu is OwnerDraw, in which case every item is an
// owner-drawn platform item: OnMeasureItem and OnDrawItem of the item decide its size and look
// (without them the framework draws the caption itself).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Graphics.h"

class TMenu;
class TImageList;

using TShortCut = WORD;   // virtual key in the low byte, scShift/scCtrl/scAlt above
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);
std::string ShortCutToText(TShortCut s);

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "-" makes a separator.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& c) { FCaption = c; Changed(); }
  bool Checked() const { return FChecked; }
  void SetChecked(bool v) { FChecked = v; Changed(); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; Changed(); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; Changed(); }
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; Changed(); }
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool v) { FRadioItem = v; Changed(); }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut s) { FShortCut = s; Changed(); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int i) { FImageIndex = i; Changed(); }
  // The item's own picture, for owner drawing (made empty when first asked for); setting it
  // takes a copy.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* bitmap);
  bool IsLine() const { return FCaption == "-"; }
  // Items of one group index belong together (kept for merging menus).
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int i) { FGroupIndex = i; }

  int Count() const { return (int)FItems.size(); }
  TMenuItem* Items(int i) const { return FItems.at(i); }
  TMenuItem* operator[](int i) const { return Items(i); }
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(TMenuItem* item) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);   // the item is not freed
  void Delete(int index);         // frees the item
  void Clear();                   // frees every item
  // The item (here or below) with this command number or submenu, or null.
  TMenuItem* Find(WORD command);
  TMenuItem* FindSubmenu(HMENU menu);
  // The item (here or below) whose shortcut is s, or null.
  TMenuItem* FindShortCut(TShortCut s);

  WORD Command() const { return FCommand; }
  // The submenu of an item with children (made and filled when first asked for).
  HMENU Handle();
  TMenu* GetParentMenu() const;

  virtual void Click();
  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

  // Owner drawing, called by the framework for the platform's messages.
  void MeasureItem(TCanvas* canvas, int& width, int& height);
  void DrawItem(TCanvas* canvas, const TRect& rect, bool selected);

private:
  friend class TMenu;
  void Changed();
  // The picture a plain (not owner-drawn) item shows: its bitmap, else the menu's image.
  void PlainItemBitmap(MENUITEMINFOA& mi);
  // Refills hmenu with the visible children.
  void Fill(HMENU hmenu);
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;   // set on the root item
  std::vector<TMenuItem*> FItems;
  std::string FCaption;
  bool FChecked = false, FEnabled = true, FVisible = true, FDefault = false, FRadioItem = false;
  TShortCut FShortCut = 0;
  int FImageIndex = -1;
  int FGroupIndex = 0;
  std::unique_ptr<TBitmap> FBitmap;
  // The menu's image at FImageIndex, as the platform shows it beside a plain item.
  std::unique_ptr<TBitmap> FImageBitmap;
  WORD FCommand;
  HMENU FHandle = nullptr;
};

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  TMenuItem* Items() const { return FItems; }
  // The platform menu, built when first asked for and kept up to date afterwards.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool v);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Kept for owner drawing, which mirrors the items unless left to right.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
  // Runs the OnClick of the item with this command number; false when none has it.
  bool DispatchCommand(WORD command);
  // The item's OnClick for a key message whose key and shift make an item's shortcut.
  bool IsShortCut(const MSG& msg);
  void Notification(TComponent* c, TOperation op) override;

protected:
  virtual HMENU CreateMenuHandle() = 0;
  // The platform menu was rebuilt (a main menu redraws the menu bar).
  virtual void MenuChanged() {}

private:
  friend class TMenuItem;
  void Rebuild();
  TMenuItem* FItems;
  HMENU FHandle = nullptr;
  bool FOwnerDraw = false;
  TImageList* FImages = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
};

class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
  // The window whose menu bar this is (set by the form).
  void SetWindow(HWND wnd) { FWindow = wnd; }
protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;
private:
  HWND FWindow = nullptr;
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool v) { FAutoPopup = v; }
  // The control whose context menu is being shown.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* c) { FPopupComponent = c; }
  // Shows the menu at a screen point and runs the chosen item's OnClick.
  virtual void Popup(int x, int y);
  TNotifyEvent OnPopup;
protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
private:
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  HWND FWindow = nullptr;   // owner of the shown menu: gets the owner-draw messages
};

// WM_MEASUREITEM / WM_DRAWITEM for an owner-drawn menu item: handles it and returns true.
bool DispatchMenuDrawMessage(TMessage& m);
