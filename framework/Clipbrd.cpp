#include "framework/Clipbrd.h"

#include <cstring>

#include "framework/Forms.h"

namespace {

// Open for the length of one scope. The program's window owns what is put there: opened
// without a window, the clipboard is emptied but takes no data.
class TOpenClipboard {
public:
  TOpenClipboard() : FOpen(OpenClipboard(Application->Handle()) != FALSE) {}
  ~TOpenClipboard() {
    if (FOpen) CloseClipboard();
  }
  bool Open() const { return FOpen; }
private:
  bool FOpen;
};

}  // namespace

bool TClipboard::Set(UINT format, HANDLE data) {
  TOpenClipboard open;
  if (!open.Open() || !EmptyClipboard()) return false;
  return SetClipboardData(format, data) != nullptr;
}

bool TClipboard::SetAsText(const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (Set(CF_TEXT, memory)) return true;
  GlobalFree(memory);
  return false;
}

std::string TClipboard::AsText() {
  TOpenClipboard open;
  HANDLE data = open.Open() ? GetClipboardData(CF_TEXT) : nullptr;
  const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  if (!text) return std::string();
  std::string result = text;
  GlobalUnlock(data);
  return result;
}

bool TClipboard::SetBitmap(HBITMAP bitmap) { return Set(CF_BITMAP, bitmap); }
bool TClipboard::SetMetafile(HENHMETAFILE metafile) { return Set(CF_ENHMETAFILE, metafile); }

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
