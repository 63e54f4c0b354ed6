#include "framework/Dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

namespace {
struct ButtonKind {
  TMsgDlgBtn button;
  const char* name;
  const char* caption;
  int result;
};
const ButtonKind kButtons[] = {
    {mbYes, "Yes", "&Yes", mrYes},         {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},              {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort}, {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore}};
// The message as a platform message box shows it: a static window with the box's text id, so
// that its text can be read like a box's, from any process.
class TMessageText : public TWinControl {
public:
  using TWinControl::TWinControl;
protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "STATIC");
    params.Style |= SS_LEFT | SS_NOPREFIX;
  }
  void CreateWnd() override {
    TWinControl::CreateWnd();
    SetWindowLongA(FHandle, GWL_ID, kMessageTextId);
  }
private:
  static constexpr int kMessageTextId = 0xFFFF;
};

const int kMargin = 10, kIconSize = 32, kButtonWidth = 75, kButtonHeight = 25, kButtonGap = 6;

class TMessageForm : public TForm {
public:
  TMessageForm(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons) : TForm(nullptr) {
    static const char* const captions[] = {"Warning", "Error", "Information", "Confirmation"};
    static const LPCSTR icons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION};
    SetCaption(type == mtCustom ? Application->Title() : captions[type]);
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    if (type != mtCustom) FIcon = LoadIconA(nullptr, icons[type]);

    // The message, wrapped at half the screen's width.
    RECT text{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    DrawTextA(dc, msg.c_str(), (int)msg.size(), &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int textLeft = kMargin + (FIcon ? kIconSize + kMargin : 0);
    auto* label = new TMessageText(this);
    label->SetName("Message");
    label->SetBounds(textLeft, kMargin, text.right, text.bottom);
    label->SetCaption(msg);
    label->SetParent(this);

    std::vector<const ButtonKind*> kinds;
    for (const ButtonKind& k : kButtons)
      if (buttons & k.button) kinds.push_back(&k);
    int count = (int)kinds.size();
    int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    int width = std::max(textLeft + (int)text.right + kMargin, rowWidth + 2 * kMargin);
    int top = kMargin + std::max((int)text.bottom, FIcon ? kIconSize : 0) + kMargin;
    SetClientSize(width, top + kButtonHeight + kMargin);
    int left = (width - rowWidth) / 2;
    TMsgDlgBtn focus = (buttons & mbOK) ? mbOK : (buttons & mbYes) ? mbYes : kinds.empty() ? mbOK : kinds[0]->button;
    TMsgDlgBtn cancel = (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : mbOK;
    for (const ButtonKind* k : kinds) {
      auto* button = new TButton(this);
      button->SetName(k->name);
      button->SetCaption(k->caption);
      button->SetBounds(left, top, kButtonWidth, kButtonHeight);
      button->SetParent(this);
      int result = k->result;
      button->OnClick = [this, result](TObject*) { SetModalResult(result); };
      FButtons.emplace_back(button, result);
      if (k->button == focus) SetActiveControl(button);
      if (k->button == cancel) FCancelResult = result;
      left += kButtonWidth + kButtonGap;
    }
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == CM_DIALOGKEY && m.WParam == VK_ESCAPE && FCancelResult != mrNone) {
      SetModalResult(FCancelResult);
      m.Result = 1;
      return;
    }
    if (m.Msg == CM_DIALOGKEY && m.WParam == VK_RETURN) {
      if (auto* button = dynamic_cast<TButton*>(ActiveControl())) {
        button->Click();
        m.Result = 1;
        return;
      }
    }
    TForm::WndProc(m);
  }

protected:
  // The buttons' window ids are their results (IDOK, IDYES...), as in a platform message box.
  void CreateHandle() override {
    TForm::CreateHandle();
    for (auto& [button, result] : FButtons) SetWindowLongA(button->Handle(), GWL_ID, result);
  }

  void Paint() override {
    if (FIcon) DrawIconEx(Canvas()->Handle(), kMargin, kMargin, FIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  }

private:
  HICON FIcon = nullptr;   // a shared system icon
  int FCancelResult = mrNone;
  std::vector<std::pair<TButton*, int>> FButtons;
};
}  // namespace

TForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
  return New<TMessageForm>(msg, type, buttons);
}

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  (void)helpContext;
  TForm* dialog = CreateMessageDialog(msg, type, buttons);
  struct Free {
    TForm* form;
    ~Free() { form->Free(); }
  } freeAtEnd{dialog};
  return dialog->ShowModal();
}

void ShowMessage(const std::string& msg) { MessageDlg(msg, mtCustom, mbOK); }

