#include "converter/FormBuilding.h"

TEditorGroup PlaceEditorGroup(TComponent* owner, TWinControl* parent, const char* panelName,
                              const char* caption, const char* buttonName, const char* editorName,
                              int keyWidth, int valueWidth, const TNotifyEvent& fold) {
  // Top-aligned controls keep the order of their tops: each new one goes below the others.
  const int below = 1000 * (parent->ControlCount() + 1);
  TEditorGroup group;
  group.panel = Place<TPanel>(owner, parent, panelName, caption, 0, below, parent->Width(), 18);
  group.panel->SetAlign(alTop);
  group.panel->SetAlignment(taLeftJustify);
  group.button =
      Place<TButton>(owner, group.panel, buttonName, "-", parent->Width() - 18, 1, 16, 16);
  group.button->SetAnchors(akTop | akRight);
  group.button->OnClick = fold;
  group.editor =
      Place<TValueListEditor>(owner, parent, editorName, "", 0, below + 500, parent->Width(), 1);
  group.editor->SetAlign(alTop);
  group.editor->SetDisplayOptions(doKeyColFixed);
  // Without a frame, rows x 18 pixels show every row of 17 and its grid line.
  group.editor->SetBorderStyle(bsNone);
  group.editor->SetDefaultRowHeight(17);
  group.editor->SetColWidths(0, keyWidth);
  group.editor->SetColWidths(1, valueWidth);
  return group;
}
