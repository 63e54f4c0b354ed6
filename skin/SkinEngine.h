// TkivSkinEngine: the component a main form carries to skin its program. Once the form is
// loaded it skins that form; a thread hook then skins dialogs and further forms as they are
// activated. It owns the loaded skin, the skinned windows, the drawing of menus and the
// system menu that skinned title bars open.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "skin/SkinCollection.h"
#include "skin/core/frame_metrics.h"
#include "skin/core/skin_res.h"

class TkivSkinWindow;

// Messages of skinned windows: whether one is skinned (1), whether its form is drawn active
// (1 yes, 2 no), and its menu bar's height.
constexpr UINT KM_ISSKINNED = 0x2AAA;
constexpr UINT KM_ISACTIVE = 0x2AAB;
constexpr UINT KM_MENUBARHEIGHT = 0x83E9;
// From an MDI child's skinned window to the main form: it became the active child
// (WParam its TCustomForm*, LParam its own TMainMenu*, or none).
constexpr UINT KM_MDICHILDMENU = 0x83E8;

class TkivSkinEngine : public TComponent {
public:
  // The owner must be a form ("Must be placed on a Form"). The first engine of the program
  // installs the thread hook. A second engine on one form fails ("One form can only catch one
  // TkivSkinEngine!").
  explicit TkivSkinEngine(TComponent* owner);
  ~TkivSkinEngine() override;

  bool Active() const { return FActive; }
  // Every skinned window gets its skinned or its platform frame at once.
  void SetActive(bool value);
  bool Ready() const { return FReader && FReader->Ready(); }
  void SetReady(bool) {}  // stored with forms; read back without effect
  const std::string& SkinFile() const { return FSkinFile; }
  // Loads the first file found of that name (FindSkinFile); nothing changes when none is. A
  // file found that is no readable skin leaves no skin in effect.
  void SetSkinFile(const std::string& name);
  // The skin kept in the form ("SkinData"): loaded through a temporary file, as a file is.
  void SetSkinData(const std::vector<std::uint8_t>& data);
  const std::string& ResSysMenuMin() const { return FResSysMenuMin; }
  void SetResSysMenuMin(const std::string& text);
  const std::string& ResSysMenuMax() const { return FResSysMenuMax; }
  void SetResSysMenuMax(const std::string& text);
  const std::string& ResSysMenuClose() const { return FResSysMenuClose; }
  void SetResSysMenuClose(const std::string& text);
  std::int32_t DisabledTag() const { return FDisabledTag; }
  void SetDisabledTag(std::int32_t tag) { FDisabledTag = tag; }
  // A control or menu tagged with a DisabledTag other than 0 keeps its platform look.
  bool IsExemptTag(std::intptr_t tag) const { return FDisabledTag != 0 && tag == FDisabledTag; }
  bool DrawScrollBar() const { return FDrawScrollBar; }
  void SetDrawScrollBar(bool value) { FDrawScrollBar = value; }
  std::string Version() const { return "3.4"; }
  void SetVersion(const std::string&) {}
  bool BuiltIn() const { return FBuiltIn; }
  // Only while the form is being built ("BuiltIn property only can be specified at design
  // time!").
  void SetBuiltIn(bool value);
  bool SkinDialogs() const { return FSkinDialogs; }
  void SetSkinDialogs(bool value) { FSkinDialogs = value; }
  bool SkinAllForms() const { return FSkinAllForms; }
  // Outside loading: true skins every form of the screen, false unskins all but the owner.
  void SetSkinAllForms(bool value);
  TkivSkinCollection* AdditionalBuiltInSkins() { return &FAdditionalBuiltInSkins; }
  void SetAdditionalBuiltInSkins(const TkivSkinCollection& skins) { FAdditionalBuiltInSkins.Assign(skins); }
  TNotifyEvent OnSkinChanged;

  // Skins the owner form, and its menus with it.
  void Loaded() override;
  // Menus and menu items made on the owner form while the skin is in effect are skinned once
  // the program waits for messages again, or before a menu shows if that comes first; a menu
  // taken off the form is given its own drawing back.
  void Notification(TComponent* c, TOperation op) override;

  // Skins a window once; only framework forms are skinned so far.
  void SkinWindow(HWND handle, bool dialog);
  void UnskinWindow(HWND handle);
  void SkinAllScreenForms();
  void UnskinOtherForms();
  // The skinned window of a handle, or null.
  TkivSkinWindow* FindSkinWindow(HWND handle) const;
  int SkinWindowCount() const { return int(FWindows.size()); }

