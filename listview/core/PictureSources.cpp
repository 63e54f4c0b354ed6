#include "listview/core/PictureSources.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace listview {

namespace {
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         SameNameIgnoringCase(text.substr(0, prefix.size()), prefix);
}
}  // namespace

SourceRoute RouteSource(const std::string& source) {
  if (StartsWithIgnoringCase(source, "RES://")) return {SourceKind::Resource, source.substr(6)};
  if (StartsWithIgnoringCase(source, "FILE://")) return {SourceKind::File, source.substr(7)};
  return {SourceKind::Remote, source};
}

int HimetricToPixels(int himetric, int pixelsPerInch) {
  // As the platform's MulDiv: halves round away from zero.
  const std::int64_t product = (std::int64_t)himetric * pixelsPerInch;
  const std::int64_t rounded = (std::llabs(product) + 1270) / 2540;
  return (int)(product < 0 ? -rounded : rounded);
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper((unsigned char)a[i]) != std::toupper((unsigned char)b[i])) return false;
  return true;
}

unsigned PackVersion(int major, int minor, int release, int build) {
  return (unsigned)major << 24 | (unsigned)minor << 16 | (unsigned)release << 8 | (unsigned)build;
}

std::string VersionText(unsigned packed) {
  return std::to_string(packed >> 24) + "." + std::to_string(packed >> 16 & 0xFF) + "." +
         std::to_string(packed >> 8 & 0xFF) + "." + std::to_string(packed & 0xFF);
}

}  // namespace listview
