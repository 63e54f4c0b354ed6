// TVideoWindow as a control: its link to the graph, the renderer window's place, style and
// full screen, and the input it receives. The renderer itself is VideoWindowRenderer.cpp.
#include "preview/VideoWindow.h"

#include "framework/Forms.h"
#include "framework/Menus.h"

namespace preview {

namespace {

// A play start re-applies the renderer window's owner, styles and place; each is handed over
// only when it differs, as every change costs a round trip to the display.
void PutOwner(IVideoWindow* window, OAHWND owner) {
  OAHWND now = 0;
  if (FAILED(window->get_Owner(&now)) || now != owner) CheckHResult(window->put_Owner(owner));
}

void PutWindowStyle(IVideoWindow* window, LONG style) {
  LONG now = 0;
  if (FAILED(window->get_WindowStyle(&now)) || now != style)
    CheckHResult(window->put_WindowStyle(style));
}

// Wine answers E_FAIL to a new extended style whenever the old one was 0, yet sets it: the
// call failed only when the window does not have the style afterwards.
void PutWindowStyleEx(IVideoWindow* window, LONG style) {
  LONG now = 0;
  if (SUCCEEDED(window->get_WindowStyleEx(&now)) && now == style) return;
  HRESULT result = window->put_WindowStyleEx(style);
  if (FAILED(result) && SUCCEEDED(window->get_WindowStyleEx(&now)) && now == style) result = S_OK;
  CheckHResult(result);
}

void PutPosition(IVideoWindow* window, LONG left, LONG top, LONG width, LONG height) {
  LONG l = 0, t = 0, w = 0, h = 0;
  if (FAILED(window->GetWindowPosition(&l, &t, &w, &h)) || l != left || t != top ||
      w != width || h != height)
    CheckHResult(window->SetWindowPosition(left, top, width, height));
}

}  // namespace

TVideoWindow::TVideoWindow(TComponent* AOwner)
    : TCustomControl(AOwner), FVMROptions(std::make_unique<TVMROptions>(this)) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csReflector;
  FTabStop = true;
  SetBounds(FLeft, FTop, 160, 120);
  SetParentColor(false);
  SetColor(clBlack);
}

// A bare delete: the window unlinks itself here, before the graph hears of its end.
TVideoWindow::~TVideoWindow() { UnlinkAtEnd(); }

// Free: the window unlinks itself while whole, before the graph hears of its end (which would
// drop its links without taking its renderer out).
void TVideoWindow::BeforeDestruction() {
  UnlinkAtEnd();
  TCustomControl::BeforeDestruction();
}

void TVideoWindow::UnlinkAtEnd() {
  // Unlinking takes the renderer out of an active graph, which may fail; the window goes all
  // the same, so the failure is reported.
  try {
    SetFilterGraph(nullptr);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TVideoWindow::SetFilterGraph(TFilterGraph* value) {
  if (value == FFilterGraph) return;
  if (FFilterGraph) Unlink();
  if (!value) return;
  // The graph is known while the renderer joins it, so that a failed join that stops the graph
  // stops it through the component.
  FFilterGraph = value;
  try {
    value->AddFilterProvider(this);
  } catch (...) {
    FFilterGraph = nullptr;
    throw;
  }
  value->FreeNotification(this);
  value->AddEventSink(this);
}

void TVideoWindow::Unlink() {
  // Unlinked whatever taking the renderer out raises; until then the window knows the graph,
  // so that the renderer stops through it.
  struct TForget {
    TVideoWindow* window;
    ~TForget() {
      window->FFilterGraph->RemoveFreeNotification(window);
      window->FFilterGraph = nullptr;
    }
  } forget{this};
  FFilterGraph->RemoveEventSink(this);
  FFilterGraph->RemoveFilterProvider(this);
}

void TVideoWindow::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FFilterGraph) FFilterGraph = nullptr;
}

void TVideoWindow::Loaded() {
  TCustomControl::Loaded();
  if (!Parent()) return;
  FSavedStyle = GetWindowLongA(Handle(), GWL_STYLE);
  FSavedExStyle = GetWindowLongA(Handle(), GWL_EXSTYLE);
}

HRESULT TVideoWindow::GraphEvent(LONG event, LONG_PTR, LONG_PTR) {
  if (event == EC_PALETTE_CHANGED && FRendererWindow) {
    SetFullScreen(FFullScreen);
    LabelAndDrain();
  } else if (event == EC_VMR_RENDERDEVICE_SET && FVMROptions->Mode() == vmrWindowed &&
             FRendererWindow) {
    LabelAndDrain();
  }
  return S_OK;
}