// ---------------------------------------------------------------- open and save dialogs

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

std::string TOpenDialog::PlatformFilter(const std::string& filter) {
  if (filter.empty()) return std::string();
  std::string r = filter;
  for (char& c : r)
    if (c == '|') c = '\0';
  r += '\0';
  r += '\0';
  return r;
}

UINT_PTR CALLBACK TOpenDialog::Hook(HWND wnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetPropA(wnd, "TessarkDialog", reinterpret_cast<HANDLE>(reinterpret_cast<OPENFILENAMEA*>(lParam)->lCustData));
    return 0;
  }
  // As the user selects, the buffer grows to hold the folder and the selected names (the name
  // box holds them quoted and apart, which takes more than the answer does).
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_SELCHANGE) {
    auto* dialog = static_cast<TOpenDialog*>(GetPropA(wnd, "TessarkDialog"));
    if (!dialog) return 0;
    const HWND shown = GetParent(wnd);
    const size_t folder = (size_t)SendMessageA(shown, CDM_GETFOLDERPATH, 0, 0);
    const size_t names = (size_t)SendMessageA(shown, CDM_GETSPEC, 0, 0);
    dialog->GrowNames(*reinterpret_cast<OFNOTIFYA*>(lParam)->lpOFN, folder + names + 2);
    return 0;
  }
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
    auto* dialog = static_cast<TOpenDialog*>(GetPropA(wnd, "TessarkDialog"));
    if (!dialog) return 0;
    dialog->FHandle = GetParent(wnd);
    try {
      if (dialog->OnShow) dialog->OnShow(dialog);
    } catch (...) {
      if (Application) Application->HandleException(dialog);
    }
  }
  if (msg == WM_DESTROY) RemovePropA(wnd, "TessarkDialog");
  return 0;
}

void TOpenDialog::GrowNames(OPENFILENAMEA& ofn, size_t needed) {
  if (needed <= FNames.size()) return;
  FNames.resize(std::max(needed, 2 * FNames.size()), '\0');
  ofn.lpstrFile = FNames.data();
  ofn.nMaxFile = (DWORD)FNames.size();
}

bool TOpenDialog::Execute() {
  std::string filter = PlatformFilter(FFilter);
  FNames.assign(FOptions & ofAllowMultiSelect ? 65536 : MAX_PATH * 2, '\0');
  FFileName.copy(FNames.data(), FNames.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Application->DialogOwner();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = FFilterIndex;
  ofn.lpstrFile = FNames.data();
  ofn.nMaxFile = (DWORD)FNames.size();
  ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  struct Flag { TOpenOption option; DWORD flag; };
  static const Flag flags[] = {
      {ofReadOnly, OFN_READONLY}, {ofOverwritePrompt, OFN_OVERWRITEPROMPT}, {ofHideReadOnly, OFN_HIDEREADONLY},
      {ofNoChangeDir, OFN_NOCHANGEDIR}, {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
      {ofPathMustExist, OFN_PATHMUSTEXIST}, {ofFileMustExist, OFN_FILEMUSTEXIST},
      {ofCreatePrompt, OFN_CREATEPROMPT}, {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {ofEnableSizing, OFN_ENABLESIZING}};
  for (const Flag& f : flags)
    if (FOptions & f.option) ofn.Flags |= f.flag;
  ofn.lpfnHook = Hook;
  ofn.lCustData = reinterpret_cast<LPARAM>(this);
  bool chosen = RunDialog(ofn);
  // Names typed into the name box are not announced as they grow: when they do not fit, the
  // platform refuses them, and the dialog is shown again with twice the room.
  while (!chosen && CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
    GrowNames(ofn, FNames.size() + 1);
    FNames[0] = '\0';
    chosen = RunDialog(ofn);
  }
  FHandle = nullptr;
  if (chosen) TakeResult(FNames.data(), (int)ofn.nFilterIndex);
  return chosen;
}

// A multiple choice comes as the folder, then the names, each ended by a null.
void TOpenDialog::TakeResult(const char* buffer, int filterIndex) {
  FFilterIndex = filterIndex;
  FFiles->Clear();
  std::vector<std::string> parts;
  for (const char* p = buffer; *p; p += parts.back().size() + 1) parts.emplace_back(p);
  if (parts.size() == 1) {
    FFiles->Add(parts[0]);
  } else {
    for (size_t i = 1; i < parts.size(); ++i) FFiles->Add(IncludeTrailingBackslash(parts[0]) + parts[i]);
  }
  FFileName = FFiles->Count() ? FFiles->Strings(0) : std::string();
}
