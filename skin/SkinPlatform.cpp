#include "skin/SkinPlatform.h"

namespace skin {
namespace {

bool ReadNonClientMetrics(NONCLIENTMETRICSA& metrics) {
  metrics = {};
  metrics.cbSize = sizeof(metrics);
  return SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
}

void FrameWith(HDC dc, const RECT& rect, TColor color) {
  HBRUSH brush = CreateSolidBrush(ColorRef(color));
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

// "User32.dll" is loaded once for both calls and freed when the program ends.
class User32Binding {
public:
  ~User32Binding() {
    if (FModule)
      FreeLibrary(FModule);
  }

  FARPROC Bind(FARPROC& entry, const char* name) {
    if (FFailed)
      return nullptr;
    if (!entry) {
      if (!FModule)
        FModule = LoadLibraryA("User32.dll");
      entry = FModule ? GetProcAddress(FModule, name) : nullptr;
      FFailed = !entry;
    }
    return entry;
  }

private:
  HMODULE FModule = nullptr;
  bool FFailed = false;
};

User32Binding user32;
FARPROC scrollBarInfo = nullptr;
FARPROC comboBoxInfo = nullptr;

}  // namespace

void SetMenuFont(TFont* font) {
  NONCLIENTMETRICSA metrics;
  if (!ReadNonClientMetrics(metrics))
    return;
  font->SetHandle(CreateFontIndirectA(&metrics.lfMenuFont));
  font->SetColor(clMenuText);
}

void SetCaptionFont(TFont* font) {
  NONCLIENTMETRICSA metrics;
  if (ReadNonClientMetrics(metrics))
    font->SetHandle(CreateFontIndirectA(&metrics.lfCaptionFont));
}

void DrawWindowBorder(HWND handle, TColor outerColor, TColor innerColor, bool drawInner) {
  HDC dc = GetWindowDC(handle);
  RECT rect;
  GetWindowRect(handle, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  FrameWith(dc, rect, outerColor);
  if (drawInner) {
    InflateRect(&rect, -1, -1);
    FrameWith(dc, rect, innerColor);
  }
  ReleaseDC(handle, dc);
}

bool GetScrollBarInfo(HWND handle, LONG objectId, SCROLLBARINFO& info) {
  using Call = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  const auto call = reinterpret_cast<Call>(user32.Bind(scrollBarInfo, "GetScrollBarInfo"));
  return call && call(handle, objectId, &info);
}

bool GetComboBoxInfo(HWND handle, COMBOBOXINFO& info) {
  using Call = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  const auto call = reinterpret_cast<Call>(user32.Bind(comboBoxInfo, "GetComboBoxInfo"));
  return call && call(handle, &info);
}

bool IsWin95() {
  static const bool win95 = [] {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) && version.dwMajorVersion == 4 &&
           version.dwMinorVersion == 0 && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  }();
  return win95;
}

}  // namespace skin
