#include "framework/StdCtrls.h"

#include <algorithm>

#include "framework/ScrollBars.h"

// ---------------------------------------------------------------------------------------------
// TCustomLabel

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle |= csOpaque | csReplicatable;
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment a) { FAlignment = a; Invalidate(); }
void TCustomLabel::SetAutoSize(bool v) { FAutoSize = v; AdjustBounds(); }
void TCustomLabel::SetLayout(TTextLayout l) { FLayout = l; Invalidate(); }
void TCustomLabel::SetWordWrap(bool v) { FWordWrap = v; AdjustBounds(); Invalidate(); }
void TCustomLabel::SetShowAccelChar(bool v) { FShowAccelChar = v; AdjustBounds(); Invalidate(); }

void TCustomLabel::SetTransparent(bool v) {
  FTransparent = v;
  if (v) FControlStyle &= ~csOpaque; else FControlStyle |= csOpaque;
  Invalidate();
}

UINT TCustomLabel::TextFlags() const {
  static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | align[FAlignment];
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

// An empty caption still measures one line high.
static std::string MeasuredText(const std::string& text) { return text.empty() ? " " : text; }

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading()) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  RECT r = {0, 0, FWordWrap ? FWidth : 0, 0};
  std::string text = MeasuredText(Caption());
  DrawTextA(dc, text.c_str(), (int)text.size(), &r, TextFlags() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int left = FAlignment == taRightJustify && !FWordWrap ? FLeft + FWidth - r.right : FLeft;
  SetBounds(left, FTop, r.right, r.bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& m) {
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
    AdjustBounds();
    Invalidate();
  }
  TGraphicControl::WndProc(m);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (!FTransparent) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
  }
  HDC dc = canvas->Handle();
  std::string text = Caption();
  if (FLayout != tlTop) {
    RECT calc = r;
    std::string measured = MeasuredText(text);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    DrawTextA(dc, measured.c_str(), (int)measured.size(), &calc, TextFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    int free = r.Height() - (calc.bottom - calc.top);
    r.top += FLayout == tlBottom ? free : free / 2;
  }
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  UINT flags = TextFlags();
  if (Enabled()) {
    SetTextColor(dc, ColorRef(Font()->Color()));
    DrawTextA(dc, text.c_str(), (int)text.size(), &r, flags);
  } else {
    // The platform's disabled look: a light copy one pixel down-right under a shadow copy.
    RECT light = r;
    OffsetRect(&light, 1, 1);
    SetTextColor(dc, ColorRef(clBtnHighlight));
    DrawTextA(dc, text.c_str(), (int)text.size(), &light, flags);
    SetTextColor(dc, ColorRef(clBtnShadow));
    DrawTextA(dc, text.c_str(), (int)text.size(), &r, flags);
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

// ---------------------------------------------------------------------------------------------
// TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight;
  SetBounds(0, 0, 121, 21);
  FTabStop = true;
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | (FReadOnly ? ES_READONLY : 0);
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(FHandle, EM_LIMITTEXT, FMaxLength, 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int n) {
  FMaxLength = n;
  if (HandleAllocated()) SendMessageA(FHandle, EM_LIMITTEXT, n, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle s) {
  if (FBorderStyle == s) return;
  FBorderStyle = s;
  if (HandleAllocated()) RecreateWnd();
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, (WPARAM)&start, 0);
  return (int)start;
}

void TCustomEdit::SetSelStart(int start) { SendMessageA(Handle(), EM_SETSEL, start, start); }

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  return (int)(end - start);
}

void TCustomEdit::SetSelLength(int length) {
  int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, start, start + length);
}

std::string TCustomEdit::SelText() { return Text().substr(SelStart(), SelLength()); }

void TCustomEdit::SetSelText(const std::string& s) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, (LPARAM)s.c_str());
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }
bool TCustomEdit::Modified() { return SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0; }
void TCustomEdit::SetModified(bool v) { SendMessageA(Handle(), EM_SETMODIFY, v, 0); }

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && m.WParamHi() == EN_CHANGE) {
    Change();
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TCustomMemo: Lines edit the memo's text as a whole, so the window stays the one store.

namespace {
class TMemoLines : public TStrings {
  template <class F> auto Read(F query) const {
    TStringList l;
    l.SetText(FMemo->Text());
    return query(l);
  }
  template <class F> void Edit(F change) {
    TStringList l;
    l.SetText(FMemo->Text());
    change(l);
    FMemo->SetText(l.Text());
  }
  TCustomMemo* FMemo;

public:
  explicit TMemoLines(TCustomMemo* memo) : FMemo(memo) {}
  int Count() const override { return Read([](TStringList& l) { return l.Count(); }); }
  std::string Get(int i) const override { return Read([i](TStringList& l) { return l.Get(i); }); }
  void Put(int i, const std::string& s) override { Edit([&](TStringList& l) { l.Put(i, s); }); }
  void Insert(int i, const std::string& s) override { Edit([&](TStringList& l) { l.Insert(i, s); }); }
  void Delete(int i) override { Edit([&](TStringList& l) { l.Delete(i); }); }
  void Clear() override { FMemo->SetText(""); }
  void SetText(const std::string& text) override { FMemo->SetText(text); }
};
}  // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(new TMemoLines(this)) {
  FControlStyle &= ~csFixedHeight;
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth)
    params.Style &= ~ES_AUTOHSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) params.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
  FScrollBars = s;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
  FWordWrap = v;
  if (HandleAllocated()) RecreateWnd();
}

