#pragma once
// Where a mark-up picture's source text leads, and the size maths of decoded pictures.
#include <string>

namespace listview {

enum class SourceKind { Resource, File, Remote };

struct SourceRoute {
  SourceKind Kind;
  std::string Name;  // after "RES://" or "FILE://" (any letter case), letter case kept; else all
};

SourceRoute RouteSource(const std::string& source);

// A length in HIMETRIC (0.01 mm) at pixelsPerInch, rounded to the nearest pixel.
int HimetricToPixels(int himetric, int pixelsPerInch);

// Picture container items are found by name in any letter case.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// Component versions: four bytes, the most significant first, and their text "1.6.2.2".
unsigned PackVersion(int major, int minor, int release, int build);
std::string VersionText(unsigned packed);

}  // namespace listview
