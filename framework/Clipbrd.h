// The system clipboard: text in, text out, and pictures by their handles.
#pragma once
#include <windows.h>

#include <string>

class TClipboard {
public:
  // Replaces what the clipboard holds; false when another program keeps it open.
  bool SetAsText(const std::string& text);
  // The clipboard's text; empty when it holds none.
  std::string AsText();
  // Hands a bitmap (CF_BITMAP) or an enhanced metafile (CF_ENHMETAFILE) to the clipboard,
  // which owns it afterwards.
  bool SetBitmap(HBITMAP bitmap);
  bool SetMetafile(HENHMETAFILE metafile);
private:
  bool Set(UINT format, HANDLE data);
};

TClipboard* Clipboard();
