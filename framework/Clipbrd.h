// The system clipboard: text in, text out, and pictures by their handles.
#pragma once
#include <windows.h>

#include <string>

class TBitmap;

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
  // A copy of the bitmap's picture.
  bool Assign(TBitmap* bitmap);
  // The picture of a ".WMF" (placeable or not) or enhanced metafile; EInvalidGraphic when the
  // file holds none.
  bool AssignMetafileFile(const std::string& fileName);
private:
  bool Set(UINT format, HANDLE data);
};

TClipboard* Clipboard();
