// Controls: TControl (everything placed on a form), TGraphicControl (painted on its parent),
// TWinControl (owns a window; the message flow of the whole framework) and TCustomControl.
//
// Message flow (the spine):
//   * Every window the framework creates belongs to a window class registered under the
//     control's ClassName() whose procedure is TWinControl::MainWndProc. Platform controls are
//     superclassed: the class copies the platform class and DefWndProc() is its procedure.
//   * MainWndProc finds the control through a window property (never GWLP_USERDATA), builds a
//     TMessage and calls the control's WindowProc inside try/catch; exceptions go to
//     Application->HandleException. Perform() calls WindowProc directly. So a WindowProc that
//     someone installed (a skinner) sees every message, whichever way it came.
//   * WindowProc starts as a call of the virtual WndProc. WndProc overrides handle what they need
//     and call the inherited WndProc; the end of the chain is DefaultHandler, which for a
//     windowed control calls the original procedure with CallWindowProcA.
//   * TWinControl::WndProc reflects WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
//     WM_DELETEITEM, WM_COMPAREITEM, WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL, WM_VKEYTOITEM and
//     WM_CHARTOITEM that name a child control as CN_* (CN_BASE + msg) to that child's Perform;
//     the child's answer is the parent's result.
//   * CM_* messages are sent with Perform where the state changes (text, enabled, visible,
//     colour, font, focus, mouse enter/leave, recreate, release).
//   * Mouse messages of a windowed control whose point is over a TGraphicControl child (or
//     while such a child has the mouse captured) go to that child instead, in its coordinates.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"

class TControl;
class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;  // controls use bsNone and bsSingle

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Dragging: manual drags start with BeginDrag; automatic ones where the control kind's
// platform says a drag begins (a list view on its begin-drag notification).
enum TDragMode { dmManual, dmAutomatic };
// Where a drag stands over a target: just entered, left, moving within it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Cursor numbers; negative ones are the platform's cursors.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSize = -22, crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14,
                  crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19,
                  crHelp = -20, crHandPoint = -21, crSizeAll = -22;

// ControlStyle flags.
enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1u << 0, csCaptureMouse = 1u << 1, csDesignInteractive = 1u << 2,
  csClickEvents = 1u << 3, csFramed = 1u << 4, csSetCaption = 1u << 5, csOpaque = 1u << 6,
  csDoubleClicks = 1u << 7, csFixedWidth = 1u << 8, csFixedHeight = 1u << 9,
  csNoDesignVisible = 1u << 10, csReplicatable = 1u << 11, csNoStdEvents = 1u << 12,
  csDisplayDragImage = 1u << 13, csReflector = 1u << 14, csActionClient = 1u << 15,
  csMenuEvents = 1u << 16, csParentBackground = 1u << 17
};
using TControlStyle = unsigned;

// ControlState flags.
enum TControlStateFlag : unsigned {
  csLButtonDown = 1u << 0, csClicked = 1u << 1, csPalette = 1u << 2, csReadingState = 1u << 3,
  csAlignmentNeeded = 1u << 4, csFocusing = 1u << 5, csCreating = 1u << 6, csPaintCopy = 1u << 7,
  csCustomPaint = 1u << 8, csDestroyingHandle = 1u << 9, csDocking = 1u << 10,
  csRecreating = 1u << 11
};
using TControlState = unsigned;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TConstrainedResizeEvent =
    std::function<void(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)>;
// Source is the dragged control; Accept starts true and says whether a drop here would be taken.
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
// Target is the control dropped on, null when the drag ended without a drop.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

TShiftState KeysToShiftState(WORD keys);        // MK_* bits of a mouse message
TShiftState KeyDataToShiftState(LPARAM keyData); // lParam of a key message
TShiftState ShiftStateNow();                    // GetKeyState of Shift, Ctrl, Alt

// Minimum and maximum sizes of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(int v) { FMinWidth = v; Changed(); }
  void SetMinHeight(int v) { FMinHeight = v; Changed(); }
  void SetMaxWidth(int v) { FMaxWidth = v; Changed(); }
  void SetMaxHeight(int v) { FMaxHeight = v; Changed(); }
  void Assign(TPersistent* Source) override;
  // Applies the limits to a width and a height.
  void Constrain(int& w, int& h) const;
  TNotifyEvent OnChange;
