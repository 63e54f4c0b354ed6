// Dragging a control onto another: BeginDrag captures the mouse on the source's window and
// runs its own message loop until the button is released; the target is the framework
// control under the cursor, asked at every move whether it would take the drop.
#include "framework/Controls.h"

#include <windowsx.h>

#include <cstdlib>

#include "framework/Forms.h"

namespace {

// The one drag running, while BeginDrag's loop runs.
struct TDragRun {
  TControl* Source = nullptr;
  HWND Window = nullptr;  // holds the capture
  bool Started = false;   // moved past the threshold
  TControl* Target = nullptr;
  bool Accepted = false;
  TPoint Screen;          // where the cursor was last
};

TDragRun* gDrag = nullptr;

HWND WindowOf(const TControl* c) {
  const TWinControl* windowed = c->IsWindowed() ? static_cast<const TWinControl*>(c) : c->Parent();
  return windowed ? const_cast<TWinControl*>(windowed)->Handle() : nullptr;
}

// The framework control under the screen point: the deepest window that is one, or its
// graphic child there.
TControl* ControlAt(const TPoint& screen) {
  HWND wnd = WindowFromPoint(screen);
  TWinControl* windowed = nullptr;
  while (wnd && !(windowed = TWinControl::FindControl(wnd))) wnd = GetParent(wnd);
  if (!windowed) return nullptr;
  if (TControl* graphic = windowed->ControlAtPos(windowed->ScreenToClient(screen), false))
    return graphic;
  return windowed;
}

// Asks the target under the cursor, telling the one left behind that the drag left it.
void MoveDrag(const TPoint& screen) {
  gDrag->Screen = screen;
  TControl* target = ControlAt(screen);
  if (target != gDrag->Target && gDrag->Target) {
    bool ignored = false;
    const TPoint p = gDrag->Target->ScreenToClient(screen);
    gDrag->Target->DragOver(gDrag->Source, p.x, p.y, dsDragLeave, ignored);
  }
  const TDragState state = target == gDrag->Target ? dsDragMove : dsDragEnter;
  gDrag->Target = target;
  gDrag->Accepted = false;
  if (target) {
    const TPoint p = target->ScreenToClient(screen);
    target->DragOver(gDrag->Source, p.x, p.y, state, gDrag->Accepted);
  }
  SetCursor(Screen->Cursors(gDrag->Accepted ? gDrag->Source->DragCursor() : crNoDrop));
}

// The drag is over on every path out of BeginDrag: the capture goes, the state with it.
class TDragScope {
public:
  explicit TDragScope(TDragRun& run) { gDrag = &run; }
  ~TDragScope() {
    if (gDrag && GetCapture() == gDrag->Window) ReleaseCapture();
    gDrag = nullptr;
  }
};

}  // namespace

bool TControl::Dragging() const { return gDrag && gDrag->Source == this; }

void TControl::BeginDrag(bool immediate, int threshold) {
  if (gDrag) return;
  TDragRun run;
  run.Source = this;
  run.Window = WindowOf(this);
  if (!run.Window) return;
  run.Started = immediate;
  if (threshold < 0) threshold = GetSystemMetrics(SM_CXDRAG);
  POINT start;
  GetCursorPos(&start);
  TDragScope scope(run);
  SetCapture(run.Window);
  if (immediate) MoveDrag(TPoint(start.x, start.y));
  MSG msg;
  while (Dragging()) {
    if (GetCapture() != run.Window) {
      EndDrag(false);
      break;
    }
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      EndDrag(false);
      break;
    }
    // With the capture, mouse messages come to the capturing window in its coordinates,
    // posted ones as much as those of the real mouse.
    POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.hwnd == run.Window) ::ClientToScreen(run.Window, &at);
    switch (msg.message) {
      case WM_MOUSEMOVE:
        if (!run.Started && std::abs(at.x - start.x) <= threshold &&
            std::abs(at.y - start.y) <= threshold)
          break;
        run.Started = true;
        MoveDrag(TPoint(at.x, at.y));
        break;
      case WM_LBUTTONUP:
        if (!run.Started) {
          // Not a drag after all: the release belongs to a click.
          gDrag = nullptr;
          ReleaseCapture();
          DispatchMessageA(&msg);
          return;
        }
        MoveDrag(TPoint(at.x, at.y));
        EndDrag(true);
        break;
      case WM_RBUTTONDOWN:
        EndDrag(false);
        break;
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) EndDrag(false);
        break;
      default:
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
  }
}

void TControl::EndDrag(bool drop) {
  if (!Dragging()) return;
  // The capture goes before the drop is handled, so that the drop may do anything a click
  // may, a modal box included.
  const TDragRun run = *gDrag;
  gDrag = nullptr;
  if (GetCapture() == run.Window) ReleaseCapture();
  TControl* target = drop && run.Started && run.Accepted ? run.Target : nullptr;
  if (!target && run.Target) {
    bool ignored = false;
    const TPoint p = run.Target->ScreenToClient(run.Screen);
    run.Target->DragOver(this, p.x, p.y, dsDragLeave, ignored);
  }
  if (target) {
    const TPoint p = target->ScreenToClient(run.Screen);
    target->DragDrop(this, p.x, p.y);
  }
  if (OnEndDrag) {
    const TPoint p = ScreenToClient(run.Screen);
    OnEndDrag(this, target, p.x, p.y);
  }
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
  if (OnDragDrop) OnDragDrop(this, source, x, y);
}
