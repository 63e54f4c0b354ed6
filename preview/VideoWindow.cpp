// TVideoWindow as a control: its link to the graph, the renderer window's place, style and
// full screen, and the input it receives. The renderer itself is VideoWindowRenderer.cpp.
#include "preview/VideoWindow.h"

#include "framework/Forms.h"
#include "framework/Menus.h"

namespace preview {

namespace {

// Wine answers E_FAIL to a new extended style whenever the old one was 0, yet sets it: the
// call failed only when the window does not have the style afterwards.
void PutWindowStyleEx(IVideoWindow* window, LONG style) {
  HRESULT result = window->put_WindowStyleEx(style);
  LONG now = 0;
  if (FAILED(result) && SUCCEEDED(window->get_WindowStyleEx(&now)) && now == style) result = S_OK;
  CheckHResult(result);
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

TVideoWindow::~TVideoWindow() {
  // Unlinking takes the renderer out of an active graph, which may fail; nothing may leave a
  // destructor, so the failure is reported.
  try {
    SetFilterGraph(nullptr);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TVideoWindow::SetFilterGraph(TFilterGraph* value) {
  if (value == FFilterGraph) return;
  if (FFilterGraph) {
    TFilterGraph* old = std::exchange(FFilterGraph, nullptr);
    old->RemoveFreeNotification(this);
    old->RemoveFilterProvider(this);
    old->RemoveEventSink(this);
  }
  if (value) {
    value->FreeNotification(this);
    value->AddFilterProvider(this);
    value->AddEventSink(this);
  }
  FFilterGraph = value;
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
    BSTR caption = SysAllocString(name.c_str());
    const HRESULT result = FRendererWindow->put_Caption(caption);
    SysFreeString(caption);
    CheckHResult(result);
  }
  CheckHResult(FRendererWindow->put_MessageDrain((OAHWND)Handle()));
}

void TVideoWindow::SetFullScreen(bool value) {
  if (FRendererWindow && RendererConnected()) {
    IVideoWindow* window = FRendererWindow.Get();
    if (value) {
      CheckHResult(window->put_Owner(0));
      CheckHResult(window->put_WindowStyle(FSavedStyle & ~(WS_CAPTION | WS_THICKFRAME)));
      PutWindowStyleEx(window, (FSavedExStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE |
                                                  WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) |
                                   (FFullScreenTopMost ? WS_EX_TOPMOST : 0));
      CheckHResult(window->SetWindowPosition(0, 0, GetSystemMetrics(SM_CXSCREEN),
                                             GetSystemMetrics(SM_CYSCREEN)));
      FInFullScreen = true;
    } else {
      CheckHResult(window->put_Owner(Parent() ? (OAHWND)Parent()->Handle() : 0));
      CheckHResult(window->put_WindowStyle(FSavedStyle | WS_CHILD | WS_CLIPSIBLINGS));
      PutWindowStyleEx(window, FSavedExStyle);
      CheckHResult(window->SetWindowPosition(Left(), Top(), Width(), Height()));
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