// ---------------------------------------------------------------------------------------------
// Buttons

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // Clicks come from BN_CLICKED, not from the mouse handling.
  FControlStyle = csSetCaption | csDoubleClicks;
  FTabStop = true;
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && m.WParamHi() == BN_CLICKED) {
    Click();
    return;
  }
  TButtonControl::WndProc(m);
}

TStateButton::TStateButton(TComponent* AOwner, DWORD buttonStyle)
    : TButtonControl(AOwner), FButtonStyle(buttonStyle) {
  SetBounds(0, 0, 97, 17);
}

void TStateButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= FButtonStyle | (FAlignment == taLeftJustify ? BS_LEFTTEXT : 0);
}

void TStateButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TStateButton::Checked() const {
  return FHandle ? SendMessageA(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED : FChecked;
}

void TStateButton::SetChecked(bool v) {
  FChecked = v;
  if (HandleAllocated()) SendMessageA(FHandle, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TStateButton::SetAlignment(TAlignment a) {
  FAlignment = a;
  if (HandleAllocated()) RecreateWnd();
}

void TStateButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && m.WParamHi() == BN_CLICKED) {
    FChecked = SendMessageA(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click();
    return;
  }
  TButtonControl::WndProc(m);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TStateButton(AOwner, BS_AUTORADIOBUTTON) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::UncheckSiblings() {
  if (!FParent) return;
  for (int i = 0; i < FParent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TRadioButton*>(FParent->Controls(i));
    if (other && other != this) other->TStateButton::SetChecked(false);
  }
}

void TRadioButton::SetChecked(bool v) {
  TStateButton::SetChecked(v);
  if (v) UncheckSiblings();
}

void TRadioButton::WndProc(TMessage& m) {
  bool clicked = m.Msg == CN_COMMAND && m.WParamHi() == BN_CLICKED;
  TStateButton::WndProc(m);
  if (clicked && FChecked) UncheckSiblings();
}

// ---------------------------------------------------------------------------------------------
// TPlatformListControl

class TPlatformListControl::TListControlStrings : public TStrings {
public:
  explicit TListControlStrings(TPlatformListControl* c) : C(c) {}
  int Count() const override {
    return Live() ? (int)Send(C->FMessages.getCount) : FSaved.Count();
  }
  std::string Get(int i) const override {
    if (!Live()) return FSaved.Get(i);
    LRESULT len = Send(C->FMessages.getTextLen, i);
    if (len == (LRESULT)C->FMessages.errorCode || len < 0)
      throw EListError("List index out of bounds (" + IntToStr(i) + ")");
    std::string s(len + 1, '\0');
    Send(C->FMessages.getText, i, (LPARAM)&s[0]);
    s.resize(len);
    return s;
  }
  void Put(int i, const std::string& s) override {
    int selected = C->ItemIndex();
    Delete(i);
    Insert(i, s);
    C->SetItemIndex(selected);
  }
  int Add(const std::string& s) override {
    return Live() ? (int)Send(C->FMessages.addString, 0, (LPARAM)s.c_str()) : FSaved.Add(s);
  }
  void Insert(int i, const std::string& s) override {
    if (Live()) Send(C->FMessages.insertString, i, (LPARAM)s.c_str());
    else FSaved.Insert(i, s);
  }
  void Delete(int i) override {
    if (Live()) Send(C->FMessages.deleteString, i);
    else FSaved.Delete(i);
  }
  void Clear() override {
    if (Live()) Send(C->FMessages.resetContent);
    else FSaved.Clear();
  }
  // The window is going: keep its items.
  void Save() { FSaved.Clear(); for (int i = 0, n = Count(); i < n; ++i) FSaved.Add(Get(i)); }
  // The window is new: hand it the kept items.
  void Restore() {
    for (int i = 0; i < FSaved.Count(); ++i) Send(C->FMessages.addString, 0, (LPARAM)FSaved.Get(i).c_str());
    FSaved.Clear();
  }
private:
  bool Live() const { return C->HandleAllocated(); }
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageA(C->FHandle, msg, w, l); }
  TPlatformListControl* C;
  TStringList FSaved;
};

TPlatformListControl::TPlatformListControl(TComponent* AOwner)
    : TCustomListControl(AOwner), FItems(new TListControlStrings(this)) {
  FControlStyle = csSetCaption | csDoubleClicks | csOpaque;
  FTabStop = true;
  SetColor(clWindow);
}

TPlatformListControl::~TPlatformListControl() = default;

TStrings* TPlatformListControl::Items() const { return FItems.get(); }

void TPlatformListControl::CreateWnd() {
  TCustomListControl::CreateWnd();
  FItems->Restore();
  if (FSavedIndex >= 0) SendMessageA(FHandle, FMessages.setCurSel, FSavedIndex, 0);
}

void TPlatformListControl::DestroyWnd() {
  FSavedIndex = ItemIndex();
  FItems->Save();
  TCustomListControl::DestroyWnd();
}

int TPlatformListControl::ItemIndex() const {
  return HandleAllocated() ? (int)SendMessageA(FHandle, FMessages.getCurSel, 0, 0) : FSavedIndex;
}

void TPlatformListControl::SetItemIndex(int i) {
  if (HandleAllocated()) SendMessageA(FHandle, FMessages.setCurSel, i, 0);
  else FSavedIndex = i;
}

// ---------------------------------------------------------------------------------------------
// TCustomComboBox

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TPlatformListControl(AOwner) {
  FMessages = {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ADDSTRING, CB_INSERTSTRING,
               CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL, (UINT)CB_ERR};
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TPlatformListControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  params.Style |= styles[FStyle] | CBS_AUTOHSCROLL | WS_VSCROLL;
  params.Height = DroppedHeight();
}

int TCustomComboBox::DroppedHeight() const {
  if (FStyle == csSimple) return FHeight;
  int itemHeight = FHandle ? (int)SendMessageA(FHandle, CB_GETITEMHEIGHT, 0, 0) : 16;
  return FHeight + FDropDownCount * itemHeight + 2;
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TPlatformListControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  // The platform keeps the closed height itself; the window's height sizes the dropped list.
  if (HandleAllocated() && FStyle != csSimple)
    SetWindowPos(FHandle, nullptr, 0, 0, FWidth, DroppedHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetStyle(TComboBoxStyle s) {
  if (FStyle == s) return;
  FStyle = s;
  if (HandleAllocated()) RecreateWnd();
}

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool v) { SendMessageA(Handle(), CB_SHOWDROPDOWN, v, 0); }

void TCustomComboBox::SetItemIndex(int i) {
  TPlatformListControl::SetItemIndex(i);
  // An editable combo shows no text for "no item".
  if (i < 0 && FStyle != csDropDownList && HandleAllocated()) SetText("");
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    switch (m.WParamHi()) {
      case CBN_SELCHANGE: {
        // The edit part shows the new item only after this notification; show it now.
        int i = ItemIndex();
        if (FStyle != csDropDownList && i >= 0) SetText(Items()->Get(i));
        Change();
        return;
      }
      case CBN_EDITCHANGE: Change(); return;
      case CBN_DROPDOWN: if (OnDropDown) OnDropDown(this); return;
      case CBN_CLOSEUP: if (OnCloseUp) OnCloseUp(this); return;
    }
  }
  TPlatformListControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TCustomListBox

TCustomListBox::TCustomListBox(TComponent* AOwner) : TPlatformListControl(AOwner) {
  FMessages = {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_ADDSTRING, LB_INSERTSTRING,
               LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL, (UINT)LB_ERR};
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TPlatformListControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && m.WParamHi() == LBN_SELCHANGE) {
    Click();
    return;
  }
  TPlatformListControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                  csDoubleClicks | csReplicatable;
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_GROUPBOX;
}

void TCustomGroupBox::WndProc(TMessage& m) {
  // The platform's group box draws its frame and caption only.
  if (m.Msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(FHandle, &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, Brush()->Handle());
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) {
  TWinControl::AdjustClientRect(rect);
  // Below the caption line, inside the frame.
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  SIZE size{};
  GetTextExtentPoint32A(dc, "0", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  rect.top += size.cy;
  InflateRect(&rect, -2, -2);
}

// ---------------------------------------------------------------------------------------------
// TScrollBar

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = csFramed | csDoubleClicks | csOpaque;
  FTabStop = true;
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "SCROLLBAR");
  params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyScrollInfo();
}

void TScrollBar::ApplyScrollInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{sizeof si, SIF_ALL, FMin, FMax, (UINT)FPageSize, FPosition, 0};
  SetScrollInfo(FHandle, SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind k) {
  if (FKind == k) return;
  FKind = k;
  SetBounds(FLeft, FTop, FHeight, FWidth);
  if (HandleAllocated()) RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) throw EInvalidOperation("Scroll bar property out of range");
  int last = std::max(min, max - std::max(FPageSize - 1, 0));
  position = std::min(std::max(position, min), last);
  bool changed = position != FPosition;
  FMin = min;
  FMax = max;
  FPosition = position;
  ApplyScrollInfo();
  if (changed && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int v) {
  FPageSize = v;
  SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Scroll(int code) {
  int pos = FPosition;
  switch (code) {
    case SB_LINEUP: pos -= FSmallChange; break;
    case SB_LINEDOWN: pos += FSmallChange; break;
    case SB_PAGEUP: pos -= FLargeChange; break;
    case SB_PAGEDOWN: pos += FLargeChange; break;
    case SB_TOP: pos = FMin; break;
    case SB_BOTTOM: pos = FMax; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = ScrollTrackPosition(FHandle, SB_CTL); break;
    default: return;
  }
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    Scroll(m.WParamLo());
    return;
  }
  TWinControl::WndProc(m);
}
