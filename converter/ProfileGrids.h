// The profile editors that the main window and the Settings dialog both show: a profile's rows
// in three name/value grids (video, audio, advanced) and back, the groups' fold buttons, the
// cells' colours and the repaint after a click.
#pragma once
#include <array>
#include <initializer_list>
#include <string>

#include "converter/core/Profiles.h"
#include "framework/StdCtrls.h"
#include "framework/ValEdit.h"

// In the order of converter::TProfileGroup.
using TProfileGrids = std::array<TValueListEditor*, converter::kProfileGroupCount>;

// Replaces each grid's rows, last first, with the profile's, and sizes it to show them all.
void ShowProfileEditors(const TProfileGrids& grids, const converter::TProfileEditors& editors);
// The rows as the grids hold them now, edits included.
converter::TProfileEditors ProfileEditorsOf(const TProfileGrids& grids);

// A press of a group's button: folds its editor, or unfolds it.
void ToggleEditorGroup(TButton* button, TValueListEditor* editor);

// Draws a cell with the grid's own drawing in the editors' colours: black text, grey for a
// fixed value that is no choice (where greyFixedValues), the current value on the window
// colour, the current key highlighted while the editor has the focus.
void DrawProfileCell(TValueListEditor* editor, int ACol, int ARow, const TRect& rect,
                     TGridDrawState state, bool greyFixedValues);

// Repaints the editors with their in-place editors: the current cell's look follows the focus.
void RefreshProfileEditors(std::initializer_list<TValueListEditor*> editors);

// Tells the user why the chosen profile cannot be converted with; nothing when problem is empty.
void ReportProfileProblem(const std::string& problem);
