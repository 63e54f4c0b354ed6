// TkivSkinWindowWnd: the skinned window of a plain dialog (a message box, an open or save
// dialog, the folder picker), taken over through its window procedure. The window grows by
// the skinned frame so its client area stays whole, shows a close button only, and its
// buttons, boxes, combos, tabs and tool bars get the plain-window skinners.
#pragma once

#include <optional>

#include "skin/SkinWindow.h"
#include "skin/core/plain_window.h"

class TkivSkinWindowWnd : public TkivSkinWindow {
public:
  using TkivSkinWindow::TkivSkinWindow;
  HWND GetHandle() const override { return FHandle; }
  // The skinner of one of the dialog's child windows, or null.
  TkivSkinControl* SkinnerOf(HWND child) const;

protected:
  void UpdateSkin() override;
  void CallOldProc(TMessage& m) override;
  void PrepareSkin() override;
  void AfterAttach() override;
  void BeforeDetach() override;
  bool PreFilter(TMessage& m) override;
  void PostHook(TMessage& m) override;
  void Attach(HWND handle) override;
  void Detach() override;

private:
  static LRESULT CALLBACK SkinWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void SetStyleKeepingVisibility(LONG style);
  // The frame of the skin in effect.
  skin::PlainFrame Frame() const;

  HWND FHandle = nullptr;
  WNDPROC FOldWndProc = nullptr;
  LONG FPreparedStyle = 0;
  LONG FErasedStyle = 0;  // at the first background erase: the look to give back
  bool FStyleSaved = false;
  bool FRefitted = false;
  int FSavedClientWidth = 0;
  int FSavedClientHeight = 0;
  std::optional<skin::PlainFrame> FGrownBy;  // while the window is grown by a skinned frame
};
