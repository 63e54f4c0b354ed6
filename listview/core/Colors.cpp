#include "listview/core/Colors.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace listview {

namespace {
int HexDigit(char c) {
  if (c >= 'A') return c - 55;
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

int HexPair(const std::string& text, size_t at) {
  if (text.size() < at + 2) return 0;
  return 16 * HexDigit(text[at]) + HexDigit(text[at + 1]);
}

// Round half to even, as the bands' colours and starts are rounded.
int RoundEven(double v) { return (int)std::nearbyint(v); }

int Channel(TColor c, int shift) { return (int)((c >> shift) & 0xFF); }
}  // namespace

TColor ColorFromHex(const std::string& text) {
  return (TColor)(HexPair(text, 1) + HexPair(text, 3) * 256 + HexPair(text, 5) * 65536);
}

TColor ColorFromName(const std::string& name) {
  static const std::map<std::string, TColor> names = {
      {"clred", 0x0000FF},      {"clblack", 0x000000},    {"clblue", 0xFF0000},
      {"clgreen", 0x008000},    {"claqua", 0xFFFF00},     {"clyellow", 0x00FFFF},
      {"clfuchsia", 0xFF00FF},  {"clwhite", 0xFFFFFF},    {"cllime", 0x00FF00},
      {"clsilver", 0xC0C0C0},   {"clgray", 0x808080},     {"clolive", 0x008080},
      {"clnavy", 0x800000},     {"clpurple", 0x800080},   {"clteal", 0x808000},
      {"clmaroon", 0x000080},   {"clbackground", 0xFF000001},
      {"clactivecaption", 0xFF000002},   {"clinactivecaption", 0xFF000003},
      {"clmenu", 0xFF000004},   {"clwindow", 0xFF000005}, {"clwindowframe", 0xFF000006},
      {"clmenutext", 0xFF000007},        {"clwindowtext", 0xFF000008},
      {"clcaptiontext", 0xFF000009},     {"clactiveborder", 0xFF00000A},
      {"clinactiveborder", 0xFF00000B},  {"clappworkspace", 0xFF00000C},
      {"clhighlight", 0xFF00000D},       {"clhighlighttext", 0xFF00000E},
      {"clbtnface", 0xFF00000F},         {"clbtnshadow", 0xFF000010},
      {"clgraytext", 0xFF000011},        {"clbtntext", 0xFF000012},
      {"clinactivecaptiontext", 0xFF000013}, {"clbtnhighlight", 0xFF000014},
      {"cl3ddkshadow", 0xFF000015},      {"cl3dlight", 0xFF000016},
      {"clinfotext", 0xFF000017},        {"clinfobk", 0xFF000018}};
  auto it = names.find(name);
  return it == names.end() ? 0 : it->second;
}

std::vector<GradientBand> GradientBands(TColor From, TColor To, bool Horizontal, const TRect& R,
                                        int Steps, const ColorResolver& ToRGB) {
  if (Steps == 0) Steps = 1;
  const TColor from = ToRGB(From), to = ToRGB(To);
  double channelStep[3];
  for (int c = 0; c < 3; ++c) channelStep[c] = (Channel(to, 8 * c) - Channel(from, 8 * c)) / (double)Steps;
  const int first = Horizontal ? R.Left : R.Top;
  const int last = Horizontal ? R.Right : R.Bottom;
  const double bandSize = (last - first) / (double)Steps;

  std::vector<GradientBand> bands;
  for (int i = 0; i < Steps; ++i) {
    TColor color = 0;
    for (int c = 0; c < 3; ++c)
      color |= (TColor)((Channel(from, 8 * c) + RoundEven(i * channelStep[c])) & 0xFF) << (8 * c);
    const int start = first + RoundEven(i * bandSize);
    const int end = std::min(start + (int)bandSize + 1, last);
    TRect band = R;
    (Horizontal ? band.Left : band.Top) = start;
    (Horizontal ? band.Right : band.Bottom) = end;
    bands.push_back({color, band});
  }
  return bands;
}

}  // namespace listview
