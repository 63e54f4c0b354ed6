// TkivSkinWindowVCL: the skinned window of a framework form. The form's own main menu is
// taken off its window and shown as a skinned menu bar (a tool bar) instead, its shortcuts
// still work, its controls make room for the bar, and each control gets the skinner that is
// registered for its class.
#pragma once

#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/SkinWindow.h"
#include "skin/core/frame_metrics.h"

class TkivSkinWindowVCL;

// The bar that shows a form's main menu, one button per top-level item. Alt and a button's
// underlined letter open that button's menu, as they open the platform's menu bar.
class TkivSkinMenuBar : public TToolBar {
public:
  TkivSkinMenuBar(TComponent* owner, TkivSkinWindowVCL* window) : TToolBar(owner), FWindow(window) {}
  TkivSkinWindowVCL* Window() const { return FWindow; }
  void WndProc(TMessage& m) override;

private:
  TkivSkinWindowVCL* FWindow;
};

// One of the three buttons at the right end of an MDI parent's menu bar while its active child
// is maximised (close, restore, minimise): the glyph on the bar's colour, framed while the
// mouse is over it.
class TkivSkinMenuBarControlButton : public TCustomPanel {
public:
  explicit TkivSkinMenuBarControlButton(TComponent* owner);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* glyph);
  void WndProc(TMessage& m) override;

protected:
  void Paint() override;

private:
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  bool FHover = false;
};

class TkivSkinWindowVCL : public TkivSkinWindow {
public:
  using TkivSkinWindow::TkivSkinWindow;
  TCustomForm* Form() const { return FForm; }
  TkivSkinMenuBar* MenuBar() const { return FMenuBar; }
  HWND GetHandle() const override;
  // The MDI buttons, close first (hidden unless the active child is maximised).
  TkivSkinMenuBarControlButton* MDIButton(int i) const { return FMDIButtons[i]; }
  void Notification(TComponent* c, TOperation op) override;

protected:
  void UpdateSkin() override;
  void CallOldProc(TMessage& m) override;
  void PrepareSkin() override;
  void AfterAttach() override;
  void BeforeDetach() override;
  bool HasFrame() const override;
  int MenuBarHeight() const override;
  HICON GetIcon() const override;
  bool HasHelpButton() const override;
  bool IsMDIParent() const override;
  bool IsMDIChild() const override;
  bool IsDialogBorder() const override;
  bool HasSystemIcon() const override;
  bool HasCloseButton() const override;
  bool HasMaxButton() const override;
  bool HasMinButton() const override;
  bool SkinWhenHidden() const override { return true; }
  void PostHook(TMessage& m) override;
  void Attach(HWND handle) override;
  void Detach() override;

private:
  void SkinOn();
  void SkinOff();
  void UpdateMenuBar(bool forced);
  void BuildMenuBar(TMainMenu* menu);
  void ApplySizeLimits();
  void ShiftControls(int delta);
  void RemoveSystemMenuStyle();
  void SkinControl(TControl* control);
  void SkinOwnedControls(TComponent* owner);
  void AppMessage(MSG& msg, bool& handled);
  void DrawMenuBarButton(TToolBar* sender, TToolButton* button, TCustomDrawState state,
                         bool& defaultDraw);
  void FitMaximizedToWorkArea();

  // MDI parents and children (SkinWindowFormMDI.cpp).
  void AttachMDIParent();
  void DetachMDIParent();
  void SkinMDIOn();
  void SkinMDIOff();
  void MDIPostHook(TMessage& m);
  void ChildActivated(HWND active);
  void ChildSized(WPARAM kind);
  void UpdateMDIButtons();
  void MDIButtonClick(TObject* sender);
  void RefreshWindowList();
  void FreeWindowList();
  void ClientPostHook(UINT msg, WPARAM wParam, LPARAM lParam);
  void CascadeChildren();
  void TileChildren(bool horizontal);
  static LRESULT CALLBACK MDIClientProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TCustomForm* FForm = nullptr;
  int FSavedClientHeight = 0;
  int FSavedClientWidth = 0;
  TMainMenu* FOwnMenu = nullptr;
  TMainMenu* FShownMenu = nullptr;
  TkivSkinMenuBar* FMenuBar = nullptr;
  TColor FSavedColor = clBtnFace;
  TApplicationEvents* FAppEvents = nullptr;
  TWndMethod FSavedWindowProc;
  skin::SizeLimits FOwnLimits;  // the form's own, given back when the skin goes off
  int FControlsMovedBy = 0;     // 0 while the controls stand where the form put them
  bool FFormsSkinnedOnce = false;
  bool FResizing = false;
  TMainMenu* FChildMenu = nullptr;   // of the active child, as it reported it
  TkivSkinMenuBarControlButton* FMDIButtons[3] = {};
  WNDPROC FOldClientProc = nullptr;
  // Where the platform lists the children while the skin shows a list of its own.
  HMENU FPlatformWindowList = nullptr;
  bool FMaximizeSent = false;        // an MDI child told the parent it is maximised
};
