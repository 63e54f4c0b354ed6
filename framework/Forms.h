// Forms and the application: TCustomForm/TForm (top-level windows, modal or not), TApplication
// (the message loop, the main form, the exception handler, hints, message boxes),
// TApplicationEvents and TScreen (the forms, the cursors, the displays), with the globals
// Application and Screen.
//
// Forms are made with New<TMyForm>(owner) or Application->CreateForm(ref): the constructor
// builds the controls while the form is loading; AfterConstruction ends loading (Loaded runs on
// the form and every control it owns) and then calls OnCreate.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Controls.h"

class TMainMenu;
class TMenuItem;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
// An MDI form (fsMDIForm) holds its MDI children (fsMDIChild) in the platform's MDI client
// window; a program's MDI children live in its main form, which must be the MDI form.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TTileMode { tbHorizontal, tbVertical };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// Results of modal forms and dialogs (the platform's IDOK and so on).
enum TModalResult : int {
  mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
  mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO
};

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TCustomControl {
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  void AfterConstruction() override;   // ends loading, then OnCreate
  void BeforeDestruction() override;   // OnDestroy

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle s);
  bool HasProperty(const std::string& name, int* value = nullptr) const override {
    return HasPropertyWithBorderStyle(name, value, FBorderStyle);
  }
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition p) { FPosition = p; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState s);
  TFormStyle FormStyle() const { return FFormStyle; }
  // Between the MDI styles and the others only before the window exists.
  void SetFormStyle(TFormStyle s);
  TIcon* Icon() const { return FIcon.get(); }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);
  // The help file of the form; nothing here opens it.
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& file) { FHelpFile = file; }

  // The control that has (or gets, when the form is activated) the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* c);
  // Called when c gets the focus: CM_EXIT to the old control, CM_ENTER to c, CM_FOCUSCHANGED.
  void SetFocusedControl(TWinControl* c);
  // c (or the control holding the focus inside it) goes away: the focus moves to the form.
  void DefocusControl(TWinControl* c);
  // The active window; an MDI child while it is the active child of the active MDI form.
  bool Active() const;

  // MDI (FormsMDI.cpp). The client window holds the children; the platform keeps which one is
  // active and lists them at the end of the WindowMenu item's submenu.
  HWND ClientHandle() const { return FClientHandle; }
  TCustomForm* ActiveMDIChild() const;
  // The children in the client's order: the active one first, the one behind it next, ...
  int MDIChildCount() const { return int(MDIChildList().size()); }
  TCustomForm* MDIChildren(int i) const { return MDIChildList().at(i); }
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* item);
  TTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TTileMode mode) { FTileMode = mode; }
  void Cascade();
  void Tile();
  void DefaultHandler(TMessage& m) override;

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form with every other window of the program disabled, handles messages until
  // ModalResult is set (or the program ends: mrCancel), hides it and returns ModalResult.
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int r) { FModalResult = r; }
  // Asks OnCloseQuery, then OnClose decides (caHide by default; the main form ends the program).
  // A modal form closes with mrCancel.
  void Close();
  // Frees the form once the messages already queued for it are handled.
  void Release();
  void SetVisible(bool v) override;
  TRect ClientRect() const override;
  void Notification(TComponent* c, TOperation op) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& m) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;   // takes the menu bar off first: the menu is not the window's to free
  void DestroyWindowHandle() override;
  void AlignControls(TControl* control, TRect& rect) override;
  virtual bool CloseQuery();
  // Places the form as Position says, just before it is first shown.
  void PlaceOnScreen();
  void IconChanged();

private:
  // The MDI parts of creating the window and of its messages (FormsMDI.cpp).
  void MDIChildParams(TCreateParams& params);
  void CreateMDIClient();
  bool MDIWndProc(TMessage& m);   // true when the message is handled
  std::vector<TCustomForm*> MDIChildList() const;
  HWND FClientHandle = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  TTileMode FTileMode = tbHorizontal;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  TFormStyle FFormStyle = fsNormal;
  std::unique_ptr<TIcon> FIcon;
  TMainMenu* FMenu = nullptr;
  std::string FHelpFile;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FPlaced = false;
  bool FModal = false;
  int FModalResult = mrNone;
};

class TForm : public TCustomForm {
public:
  using TCustomForm::TCustomForm;
};

