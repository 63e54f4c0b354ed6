#include "converter/core/ProfileEditors.h"

#include "converter/core/TextConversions.h"

namespace converter {
namespace {

constexpr int kLoadedRowHeight = 18;
constexpr int kDefaultRowHeight = 17;
constexpr int kCollapsedHeight = 1;

}  // namespace

const char* const kVideoSizeKey = "Video Size";
const char* const kCustomSizeValue = "Custom Size";
const char* const kOriginalSizeValue = "Original Size";

int LoadedEditorHeight(int rowCount) {
  return rowCount * kLoadedRowHeight;
}

TEditorGroupState ToggleEditorGroup(const std::string& caption, int rowCount) {
  if (caption != "+") return {kCollapsedHeight, "+"};
  return {rowCount * kDefaultRowHeight + rowCount + 1, "-"};
}

bool OpensCustomSize(const std::string& currentKey, const std::string& videoSize) {
  return currentKey == kVideoSizeKey && videoSize == kCustomSizeValue;
}

TCustomSize CheckCustomSize(const std::string& width, const std::string& height) {
  TCustomSize result{TryStrToInt(width).has_value(), TryStrToInt(height).has_value(), ""};
  if (result.WidthValid && result.HeightValid) result.Size = width + "x" + height;
  return result;
}

std::string SizeAfterDialog(const std::string& videoSize) {
  return videoSize == kCustomSizeValue ? kOriginalSizeValue : videoSize;
}

}  // namespace converter
