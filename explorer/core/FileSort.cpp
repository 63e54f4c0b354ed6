#include "explorer/core/FileSort.h"

#include <cctype>
#include <cstdlib>

#include "explorer/core/FileListTexts.h"
#include "explorer/core/PathText.h"

namespace explorer {
namespace {

const std::string& Sub(const TFileRow& row, size_t i) {
  static const std::string none;
  return i < row.SubItems.size() ? row.SubItems[i] : none;
}

template <class T> int Order(const T& a, const T& b) { return a < b ? -1 : b < a ? 1 : 0; }

int CompareNoCase(const std::string& a, const std::string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int ca = std::toupper(static_cast<unsigned char>(a[i])), cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return Order(a.size(), b.size());
}

bool IsDir(const TFileRow& row) { return Sub(row, 5) == kKindDir; }

}  // namespace

long long SizeNumber(const std::string& text) {
  if (text == " ") return 0;
  const auto k = text.find('K');
  const std::string number = text.substr(0, k == std::string::npos || k < 1 ? 0 : k - 1);
  return std::strtoll(number.c_str(), nullptr, 10);
}

void TSortState::Click(int column) {
  if (column == Column) {
    Reverse = !Reverse;
  } else {
    Column = column;
    Reverse = true;
  }
}

int CompareRows(const TFileRow& a, const TFileRow& b, const TSortState& sort,
                std::string (*upper)(const std::string&)) {
  const bool parent = a.Caption == kParentCaption || b.Caption == kParentCaption;
  int result;
  if (IsDir(a) && !IsDir(b)) {
    result = -1;
  } else if (IsDir(b) && !IsDir(a)) {
    result = 1;
  } else if (sort.Column == 0) {
    result = Order(upper(a.Caption), upper(b.Caption));
  } else if (sort.Column == 1) {
    result = Order(SizeNumber(Sub(a, 0)), SizeNumber(Sub(b, 0)));
  } else if (sort.Column == 3) {
    result = &a == &b ? 0 : Order(std::strtod(Sub(a, 6).c_str(), nullptr), std::strtod(Sub(b, 6).c_str(), nullptr));
  } else {
    result = CompareNoCase(Sub(a, sort.Column - 1), Sub(b, sort.Column - 1));
  }
  return sort.Reverse && !parent ? -result : result;
}

}  // namespace explorer