class TApplicationEvents;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Creates a form owned by the application; the first one becomes the main form. A form
  // that cannot be made (its constructor or OnCreate raised) ends the program once its error
  // is shown.
  template <class T> void CreateForm(T*& reference) {
    try {
      T* form = new T(this);
      reference = form;
      form->AfterConstruction();
      if (!FMainForm) FMainForm = form;
    } catch (...) {
      EndWithError();
    }
  }
  TCustomForm* MainForm() const { return FMainForm; }
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool v) { FShowMainForm = v; }

  // Shows the main form and handles messages until the program is told to end. A main form
  // that cannot be shown ends the program once its error is shown.
  void Run();
  // Handles the messages that are waiting; a WM_QUIT met there ends the loop and is posted
  // again, so that Run (or any other loop) still ends.
  void ProcessMessages();
  // Handles one message, or waits for one when none is waiting.
  void HandleMessage();
  // Asks the message loop to end (posts WM_QUIT).
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // Call inside a catch block: gives the exception to OnException, or shows its message.
  // EAbort is silent.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  // Call inside a catch block, or while the program is being terminated for an exception
  // nothing caught: shows the exception's message (EAbort's too) and ends the program at once
  // with exit code 1, so that nothing of a half-made program runs on.
  [[noreturn]] void EndWithError();

  // The platform's message box over the active form (or the main form); returns IDOK and so on.
  // (MessageBox is the platform headers' macro for MessageBoxA: the name is the same everywhere.)
  int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);

  std::string ExeName() const;
  // The program's icon: the resource "MAINICON" when there is one; the icon of forms without one.
  TIcon* Icon() const { return FIcon.get(); }
  std::string Title() const;
  void SetTitle(const std::string& t) { FTitle = t; }
  // The program's help file; nothing here opens it.
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& file) { FHelpFile = file; }
  HWND Handle() const;   // the main form's window, or null
  // The window that owns a dialog: the active form's, else the main form's.
  HWND DialogOwner() const;

  // Hints: once the mouse rests HintPause ms over a control whose hint is shown (its ShowHint,
  // or its parent's while ParentShowHint), the control gets CM_HINTSHOW and the short part of
  // its Hint shows in the hint window for HintHidePause ms. A key or button press hides it.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v);
  unsigned HintPause() const { return FHintPause; }
  void SetHintPause(unsigned ms) { FHintPause = ms; }
  unsigned HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(unsigned ms) { FHintHidePause = ms; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor c) { FHintColor = c; }
  void CancelHint();
  // The window of the hint being shown, or null.
  THintWindow* HintWindow() const { return FHintActive ? FHintWindow : nullptr; }

  TExceptionEvent OnException;
  TMessageEvent OnMessage;
  TNotifyEvent OnIdle;

  void Notification(TComponent* c, TOperation op) override;

private:
  friend class TCustomForm;
  friend class TApplicationEvents;
  void HintMouseMessage(const MSG& msg);
  void HintTimer(UINT_PTR id);
  void ActivateHint();
  HWND FHintTimers = nullptr;
  TControl* FHintControl = nullptr;
  TPoint FHintMousePos;   // screen position of the last mouse move over it
  THintWindow* FHintWindow = nullptr;
  bool FHintActive = false;
  bool FShowHint = true;
  unsigned FHintPause = 500;
  unsigned FHintHidePause = 2500;
  TColor FHintColor = clInfoBk;
  std::unique_ptr<TIcon> FIcon;
  std::vector<TApplicationEvents*> FEvents;
  bool ProcessMessage(MSG& msg);
  // The MDI form's keys for its children (Ctrl+F4, Ctrl+F6).
  bool IsMDIMsg(MSG& msg);
  // Keyboard messages go first to the framework control they are for (CN_KEYDOWN and so on).
  bool IsKeyMsg(MSG& msg);
  void Idle();
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FShowMainForm = true;
  std::string FTitle;
  std::string FHelpFile;
};

// Lets any number of components hear the application's messages, each with its own handler,
// after the application's own OnMessage (while none has handled the message).
class TApplicationEvents : public TComponent {
public:
  explicit TApplicationEvents(TComponent* AOwner);
  ~TApplicationEvents() override;
  TMessageEvent OnMessage;
};

// A display: its whole area and the part that the task bar leaves (screen coordinates).
struct TMonitor {
  HMONITOR Handle = nullptr;
  TRect BoundsRect;
  TRect WorkareaRect;
};

class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}
  int FormCount() const { return (int)FForms.size(); }
  TCustomForm* Forms(int i) const { return FForms.at(i); }
  // The cursor of the whole program while not crDefault (crHourGlass during long work).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor c);
  // The platform cursor for a cursor number: the platform's own for the negative ones, the
  // program's for numbers it registered.
  HCURSOR Cursors(TCursor c) const;
  void SetCursors(TCursor c, HCURSOR cursor);
  // The display that holds most of the window (the nearest one when none does).
  TMonitor MonitorFromWindow(HWND wnd) const;
  TCustomForm* ActiveForm() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
  friend class TCustomForm;
  std::vector<TCustomForm*> FForms;
  TCursor FCursor = crDefault;
  std::vector<std::pair<TCursor, HCURSOR>> FCursors;
};

extern TApplication* Application;
extern TScreen* Screen;
