// The sample window: an edit, a list view, a combo box, a button that asks a question, and
// a status line, with the contents of sample_window.h.
#include <windows.h>
#include <commctrl.h>

#include "testing/sample-window/sample_window.h"

static HWND Control(HWND parent, const char* className, const char* text, DWORD style, int id,
                    int x, int y, int width, int height) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                         nullptr);
}

static void FillList(HWND list) {
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.cx = 120;
    header.pszText = const_cast<char*>(sample::kColumns[column]);
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
  }
  int row = 0;
  for (const auto& texts : sample::kRows) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(texts[0]);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(texts[1]);
    SendMessageA(list, LVM_SETITEMTEXTA, row++, reinterpret_cast<LPARAM>(&item));
  }
}

static void CreateControls(HWND window) {
  Control(window, "Edit", "", WS_BORDER | ES_AUTOHSCROLL, sample::kEditId, 10, 10, 300, 24);
  FillList(Control(window, WC_LISTVIEWA, "", WS_BORDER | LVS_REPORT, sample::kListId, 10, 44,
                   300, 120));
  const HWND combo = Control(window, "ComboBox", "", CBS_DROPDOWNLIST, sample::kComboId, 10, 174,
                             300, 100);
  for (const char* item : sample::kComboItems)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  Control(window, "Button", "&Ask", BS_PUSHBUTTON, sample::kAskId, 10, 210, 100, 28);
  Control(window, "Static", sample::kReady, 0, sample::kStatusId, 120, 214, 190, 20);
}

static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls(window);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == sample::kAskId && HIWORD(wParam) == BN_CLICKED) {
        const int answer = MessageBoxA(window, sample::kQuestion, sample::kQuestionCaption,
                                       MB_YESNO | MB_ICONQUESTION);
        SetDlgItemTextA(window, sample::kStatusId, answer == IDYES ? "Answer: Yes" : "Answer: No");
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = sample::kClassName;
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, sample::kClassName, sample::kCaption,
                                      WS_OVERLAPPEDWINDOW, 100, 100, 340, 290, nullptr, nullptr,
                                      instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