HRESULT TVideoWindow::ControlEvent(LONG event, LONG) {
  if (event != cePlay || !RendererConnected()) return S_OK;
  if (FMode == vmVMR) {
    SetFullScreen(FFullScreen);
  } else if (FRendererWindow) {
    SetFullScreen(FFullScreen);
    LabelAndDrain();
  }
  return S_OK;
}

void TVideoWindow::LabelAndDrain() {
  if (!Name().empty()) {
    const std::wstring name(Name().begin(), Name().end());
    BSTR caption = nullptr;
    const bool same = SUCCEEDED(FRendererWindow->get_Caption(&caption)) && caption &&
                      name == caption;
    SysFreeString(caption);
    if (!same) {
      caption = SysAllocString(name.c_str());
      const HRESULT result = FRendererWindow->put_Caption(caption);
      SysFreeString(caption);
      CheckHResult(result);
    }
  }
  OAHWND drain = 0;
  if (FAILED(FRendererWindow->get_MessageDrain(&drain)) || drain != (OAHWND)Handle())
    CheckHResult(FRendererWindow->put_MessageDrain((OAHWND)Handle()));
}

void TVideoWindow::SetFullScreen(bool value) {
  if (FRendererWindow && RendererConnected()) {
    IVideoWindow* window = FRendererWindow.Get();
    if (value) {
      PutOwner(window, 0);
      PutWindowStyle(window, FSavedStyle & ~(WS_CAPTION | WS_THICKFRAME));
      PutWindowStyleEx(window, (FSavedExStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE |
                                                  WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) |
                                   (FFullScreenTopMost ? WS_EX_TOPMOST : 0));
      PutPosition(window, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
      FInFullScreen = true;
    } else {
      PutOwner(window, Parent() ? (OAHWND)Parent()->Handle() : 0);
      PutWindowStyle(window, FSavedStyle | WS_CHILD | WS_CLIPSIBLINGS);
      PutWindowStyleEx(window, FSavedExStyle);
      PutPosition(window, Left(), Top(), Width(), Height());
      FInFullScreen = false;
    }
  }
  if (FWindowlessControl) FInFullScreen = false;
  FFullScreen = value;
}

void TVideoWindow::SetFullScreenTopMost(bool value) {
  FFullScreenTopMost = value;
  if (FFullScreen) SetFullScreen(true);
}

void TVideoWindow::SetVisible(bool value) {
  TCustomControl::SetVisible(value);
  if (FRendererWindow) CheckHResult(FRendererWindow->put_Visible(value ? OATRUE : OAFALSE));
}

HANDLE TVideoWindow::VideoHandle() {
  if (!FRendererWindow) return Canvas()->Handle();
  if (!Parent()) return nullptr;
  return FindWindowExA(Parent()->Handle(), nullptr, "VideoRenderer", Name().c_str());
}

void TVideoWindow::PlaceVideo() {
  if (FMode == vmNormal || FVMROptions->Mode() == vmrWindowed) {
    if (FRendererWindow && !FFullScreen)
      FRendererWindow->SetWindowPosition(Left(), Top(), Width(), Height());
  } else if (FVMROptions->Mode() == vmrWindowless && FWindowlessControl) {
    RECT video = {0, 0, Width(), Height()};
    FWindowlessControl->SetVideoPosition(nullptr, &video);
  }
}

void TVideoWindow::Resize() {
  TCustomControl::Resize();
  PlaceVideo();
}

void TVideoWindow::ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth,
                                     int& maxHeight) {
  TCustomControl::ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
  PlaceVideo();
}

// In full screen the renderer's window covers the screen, not the control: the mouse is where
// the cursor is on the screen.
POINT TVideoWindow::MousePoint(int x, int y) const {
  POINT point = {x, y};
  if (FInFullScreen) GetCursorPos(&point);
  return point;
}

void TVideoWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const POINT p = MousePoint(x, y);
  TCustomControl::MouseDown(button, shift, p.x, p.y);
}

void TVideoWindow::MouseMove(TShiftState shift, int x, int y) {
  const POINT p = MousePoint(x, y);
  TCustomControl::MouseMove(shift, p.x, p.y);
}

void TVideoWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const POINT p = MousePoint(x, y);
  TCustomControl::MouseUp(button, shift, p.x, p.y);
}

void TVideoWindow::WndProc(TMessage& m) {
  if (m.Msg != WM_CONTEXTMENU || !FFullScreen) {
    TCustomControl::WndProc(m);
    return;
  }
  // Full screen has no control under the cursor to place the menu by: it opens where the
  // cursor is. Without a menu that pops up by itself the click does nothing.
  if (PopupMenu() && PopupMenu()->AutoPopup()) {
    POINT cursor;
    GetCursorPos(&cursor);
    PopupMenu()->SetPopupComponent(this);
    PopupMenu()->Popup(cursor.x, cursor.y);
    m.Result = 1;
  }
}

}  // namespace preview
