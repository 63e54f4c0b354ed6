#pragma once
#include <string>

namespace converter {

// What the profile editors do besides holding rows: collapsible groups and the custom frame
// size of the video editor.

// Loading sets each editor to rows x 18 pixels, whatever its button shows.
int LoadedEditorHeight(int rowCount);

struct TEditorGroupState {
  int Height;
  std::string Caption;  // of the group's button: "-" shown, "+" collapsed
};
// A press of a group's button: any caption but "+" collapses the editor to 1 pixel, "+"
// expands it to its rows at the grid's row height of 17 plus their grid lines.
TEditorGroupState ToggleEditorGroup(const std::string& caption, int rowCount);

extern const char* const kVideoSizeKey;      // "Video Size"
extern const char* const kCustomSizeValue;   // "Custom Size": opens the size dialog
extern const char* const kOriginalSizeValue; // "Original Size": the dialog closed without one

// Whether a change of the video editor asks for the size dialog.
bool OpensCustomSize(const std::string& currentKey, const std::string& videoSize);

struct TCustomSize {
  bool WidthValid;
  bool HeightValid;
  std::string Size;  // "WxH" as typed, only when both are integers
};
TCustomSize CheckCustomSize(const std::string& width, const std::string& height);
// The "Video Size" once the dialog has closed, by any way.
std::string SizeAfterDialog(const std::string& videoSize);

}  // namespace converter
