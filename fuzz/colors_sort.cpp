// Colour texts of the mark-up and the cell texts a sort compares. Fields: the first byte picks
// the sort style, then two cell texts, a prefix and a suffix.
#include "fuzz/FuzzInput.h"
#include "listview/core/Colors.h"
#include "listview/core/SortCompare.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text = fuzz::Text(data + 1, size - 1);
  listview::ColorFromHex(text);
  listview::ColorFromName(text);
  const std::vector<std::string> fields = fuzz::Fields(text);
  listview::TSortFormat format;
  format.Style = static_cast<listview::TSortStyle>(data[0] % (listview::ssRaw + 1));
  format.Prefix = fuzz::Field(fields, 2);
  format.Suffix = fuzz::Field(fields, 3);
  listview::TNumberSeparators separators;
  if (data[0] & 0x80) separators = {",", "."};
  const std::string a = fuzz::Field(fields, 0), b = fuzz::Field(fields, 1);
  listview::CompareCellTexts(a, b, format, separators);
  listview::CellNumber(a, format, data[0] & 0x40, separators);
  listview::ParseShortDateEU(a);
  listview::ParseShortDateUS(b);
  return 0;
}
