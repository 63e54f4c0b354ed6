#include "listview/core/HTMLText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace listview {

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

int PosNoCase(const std::string& pattern, const std::string& text) {
  const std::size_t at = UpperCase(text).find(UpperCase(pattern));
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

bool ReplaceFirstNoCase(const std::string& pattern, const std::string& replacement,
                        std::string& text) {
  const int at = PosNoCase(pattern, text);
  if (at == 0) return false;
  text.replace(at - 1, pattern.size(), replacement);
  return true;
}

void ReplaceAll(const std::string& pattern, const std::string& replacement, std::string& text) {
  for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern))
    text.replace(at, pattern.size(), replacement);
}

namespace {

// Reads a number as IntOfText does; end is where reading stopped, digits how many were read.
long long ReadInt(const std::string& text, std::size_t& end, int& digits) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  long long value = 0;
  digits = 0;
  for (; i < text.size(); ++i) {
    const int c = std::toupper(static_cast<unsigned char>(text[i]));
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    if (value <= kMaxTagNumber) value = value * base + digit;
    ++digits;
  }
  end = i;
  return negative ? -value : value;
}

bool Refused(long long value) { return value < -kMaxTagNumber || value > kMaxTagNumber; }

}  // namespace

int IntOfText(const std::string& text) {
  std::size_t end;
  int digits;
  const long long value = ReadInt(text, end, digits);
  return Refused(value) ? 0 : static_cast<int>(value);
}

bool IsIntText(const std::string& text) {
  std::size_t end;
  int digits;
  const long long value = ReadInt(text, end, digits);
  return digits > 0 && end == text.size() && !Refused(value);
}

std::string BetweenQuotes(const std::string& text, std::size_t from) {
  const std::size_t open = text.find('"', from);
  if (open == std::string::npos) return "";
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string::npos) return "";
  return text.substr(open + 1, close - open - 1);
}

std::string AttributeValue(const std::string& tag, const std::string& name) {
  const int at = PosNoCase(name, tag);
  return at == 0 ? "" : BetweenQuotes(tag, at - 1 + name.size());
}

std::string TagAttributes(const std::string& tag, std::size_t from) {
  const std::size_t first = from - 1;
  if (first >= tag.size()) return "";
  const std::size_t end = tag.find('>');
  return tag.substr(first, end == std::string::npos || end < first ? std::string::npos : end - first);
}

std::string PrepareMarkup(std::string text) {
  if (text.find('&') != std::string::npos) {
    static const char* const entities[][2] = {
        {"&amp;", "&&"},      {"&quot;", "\""},   {"&sect;", "\xA7"},
        {"&permil;", "\x89"}, {"&reg;", "\xAE"},  {"&copy;", "\xA9"},
        {"&para;", "\xB6"},   {"&trade;", "\x99"}, {"&euro;", "\x80"}};
    for (bool replaced = true; replaced;) {
      replaced = false;
      for (const auto& entity : entities)
        replaced = ReplaceFirstNoCase(entity[0], entity[1], text) || replaced;
    }
  }
  const std::size_t hash = text.find("<#");
  if (hash != std::string::npos) {
    text.erase(hash, 1);
    const std::size_t close = text.find('>', hash);
    if (close != std::string::npos) text.erase(close, 1);
  }
  return LineBreaksToHTML(text, true);
}

std::string LineBreaksToHTML(std::string text, bool breaks) {
  ReplaceAll("\r", breaks ? "<BR>" : "", text);
  ReplaceAll("\n", "", text);
  return text;
}

int RoundToEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = std::llabs(denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace listview