private:
  void Changed() { if (OnChange) OnChange(this); }
  int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

// A canvas on a control: the control's window for a windowed control, the parent's window
// (origin moved to the control, clipped to it) for a graphic control. During painting the
// framework gives it the paint DC; elsewhere it asks for a DC when first used and gives it back
// in FreeHandle (done for all control canvases when the message loop gets idle).
class TControlCanvas : public TWindowCanvas {
public:
  explicit TControlCanvas(TControl* control = nullptr);
  ~TControlCanvas() override;
  TControl* Control() const { return FControl; }
  void SetControl(TControl* c);
  void FreeHandle();
  static void FreeDeviceContexts();  // of every control canvas that holds a window DC
  // Runs paint with dc (a paint DC, not the canvas's) as the canvas's handle.
  void PaintOn(HDC dc, const std::function<void()>& paint);
protected:
  void CreateHandle() override;
private:
  // The control's window, or its parent's for a graphic control.
  HWND DCWindow() const;
  TControl* FControl = nullptr;
};

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  void BeforeDestruction() override;

  // The replaceable message handler: starts as a call of WndProc. Save it, install your own
  // (which passes messages on to the saved one), and restore it to undo.
  TWndMethod WindowProc;
  // Builds a TMessage and calls WindowProc; returns its Result.
  LRESULT Perform(UINT msg, WPARAM w = 0, LPARAM l = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  virtual bool IsWindowed() const { return false; }

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const RECT& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }

  // Client area in the control's own coordinates (origin 0,0).
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int w);
  void SetClientHeight(int h);
  void SetClientSize(int w, int h);
  // Screen position of the client area's origin.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(const TPoint& p) const;
  TPoint ScreenToClient(const TPoint& p) const;
  // Point in the parent's client coordinates.
  TPoint ClientToParent(const TPoint& p, TWinControl* parent = nullptr) const;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so is every parent up to a shown top-level window.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign a);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors a);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }

  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& s) { SetText(s); }
  // The window text (WM_GETTEXT / WM_SETTEXT through Perform); setting sends CM_TEXTCHANGED.
  std::string Text() const;
  void SetText(const std::string& s);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* f) { FFont->Assign(f); }
  TColor Color() const { return FColor; }
  virtual void SetColor(TColor c);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& h) { FHint = h; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v) { FShowHint = v; FParentShowHint = false; Perform(CM_SHOWHINTCHANGED); }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v) { FParentShowHint = v; }
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* m);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor c);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int c) { FHelpContext = c; }
  // The reading order, kept for those who draw the control's text; windows are not mirrored.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode m) { FBiDiMode = m; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  // flags with DT_RTLREADING when the text reads from the right.
  UINT DrawTextBiDiModeFlags(UINT flags) const {
    return UseRightToLeftReading() ? flags | DT_RTLREADING : flags;
  }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle s) { FControlStyle = s; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState s) { FControlState = s; }
  bool MouseCapture() const;
  void SetMouseCapture(bool c);
  // The control that has the mouse captured (a graphic control's parent holds the capture).
  static TControl* CaptureControl();
  bool MouseInControl() const { return FMouseInControl; }

  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  virtual void Click();
  virtual void DblClick();

  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode m) { FDragMode = m; }
  // The cursor over a target that accepts the drag; crNoDrop shows elsewhere.
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor c) { FDragCursor = c; }
  // Drags this control while the left button is down: the mouse is captured, the control
  // under the cursor is asked (OnDragOver) and a release over one that accepts drops
  // (OnDragDrop); Esc, the right button or a lost capture end it without a drop. Not
  // immediate: the drag begins once the mouse has moved threshold pixels (-1: the
  // platform's distance); a release before that is an ordinary click. Returns when the
  // drag has ended; one drag at a time.
  void BeginDrag(bool immediate, int threshold = -1);
  // Ends the running drag of this control, dropping on the target under the cursor when
  // drop is true and it accepts.
  void EndDrag(bool drop);
  bool Dragging() const;
  // The target's side of a drag (calls OnDragOver and OnDragDrop).
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);

  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;   // when OnMouseWheel left the turn unhandled
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;
  TCanResizeEvent OnCanResize;
  TConstrainedResizeEvent OnConstrainedResize;

  void Loaded() override;
  void Notification(TComponent* c, TOperation op) override;

  // Whether the control has a property of this name that others may read by name (as the
  // skinners ask for "ParentColor" and "BorderStyle"); value, when given, gets its value.
  // Every control has "ParentColor"; those with a border style add "BorderStyle".
  virtual bool HasProperty(const std::string& name, int* value = nullptr) const;
  // HasProperty of a control with a border style: this one besides the common ones.
  bool HasPropertyWithBorderStyle(const std::string& name, int* value, int borderStyle) const;

  // The handler chain (public so that code holding a control can reach the original chain,
  // e.g. a skinner restoring behaviour, and tests).
  virtual void WndProc(TMessage& m);
  virtual void DefaultHandler(TMessage& m);

protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos);
  virtual void Resize();
  // A new size: CanResize may change it or refuse it (false: the bounds stay as they are);
  // ConstrainedResize may change the limits that Constraints set (0: no limit).
  virtual bool CanResize(int& newWidth, int& newHeight);
  virtual void ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight);
  // Both of the above for a size that SetBounds is given; false when refused.
  bool CheckNewSize(int& width, int& height);
  virtual void SetZOrder(bool topmost);
  // Tells the parent that this control needs to be aligned again.
  void RequestAlign();
  // Records where the control is relative to its parent's client size (anchors).
  void UpdateAnchorRules();
  void InvalidateControl(bool isVisible, bool isOpaque);
  // Called when the Font changes (except while it is copied from the parent).
  virtual void FontChanged();
  virtual void ColorChanged();
  // Canvas of the control (graphic controls and custom controls paint on it).
  TControlCanvas* ControlCanvas();

  void HandleMouseMessage(TMessage& m);
  void HandleContextMenu(TMessage& m);

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  std::string FText;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TAnchors FAnchors = akLeft | akTop;
  TColor FColor = clWindow;
  bool FParentColor = true;
  bool FParentFont = true;
  bool FShowHint = false;
  bool FParentShowHint = true;
  bool FMouseInControl = false;
  std::string FHint;
  TPopupMenu* FPopupMenu = nullptr;
  TCursor FCursor = crDefault;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
  int FHelpContext = 0;
  TBiDiMode FBiDiMode = bdLeftToRight;
  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState FControlState = 0;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TSizeConstraints> FConstraints;
  std::unique_ptr<TControlCanvas> FCanvas;
  // Anchors: the bounds and the parent's client size when last placed by hand.
  TRect FAnchorBase;
  TPoint FAnchorParentSize;
  bool FAnchorValid = false;
  int FAnchorMove = 0;   // nonzero while the align pass moves the control
  bool FFontFromParent = false;

private:
  friend class TWinControl;
};

// A control without a window: painted on its parent's canvas (WM_PAINT with the parent's DC in
// WParam, origin moved to the control, clipped to it), gets mouse messages from its parent.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() { return ControlCanvas(); }
  void WndProc(TMessage& m) override;
protected:
  virtual void Paint() {}
};

// Parameters of the window a TWinControl creates (see CreateParams).
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass{};
  std::string WinClassName;
  WNDPROC DefWndProc = nullptr;   // set by CreateSubClass; DefWindowProcA otherwise
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  bool IsWindowed() const override { return true; }
  // The window; made (with the parent's) when it does not exist yet.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys the window (and the children's) keeping the control's state; made again on need.
  void DestroyHandle();
  // Destroys and creates the window again (through CM_RECREATEWND).
  void RecreateWnd();
  // The window procedure of the platform class (DefWindowProcA for the framework's own).
  WNDPROC DefWndProc() const { return FDefWndProc; }
  // A window that is not a framework control to be the parent window (when Parent is null).
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND w);

  int ControlCount() const { return (int)FControls.size(); }
  TControl* Controls(int i) const { return FControls.at(i); }
  bool ContainsControl(TControl* c) const;   // c is this or below it
  // The topmost visible child at p (client coordinates); graphic ones only unless allowWin.
  TControl* ControlAtPos(const TPoint& p, bool allowDisabled, bool allowWinControls = false) const;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  // Sends m to every child's WindowProc until one gives a nonzero Result.
  void Broadcast(TMessage& m);

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool t);
  // Windowed children in tab order, recursively (what Tab walks through).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  void SelectFirst();

  virtual bool CanFocus();
  bool Focused() const;
  virtual void SetFocus();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;
  bool Showing() const override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  TBrush* Brush() const { return FBrush.get(); }

  // Align pass: DisableAlign/EnableAlign nest; Realign places the aligned and anchored children.
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }

  // The framework control of a window (through its property), or null.
  static TWinControl* FindControl(HWND wnd);
  static LRESULT CALLBACK MainWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  void Loaded() override;
  void SetParent(TWinControl* parent) override;

