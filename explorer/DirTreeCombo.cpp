#include "explorer/DirTreeCombo.h"

#include <shellapi.h>
#include <shlobj.h>

#include "explorer/FileListView.h"
#include "explorer/FolderNodes.h"
#include "explorer/ShellHelpers.h"
#include "explorer/core/ComboGeometry.h"
#include "explorer/core/TreeKeys.h"

using namespace explorer;

namespace {

constexpr WORD kComboArrowBitmap = 32738;  // OBM_COMBO

TPoint MousePoint(LPARAM l) { return TPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))); }

TPoint CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

// The window on the screen, its border and scroll bars included.
TRect ScreenBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The system's combo-box arrow as a glyph.
void LoadComboArrow(TBitmap& glyph) {
  HBITMAP arrow = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kComboArrowBitmap));
  if (!arrow) return;
  BITMAP info{};
  GetObjectA(arrow, sizeof info, &info);
  glyph.SetSize(info.bmWidth, info.bmHeight);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, arrow);
  BitBlt(glyph.Canvas()->Handle(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(arrow);
  // A black arrow on white; some systems draw a bar under it, so the bottom-left pixel (the
  // automatic transparent colour) may be the arrow's own.
  glyph.SetTransparentColor(clWhite);
}

TTreeKey TreeKeyOf(WORD key) {
  switch (key) {
    case VK_RETURN: return TTreeKey::Enter;
    case VK_ESCAPE: return TTreeKey::Escape;
    case VK_LEFT: return TTreeKey::Left;
    case VK_UP: return TTreeKey::Up;
    case VK_RIGHT: return TTreeKey::Right;
    case VK_DOWN: return TTreeKey::Down;
    case VK_F4: return TTreeKey::F4;
    default: return TTreeKey::Other;
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TDropSpeedButton

void TDropSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == WM_RBUTTONUP) return;
  TSpeedButton::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TDirTreeDropView

TDirTreeDropView::TDirTreeDropView(TComponent* AOwner, TDirTreeCombo* combo)
    : TCustomTreeView(AOwner), FCombo(combo) {
  SetVisible(false);
  SetEnabled(false);
  SetTabStop(false);
  SetReadOnly(true);
}

void TDirTreeDropView::CreateParams(TCreateParams& params) {
  TCustomTreeView::CreateParams(params);
  params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER | TVS_TRACKSELECT;
  params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TDirTreeDropView::SetExpandRoot(bool v) {
  FExpandRoot = v;
  if (!v) return;
  if (TTreeNode* root = Items()->GetFirstNode()) root->Expand(false);
}

TNodeKind TDirTreeDropView::NodeKind(TTreeNode* node) const { return NodeKindOf(node); }

std::vector<TNodeName> TDirTreeDropView::ChildNames(TTreeNode* node) const { return explorer::ChildNames(Items(), node); }

std::string TDirTreeDropView::GetNodePath(TTreeNode* node) {
  FWorkPath = NodePath(NamesFromTop(node));
  return FWorkPath;
}

void TDirTreeDropView::BuildDriveTree() {
  Items()->BeginUpdate();
  Items()->Clear();
  AddDriveNodes(Items(), AddComputerNode(Items()));
  Items()->EndUpdate();
}

void TDirTreeDropView::NodeExpanding(TObject*, TTreeNode* node, bool& allow) {
  allow = true;
  if (!node->GetFirstChild()) LoadSubFolders(Items(), GetNodePath(node), node);
}

void TDirTreeDropView::CloseUp() {
  const bool hadFocus = GetFocus() == Handle();
  if (GetCapture() == Handle()) ReleaseCapture();
  FMouseInside = false;
  SetEnabled(false);
  SetVisible(false);
  if (hadFocus) FCombo->SetFocus();
}

// Entering the open tree lets the capture go, so that the platform hands clicks to the part under
// the pointer (the scroll bar among them); leaving takes it back, so that the next click
// anywhere comes here and closes the tree. The framework's own enter and leave follow its
// tracking, which the capture confuses; the pointer's place decides.
void TDirTreeDropView::FollowPointer(const TPoint& screen) {
  FMouseInside = IsOpen() && ScreenBounds(Handle()).Contains(screen);
  const bool holding = GetCapture() == Handle();
  if (FMouseInside && holding) ReleaseCapture();
  if (!FMouseInside && IsOpen() && !holding) SetCapture(Handle());
  if (FMouseInside) WatchLeave(screen);
}

// Without the capture, only the platform's leave notice tells that the pointer went; over the
// scroll bar that is the non-client one.
void TDirTreeDropView::WatchLeave(const TPoint& screen) {
  const LRESULT hit = SendMessageA(Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  TRACKMOUSEEVENT t{sizeof t, static_cast<DWORD>(TME_LEAVE | (hit == HTCLIENT ? 0 : TME_NONCLIENT)), Handle(), 0};
  TrackMouseEvent(&t);
}

void TDirTreeDropView::SelectNodeUnder(const TPoint& client) {
  if (!FMouseInside || !IsOpen() || !(GetHitTestInfoAt(client.x, client.y) & htOnLabel)) return;
  TTreeNode* node = GetNodeAt(client.x, client.y);
  if (node && node != Selected()) node->SetSelected(true);
}

void TDirTreeDropView::LeftButtonDown(TMessage& m) {
  const TPoint p = MousePoint(m.LParam), screen = ClientToScreen(p);
  FollowPointer(screen);
  if (!FMouseInside) {
    CloseUp();
    return;
  }
  const LRESULT hit = SendMessageA(Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (hit != HTCLIENT) {
    // A press on the scroll bar or border that came here under the capture, before the move
    // that lets it go: the platform's own handling of such a press scrolls.
    Perform(WM_NCLBUTTONDOWN, hit, MAKELPARAM(screen.x, screen.y));
    FollowPointer(CursorPos());
    return;
  }
  TCustomTreeView::WndProc(m);
  if (GetHitTestInfoAt(p.x, p.y) & htOnItem) {
    FCombo->SetFocus();
    FCombo->PickSelected(this);
    return;
  }
  // An expand button or blank space: the tree stays open; where the pointer went while the
  // platform tracked the click decides the capture again.
  FollowPointer(CursorPos());
}

void TDirTreeDropView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      if (IsOpen()) {
        LeftButtonDown(m);
        return;
      }
      break;
    case WM_MOUSEMOVE: {
      // Under the capture the point may lie anywhere on the screen.
      const TPoint p = MousePoint(m.LParam);
      FollowPointer(ClientToScreen(p));
      SelectNodeUnder(p);
      break;
    }
    case WM_NCMOUSEMOVE:
      FollowPointer(MousePoint(m.LParam));
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
      FollowPointer(CursorPos());
      break;
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(m.WParam);
      FCombo->KeyDown(key, KeyDataToShiftState(m.LParam));
      m.Result = 0;
      return;
    }
    case WM_CHAR:
      return;   // the keys went to the combo's key handling
    case WM_KILLFOCUS:
      if (IsOpen() && reinterpret_cast<HWND>(m.WParam) != FCombo->Handle()) CloseUp();
      break;
  }
  TCustomTreeView::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TDirTreeCombo

TDirTreeCombo::TDirTreeCombo(TComponent* AOwner)
    : TCustomEdit(AOwner), FAbout("Version 2.8.7.0") {
  SetBounds(Left(), Top(), kComboDefaultWidth, kComboDefaultHeight);
  SetTabStop(true);
  SetReadOnly(true);
  FButton = new TDropSpeedButton(this);
  FButton->SetParent(this);
  FTree = new TDirTreeDropView(this, this);
  FTree->SetBounds(0, Top() + Height(), 0, kDefaultTreeHeight);

  char windows[MAX_PATH + 1] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  FWinDir = AddSlash(windows);
  SHFILEINFOA info{};
  auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA(FWinDir.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  FImages = new TImageList(this);
  FImages->SetShareImages(true);
  FImages->SetBkColor(clNone);
  FImages->SetBlendColor(clHighlight);
  FImages->SetHandle(list);
  FTree->SetImages(FImages);
}

TDirTreeCombo::~TDirTreeCombo() = default;

void TDirTreeCombo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TDirTreeCombo::CreateWindowHandle(const TCreateParams& params) {
  TCustomEdit::CreateWindowHandle(params);
  if (!FHandle) return;
  const TBox button = DropButtonAtCreation(Width());
  FButton->SetBounds(button.Left, button.Top, button.Width, button.Height);
  FButton->SetCursor(crArrow);
  FButton->SetDown(false);
  FButton->OnClick = [this](TObject*) { ToggleDropDown(); };
  TBitmap arrow;
  LoadComboArrow(arrow);
  FButton->SetGlyph(&arrow);
  FButton->SetNumGlyphs(1);

  FTree->SetParentWindow(FHandle);
  FTree->SetBounds(0, 0, 0, FTree->Height());
  FTree->HandleNeeded();
  FTree->BuildDriveTree();
  FTree->OnExpanding = Handler(FTree, &TDirTreeDropView::NodeExpanding);
  FTree->SetExpandRoot(true);
  TTreeNode* root = FTree->Items()->GetFirstNode();
  if (!FTree->Selected() && root) ShowNode(root->Text(), root->ImageIndex());
}

void TDirTreeCombo::CreateWnd() {
  TCustomEdit::CreateWnd();
  SetEditRect();
}

void TDirTreeCombo::DestroyWnd() {
  // The tree's window is owned by ours' form: it goes first, while the framework knows it.
  FTree->DestroyHandle();
  TCustomEdit::DestroyWnd();
}

void TDirTreeCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Parent()) return;
  const TBox button = DropButtonForSize({FButton->Left(), FButton->Top(), FButton->Width(), FButton->Height()},
                                        Width(), Height());
  FButton->SetBounds(button.Left, button.Top, button.Width, button.Height);
  SetEditRect();
}

void TDirTreeCombo::SetSelectedPath(const std::string& path) {
  if (!explorer::SameText(path, FTree->FSelectedPath)) FTree->FSelectedPath = path;
  if (FFileList) FFileList->SetDirectory(path);
}

void TDirTreeCombo::SetFileList(TFileListView* list) {
  if (list == FFileList) return;
  TFileListView* old = FFileList;
  FFileList = list;
  // The list unlinked here lets go of this combo too.
  if (old) {
    old->RemoveFreeNotification(this);
    if (old->DirTreeCombo() == this) old->SetDirTreeCombo(nullptr);
  }
  if (!list) return;
  list->FreeNotification(this);
  if (list->DirTreeCombo() != this) list->SetDirTreeCombo(this);
  if (!SelectedPath().empty()) {
    list->SetDirectory(SelectedPath());
    list->UpdateFileList();
  }
}

void TDirTreeCombo::Notification(TComponent* c, TOperation op) {
  TCustomEdit::Notification(c, op);
  if (op == opRemove && c == FFileList) FFileList = nullptr;
}

void TDirTreeCombo::SetGlyph(TBitmap* b) {
  if (b && !b->Empty()) FButton->SetGlyph(b);
}

bool TDirTreeCombo::HasIcon() { return FImageIndex >= 0 && FImageIndex < FImages->Count(); }

void TDirTreeCombo::SetEditRect() {
  if (!HandleAllocated()) return;
  const TTextRect t = EditTextRect(HasIcon(), ClientWidth(), ClientHeight(), FButton->Width());
  RECT r{t.Left, t.Top, t.Right, t.Bottom};
  SendMessageA(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TDirTreeCombo::ShowNode(const std::string& text, int image) {
  FImageIndex = image;
  SetText(text);
  SetEditRect();
  Invalidate();
}

void TDirTreeCombo::PaintIcon() {
  if (!HasIcon()) return;
  FImages->Draw(ControlCanvas(), kIconLeft, IconTop(ClientHeight()), FImageIndex);
}

void TDirTreeCombo::ToggleDropDown() {
  TWinControl* parent = Parent();
  if (!parent) return;
  const TPoint below = parent->ClientToScreen(TPoint(Left(), Top() + Height()));
  const TPoint above = parent->ClientToScreen(TPoint(Left(), Top() - TreeHeight()));
  const int top = DropDownTop(below.y, above.y, TreeHeight(), GetSystemMetrics(SM_CYSCREEN));
  FTree->SetBounds(below.x, top, Width(), TreeHeight());
  if (FTree->IsOpen()) {
    FTree->CloseUp();
    return;
  }
  FTree->SetEnabled(true);
  FTree->SetVisible(true);
  SetWindowPos(FTree->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (GetFocus() != FTree->Handle()) ::SetFocus(FTree->Handle());
  SetCapture(FTree->Handle());
}

bool TDirTreeCombo::PickSelected(TObject* sender) {
  TTreeNode* node = FTree->Selected();
  if (!node) return false;
  // What the event handler may not change under us.
  const std::string path = FTree->GetNodePath(node);
  const std::string text = node->Text();
  const int image = node->ImageIndex();
  const bool drive = FTree->NodeKind(node) == TNodeKind::Drive;
  const bool byClick = sender == FTree;

  FTree->FSelectedPath = path;
  if (FFileList) FFileList->SetDirectory(path);
  if (byClick) ShowNode(text, image);
  if (OnPathChange) OnPathChange(sender, path);
  FTree->CloseUp();
  const bool ready = !drive || GetDriveTypeA(path.c_str()) != DRIVE_REMOVABLE || DriveReady(path[0], true);
  if (!byClick && ready) ShowNode(text, image);
  return ready;
}

void TDirTreeCombo::OpenPath(const std::string& path) {
  if (path.size() <= 1 || !DirectoryExists(path)) return;
  const std::string full = AddSlash(path);
  TTreeNode* current = OpenPathNodes(FTree->Items(), full);
  if (!current) return;
  ShowNode(current->Text(), current->ImageIndex());
  SetSelectedPath(full);
  if (OnPathChange) OnPathChange(this, FTree->FSelectedPath);
}

void TDirTreeCombo::RebuildTree() {
  FTree->SetSelected(nullptr);
  FTree->Items()->Clear();
  FTree->BuildDriveTree();
  FTree->OnExpanding = Handler(FTree, &TDirTreeDropView::NodeExpanding);
}

void TDirTreeCombo::KeyDown(WORD& key, TShiftState shift) {
  TTreeNode* node = FTree->Selected();
  if (!node) {
    TCustomEdit::KeyDown(key, shift);
    return;
  }
  TSelectionState state;
  state.IsRoot = FTree->NodeKind(node) == TNodeKind::Computer;
  auto isRoot = [&](TTreeNode* n) { return n && FTree->NodeKind(n) == TNodeKind::Computer; };
  state.RootPrecedes = isRoot(node->GetPrevSibling()) || isRoot(node->GetPrevVisible());
  state.Expanded = node->Expanded();
  state.HasNext = node->GetNext() != nullptr;
  state.HasNextVisible = node->GetNextVisible() != nullptr;
  const TKeyPlan plan = PlanKey(TreeKeyOf(key), state);

  if (plan.Pick && !PickSelected(this)) return;   // a drive that is not ready
  if (plan.Close && FTree->IsOpen()) FTree->CloseUp();
  if (plan.Collapse) node->Collapse(true);
  if (plan.Expand) node->Expand(false);
  if (plan.Toggle) {
    ToggleDropDown();
    if (FTree->Visible() && GetFocus() != FTree->Handle()) ::SetFocus(FTree->Handle());
  }
  TTreeNode* target = nullptr;
  switch (plan.Move) {
    case TTreeMove::PreviousVisible: target = node->GetPrevVisible(); break;
    case TTreeMove::FirstChild: target = node->GetFirstChild() ? node->GetFirstChild() : node->GetNextVisible(); break;
    case TTreeMove::NextVisible: target = node->GetNextVisible(); break;
    case TTreeMove::None: break;
  }
  if (target) target->SetSelected(true);
  if (plan.Inherited) TCustomEdit::KeyDown(key, shift);
}

void TDirTreeCombo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:   // the edit's own menu, also from Shift+F10
      m.Result = 0;
      return;
    case WM_KILLFOCUS:
      if (FTree->IsOpen() && reinterpret_cast<HWND>(m.WParam) != FTree->Handle()) FTree->CloseUp();
      break;
    case WM_GETDLGCODE:
      // Multi-line only so the text rectangle can be set: Tab still moves on.
      TCustomEdit::WndProc(m);
      m.Result &= ~DLGC_WANTTAB;
      return;
    case WM_PAINT:
      TCustomEdit::WndProc(m);
      PaintIcon();
      return;
    case WM_SIZE:
    case WM_SETFONT:   // the edit sets its text rectangle anew on both
      TCustomEdit::WndProc(m);
      SetEditRect();
      return;
  }
  TCustomEdit::WndProc(m);
}
