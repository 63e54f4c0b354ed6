#include "framework/Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "framework/Forms.h"

namespace {
UINT ButtonsFlag(TMsgDlgButtons b) {
  if ((b & mbAbort) || (b & mbIgnore)) return MB_ABORTRETRYIGNORE;
  if (b & mbYes) return (b & mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  if (b & mbRetry) return MB_RETRYCANCEL;
  return (b & mbCancel) ? MB_OKCANCEL : MB_OK;
}
}  // namespace

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  (void)helpContext;
  static const char* const captions[] = {"Warning", "Error", "Information", "Confirmation"};
  static const UINT icons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION};
  std::string caption = type == mtCustom ? Application->Title() : captions[type];
  UINT icon = type == mtCustom ? 0 : icons[type];
  return Application->MessageBox(msg, caption, ButtonsFlag(buttons) | icon);
}

void ShowMessage(const std::string& msg) { Application->MessageBox(msg, Application->Title(), MB_OK); }

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

bool TOpenDialog::Execute() {
  std::string filter = PlatformFilter(FFilter);
  std::vector<char> buffer(FOptions & ofAllowMultiSelect ? 65536 : MAX_PATH * 2, '\0');
  FFileName.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Application->DialogOwner();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = FFilterIndex;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = (DWORD)buffer.size();
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
  FHandle = nullptr;
  if (chosen) TakeResult(buffer.data(), (int)ofn.nFilterIndex);
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
