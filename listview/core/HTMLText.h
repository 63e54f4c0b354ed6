// Text helpers of the mark-up renderer: case-insensitive search and replace, and the lenient
// number reading that tag attributes get.
#pragma once

#include <cstddef>
#include <string>

namespace listview {

std::string UpperCase(std::string text);
std::string LowerCase(std::string text);

// 1-based position of the first occurrence of pattern in text, both compared in upper case;
// 0 when there is none.
int PosNoCase(const std::string& pattern, const std::string& text);

// Replaces the first occurrence of pattern (any case) in text; false when there is none.
bool ReplaceFirstNoCase(const std::string& pattern, const std::string& replacement,
                        std::string& text);

// Replaces the first occurrence of pattern, exactly as written, until none remains.
void ReplaceAll(const std::string& pattern, const std::string& replacement, std::string& text);

// The largest number a tag attribute holds: more than any place, size or angle on a screen, so
// that the layout's sums of them stay far from the limits of int.
constexpr int kMaxTagNumber = 32767;

// Leading blanks and a sign are allowed, "$" or "0x" reads hexadecimal; digits are read up to
// the first character that is not one. 0 when there is no digit, and for a number beyond
// kMaxTagNumber either way.
int IntOfText(const std::string& text);

// Like IntOfText, but only a text that is a whole number within kMaxTagNumber and nothing else
// counts.
bool IsIntText(const std::string& text);

// The text between the first two double quotes at or after from; empty without two.
std::string BetweenQuotes(const std::string& text, std::size_t from = 0);

// The value of an attribute: the text between the first two double quotes after the first
// occurrence of name (any case) in tag; empty without a name or two quotes.
std::string AttributeValue(const std::string& tag, const std::string& name);

// With breaks, every carriage return becomes "<BR>", else it goes; line feeds always go.
std::string LineBreaksToHTML(std::string text, bool breaks);

// The text as the renderer lays it out: entities swept until none is left ("&amp;" becomes
// "&&", which the canvas shows as "&"), the first "<#word>" unwrapped to "#word", carriage
// returns made line-break tags and line feeds dropped.
std::string PrepareMarkup(std::string text);

// A tag's text from its character `from` (1-based) up to, not including, the first ">".
std::string TagAttributes(const std::string& tag, std::size_t from);

// Rounded to the nearest integer, ties to the even one.
int RoundToEven(double value);

// value * numerator / denominator, rounded to the nearest integer (halves away from zero).
int MulDiv(int value, int numerator, int denominator);

}  // namespace listview
