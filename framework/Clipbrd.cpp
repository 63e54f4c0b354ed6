#include "framework/Clipbrd.h"

#include <cstring>

#include <fstream>
#include <iterator>

#include "framework/Forms.h"
#include "framework/Graphics.h"

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

bool TClipboard::Assign(TBitmap* bitmap) {
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap->Handle(), IMAGE_BITMAP, 0, 0, 0));
  if (copy && SetBitmap(copy)) return true;
  if (copy) DeleteObject(copy);
  return false;
}

bool TClipboard::AssignMetafileFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // A placeable metafile begins with a 22-byte header of its own before the platform's records.
  const DWORD kPlaceable = 0x9AC6CDD7;
  const bool placeable = bytes.size() > 22 && *reinterpret_cast<const DWORD*>(bytes.data()) == kPlaceable;
  const size_t skip = placeable ? 22 : 0;
  const auto* records = reinterpret_cast<const BYTE*>(bytes.data()) + skip;
  const UINT size = static_cast<UINT>(bytes.size() - skip);
  HENHMETAFILE metafile = bytes.size() > skip ? SetEnhMetaFileBits(size, records) : nullptr;
  if (!metafile && bytes.size() > skip) metafile = SetWinMetaFileBits(size, records, nullptr, nullptr);
  if (!metafile) throw EInvalidGraphic("Invalid metafile " + fileName);
  if (SetMetafile(metafile)) return true;
  DeleteEnhMetaFile(metafile);
  return false;
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
