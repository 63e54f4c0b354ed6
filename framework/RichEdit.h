#pragma once
// TRichEdit: the platform's rich edit control (riched20). Text comes in as rich text (RTF) or
// plain text from a stream or a file; it reads back as plain text, renders into a rectangle of
// another device context, and copies to the clipboard.
#include <iosfwd>
#include <string>

#include "framework/StdCtrls.h"

class TRichEdit : public TCustomMemo {
public:
  explicit TRichEdit(TComponent* AOwner);
  // Replaces the text with the stream's bytes, read as RTF when rich, else as plain text.
  void LoadFromStream(std::istream& stream, bool rich = true);
  // EInOutError when the file cannot be opened.
  void LoadFromFile(const std::string& fileName, bool rich = true);
  void Clear();
  // The text without its formatting, lines ended by carriage return and line feed.
  std::string PlainText();
  // Colours the first count characters' text.
  void SetTextColor(int count, TColor color);
  void SetBackgroundColor(TColor color);
  // Renders the whole text into rect (twips) of dc; then lets go of the cached layout.
  void RenderTo(HDC dc, const RECT& twips);
  // The whole text, as rich text and as plain text; the clipboard keeps it once this is freed.
  void CopyToClipboard();
protected:
  void CreateParams(TCreateParams& params) override;
};
