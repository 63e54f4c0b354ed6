// TRichEdit over riched20's "RichEdit20A": the text lives in the control; streams go in
// through EM_STREAMIN, which reads from our callback until the stream ends.
#include "framework/RichEdit.h"

#include <ole2.h>
#include <richedit.h>

#include <fstream>
#include <istream>
#include <vector>

namespace {
DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto& stream = *reinterpret_cast<std::istream*>(cookie);
  stream.read(reinterpret_cast<char*>(buffer), size);
  *read = static_cast<LONG>(stream.gcount());
  return 0;
}
}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {
  // The class is registered by the library; it stays loaded for the program's life.
  static const HMODULE library = LoadLibraryA("RICHED20.DLL");
  (void)library;
}

void TRichEdit::CreateParams(TCreateParams& params) {
  TCustomMemo::CreateParams(params);
  CreateSubClass(params, RICHEDIT_CLASSA);
}

void TRichEdit::LoadFromStream(std::istream& stream, bool rich) {
  EDITSTREAM es{};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&stream);
  es.pfnCallback = ReadStream;
  SendMessageA(Handle(), EM_STREAMIN, rich ? SF_RTF : SF_TEXT, (LPARAM)&es);
}

void TRichEdit::LoadFromFile(const std::string& fileName, bool rich) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + fileName + "\"");
  LoadFromStream(file, rich);
}

void TRichEdit::Clear() { SetWindowTextA(Handle(), ""); }

std::string TRichEdit::PlainText() {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_USECRLF, CP_ACP};
  const int count = (int)SendMessageA(Handle(), EM_GETTEXTLENGTHEX, (WPARAM)&length, 0);
  std::vector<char> text(count + 1);
  GETTEXTEX get{};
  get.cb = (DWORD)text.size();
  get.flags = GT_USECRLF;
  get.codepage = CP_ACP;
  SendMessageA(Handle(), EM_GETTEXTEX, (WPARAM)&get, (LPARAM)text.data());
  return text.data();
}

void TRichEdit::SetTextColor(int count, TColor color) {
  CHARRANGE all{0, count};
  SendMessageA(Handle(), EM_EXSETSEL, 0, (LPARAM)&all);
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = ColorRef(color);
  SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&format);
}

void TRichEdit::SetBackgroundColor(TColor color) {
  SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, ColorRef(color));
}

void TRichEdit::RenderTo(HDC dc, const RECT& twips) {
  FORMATRANGE range{};
  range.hdc = range.hdcTarget = dc;
  range.rc = range.rcPage = twips;
  range.chrg = {0, -1};
  SendMessageA(Handle(), EM_FORMATRANGE, TRUE, (LPARAM)&range);
  SendMessageA(Handle(), EM_FORMATRANGE, FALSE, 0);
}

void TRichEdit::CopyToClipboard() {
  // The control copies through the OLE clipboard, which takes nothing until OLE is set up in
  // the thread; it stays set up for the program's life, as the library stays loaded.
  static const HRESULT ole = OleInitialize(nullptr);
  (void)ole;
  CHARRANGE all{0, -1};
  SendMessageA(Handle(), EM_EXSETSEL, 0, (LPARAM)&all);
  SendMessageA(Handle(), WM_COPY, 0, 0);
  // Rendered at once, so the clipboard keeps the text after this control and the program.
  OleFlushClipboard();
}
