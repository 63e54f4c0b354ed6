// TkivSkinWindow: one top-level window turned into a skinned window. It takes over the
// window's messages, makes its own non-client area, paints title bar, title buttons and
// borders from the skin, answers the title buttons, rounds the window's outline and opens the
// engine's system menu instead of the platform's. Descendants bind it to a kind of window.
//
// Made by the engine with New-style two steps: construct, then Start (handle).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Messages.h"
#include "skin/SkinControl.h"
#include "skin/core/title_buttons.h"

class TkivSkinEngine;

class TkivSkinWindow : public TComponent {
public:
  TkivSkinWindow(TComponent* owner, TkivSkinEngine* engine, bool dialog);
  ~TkivSkinWindow() override;
  // Takes the window over and applies the skin (at once, or at its first paint).
  void Start(HWND handle);
  void BeforeDestruction() override;

  // Switches the skin of this window on or off.
  void SetSkinned(bool on);
  bool Skinned() const { return FSkinned; }
  void SetHasTitle(bool value);
  void SetHasBorder(bool value);
  bool HasTitle() const { return FHasTitle; }

  // Title commands, posted to the window as the platform's system commands.
  void Close();
  void Help();
  void Minimize();
  // Restores a maximised or minimised window; maximises only when the title showed the button.
  void MaximizeRestore();
  // The engine's system menu at the client origin, or at a screen point.
  void PopupSystemMenu();
  void PopupSystemMenuAt(int x, int y);

  // The buttons the title showed when it was last painted.
  bool MaxButtonShown() const { return FMaxShown; }
  bool MinButtonShown() const { return FMinShown; }
  bool CloseButtonShown() const { return FCloseShown; }
  skin::TitleHit HotButton() const { return FHot; }

  void HandleMessage(TMessage& m);
  void PaintFrame();
  void SetRegion();

  virtual HWND GetHandle() const = 0;

protected:
  virtual void UpdateSkin() = 0;
  virtual void CallOldProc(TMessage& m) = 0;
  virtual void PrepareSkin() {}
  virtual void AfterAttach() = 0;
  virtual void BeforeDetach() = 0;
  virtual bool HasFrame() const { return true; }
  virtual int MenuBarHeight() const { return 0; }
  virtual HICON GetIcon() const { return nullptr; }
  virtual bool HasHelpButton() const { return false; }
  virtual bool IsMDIParent() const { return false; }
  virtual bool IsMDIChild() const { return false; }
  virtual bool IsDialogBorder() const { return false; }
  virtual bool HasSystemIcon() const { return false; }
  virtual bool HasCloseButton() const { return true; }
  virtual bool HasMaxButton() const { return false; }
  virtual bool HasMinButton() const { return false; }
  virtual bool SkinWhenHidden() const { return false; }
  virtual bool PreFilter(TMessage&) { return true; }
  virtual void PostHook(TMessage&) {}
  virtual void Attach(HWND handle) = 0;
  virtual void Detach() = 0;

  int TitleHeight() const;
  int WindowWidth() const;
  int WindowHeight() const;
  std::string WindowText() const;
  bool Destroying() const { return FDestroying; }
  bool Initialized() const { return FInitialized; }
  // An MDI child is drawn active while it is the parent's active child.
  void SetActiveLook(bool active) { FActive = active; }
  // Its title stands above the parent's client area, where no one sees it.
  bool IsMaximizedMDIChild() const { return IsMDIChild() && Maximized(); }

  TkivSkinEngine* FEngine;
  int FUnskinnedFrameHeight = 0;
  bool FDialog;
  std::vector<std::unique_ptr<TkivSkinControl>> FSkinnedControls;

private:
  // Everything a composed title shows besides the skin.
  struct TitleLook {
    int Width = 0, Height = 0;
    bool Minimized = false, Active = false;
    std::string Text;
    HICON Icon = nullptr;
    skin::TitleButtonsLayout Layout;
    bool operator==(const TitleLook& o) const {
      return Width == o.Width && Height == o.Height && Minimized == o.Minimized && Active == o.Active &&
             Text == o.Text && Icon == o.Icon && Layout == o.Layout;
    }
  };

  void FirstSkin();
  void PaintTitle(HDC dc, bool minimized);
  std::unique_ptr<TBitmap> ComposeTitle(const TitleLook& look) const;
  void PaintBorders(HDC dc);
  void Act(skin::TitleHit button);
  skin::TitleButtonsLayout TitleLayout(int titleWidth, int buttonWidth, int buttonHeight) const;
  bool Maximized() const { return IsZoomed(GetHandle()) != 0; }

  bool FHasTitle = true;
  bool FHasBorder = true;
  bool FDestroying = false;
  bool FMaxShown = false, FMinShown = false, FCloseShown = false;
  skin::TitleHit FHot = skin::TitleHit::None;
  bool FPressed = false;
  bool FActive = true;
  bool FSkinned = false;
  bool FInitialized = false;
  // The title last painted, and what it shows.
  std::unique_ptr<TBitmap> FTitle;
  TitleLook FTitleLook;
  // Gone when this object is freed: a window destroyed inside one of its messages frees it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