  // Active, a skin loaded, not designing: the gate of every hook, handler and skinner.
  bool IsSkinActive() const;
  // False (the bitmap left alone) when the skin lacks it; frame index from 1 of count frames
  // when both are given.
  bool GetSkinBitmap(const std::string& name, TBitmap* bitmap, int count = 0, int index = 0) const;
  // The engine's own decoded copy, kept until the skin changes, or null: to read, not to change.
  TBitmap* DecodedSkinBitmap(const std::string& name, int count = 0, int index = 0) const;
  std::int32_t GetSkinInt(const std::string& name) const;  // -1 when absent
  bool GetSkinBool(const std::string& name) const;
  TColor GetFormColor() const { return TColor(GetSkinInt("FormBackgroundColor")); }
  TColor GetMenuBarColor() const;
  TColor GetTitleFontColor() const;

  // Sizes of the loaded skin's frame, and its right border (the left one turned).
  const skin::FrameMetrics& Metrics() const { return FMetrics; }
  // Counts the skins loaded: what was drawn from an earlier one is out of date.
  int SkinGeneration() const { return FSkinGeneration; }
  TBitmap* RightBorderBitmap() const { return FRightBorder.get(); }
  TColor TitleFontColor() const { return FTitleFontColor; }
  HBRUSH BackgroundBrush() const { return FBackgroundBrush; }
  bool Unskinning() const { return FUnskinning; }
  const skin::TkivSkinScrollBtnRes& ScrollCache() const { return FScrollCache; }
  const skin::TkivSkinTabRes& TabCache() const { return FTabCache; }

  // The system menu of skinned title bars; the window is the one it acts on.
  TPopupMenu* SystemMenu() const { return FSystemMenu; }
  void PopupSystemMenu(TkivSkinWindow* window, int x, int y);
  TkivSkinWindow* PopupWindow() const { return FPopupWindow; }

  void SkinMenu(TMenu* menu);
  void UnskinMenu(TMenu* menu);
  void DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected);
  void MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height);

  // Class names that the control walk leaves alone, and those skinned when activated.
  static void AddNoBorderClass(const std::string& className);
  static void AddAutoSkinClass(const std::string& className);
  static const std::vector<std::string>& NoBorderClasses();
  static const std::vector<std::string>& AutoSkinClasses();
  static TImageList* CheckMarkImages();
  static TImageList* EmptyImages();

  // The engine that installed the thread hook, or null.
  static TkivSkinEngine* Current();

private:
  friend class TkivSkinWindow;
  static LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MenuHook(int code, WPARAM wParam, LPARAM lParam);
  static void UpdateMenuHook();
  void SkinInsertedMenus();
  // The skin's drawing for the item and the items below it.
  void SkinMenuItems(TMenuItem* item);
  void SkinChanged();
  // After a load; a failed one leaves the windows unskinned.
  void SkinLoaded(bool loaded);
  void SetWindowsSkinned(bool on);
  void SystemMenuPopup(TObject* sender);
  void RemoveWindow(TkivSkinWindow* window);
  TCustomForm* OwnerForm() const { return static_cast<TCustomForm*>(Owner()); }

  bool FActive = false;
  // Components put on the owner form that were not looked at yet. The framework tells of one
  // before it is whole, so what it is is asked only later, on a message to FInsertedWindow.
  std::vector<TComponent*> FInserted;
  HWND FInsertedWindow = nullptr;
  // The skin's bitmaps as decoded once, by name, frame count and index (null when the skin
  // lacks one): frames are painted far more often than the skin changes.
  mutable std::map<std::tuple<std::string, int, int>, std::unique_ptr<TBitmap>> FBitmaps;
  std::vector<TkivSkinWindow*> FWindows;  // owned
  skin::TkivSkinReader FOwnReader;
  const skin::TkivSkinReader* FReader = &FOwnReader;
  std::string FSkinFile;
  TPopupMenu* FSystemMenu = nullptr;
  TkivSkinWindow* FPopupWindow = nullptr;
  int FSkinGeneration = 0;
  skin::TkivSkinScrollBtnRes FScrollCache;
  skin::TkivSkinTabRes FTabCache;
  bool FBuiltIn = false;
  bool FSkinDialogs = true;
  bool FSkinAllForms = true;
  TkivSkinCollection FAdditionalBuiltInSkins;
  HBRUSH FBackgroundBrush = nullptr;
  bool FUnskinning = false;
  std::unique_ptr<TBitmap> FRightBorder;
  skin::FrameMetrics FMetrics;
  TColor FTitleFontColor = 0xFFFFFF;
  std::string FResSysMenuMin = "Mi&nimize";
  std::string FResSysMenuMax = "Ma&ximize/Restore";
  std::string FResSysMenuClose = "&Close";
  std::int32_t FDisabledTag = 9999;
  bool FDrawScrollBar = true;
};