protected:
  virtual void CreateParams(TCreateParams& params);
  // Makes the window a superclass of a platform class (call from CreateParams).
  void CreateSubClass(TCreateParams& params, const char* className);
  virtual void CreateHandle();         // CreateWnd, then the children's windows
  virtual void CreateWnd();            // registers the class when needed, CreateWindowHandle
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();           // saves the text, DestroyWindowHandle
  virtual void DestroyWindowHandle();
  // Paints the window itself on dc (the default lets the platform procedure paint).
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& m);
  void PaintControls(HDC dc, TControl* first);
  virtual void AlignControls(TControl* control, TRect& rect);
  virtual void AdjustClientRect(TRect& rect);
  void AlignControl(TControl* control);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  bool DoKeyDown(TMessage& m);
  bool DoKeyUp(TMessage& m);
  bool DoKeyPress(TMessage& m);
  virtual void DoEnter();
  virtual void DoExit();
  void SetZOrder(bool topmost) override;
  void FontChanged() override;
  void ColorChanged() override;
  // Reads the bounds back from the window.
  void UpdateBounds();
  // Reflects a parent notification to the child control it names; true when done.
  bool ReflectToChild(TMessage& m);
  // The window's own painting is the framework's (no platform class below it).
  bool IsOwnClass() const { return FDefWndProc == DefWindowProcA || FDefWndProc == nullptr; }
  void UpdateShowing();
  void CreateChildHandles();
  void UpdateMouseTracking(TMessage& m);
  // Frees the owned components and then the remaining children (while the control is whole).
  void FreeChildren();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  HWND FParentWindow = nullptr;
  std::vector<TControl*> FControls;      // all children, in z-order (last on top)
  std::vector<TWinControl*> FTabList;    // windowed children in tab order
  bool FTabStop = false;
  int FAlignLevel = 0;
  int FAligning = 0;
  bool FAlignPending = false;
  TControl* FMouseControl = nullptr;     // graphic child under the mouse
  bool FTrackingMouse = false;
  std::unique_ptr<TBrush> FBrush;
  int FCtlId = 0;

private:
  friend class TControl;
};

// A windowed control that paints itself: Paint() on Canvas() (the paint DC while painting).
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas() { return ControlCanvas(); }
  TNotifyEvent OnPaint;
protected:
  virtual void Paint();
  void PaintWindow(HDC dc) override;
};

// What CM_HINTSHOW (LParam) offers a control before its hint shows; the control may change it,
// and a nonzero Result keeps the hint from showing.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;          // screen position of the hint window's top-left corner
  int HintMaxWidth = 0;    // pixels
  TColor HintColor = clInfoBk;
  TRect CursorRect;        // control coordinates: the hint stays while the mouse is inside
  TPoint CursorPos;        // control coordinates
  std::string HintStr;
};

// The small window that shows a hint: a popup that never takes the focus or the mouse.
class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);
  // The rectangle (origin 0,0) that the text needs, wrapped at maxWidth.
  virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
  // Shows the text in rect (screen coordinates) without activating the window.
  virtual void ActivateHint(const TRect& rect, const std::string& hint);
  // Hides the window.
  void ReleaseHandle();
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

// The part of a hint before "|" (shown in the hint window), and the part after it.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

// The form that a control is on (its top-level parent form), or null.
TCustomForm* GetParentForm(TControl* control);
// "&File" is an accelerator for 'F'.
bool IsAccel(char key, const std::string& caption);
// Caption without the "&" marks ("&&" stays one "&").
std::string StripHotkey(const std::string& caption);
