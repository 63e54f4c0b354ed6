#include "converter/ProfileGrids.h"

#include "converter/core/ProfileEditors.h"
#include "framework/Forms.h"

namespace {

constexpr TColor kFixedValueText = clSilver;
constexpr TColor kCurrentKey = 0x00C56A31;  // red 49, green 106, blue 197

// The row's editing properties, or null when it has none; drawing creates none.
const TItemProp* PropOfRow(const TValueListEditor* editor, int row) {
  const int line = row - editor->FixedRows();
  if (line < 0 || line >= editor->Strings()->Count()) return nullptr;
  return static_cast<const TItemProp*>(editor->Strings()->GetObject(line));
}

void ShowRows(TValueListEditor* editor, const std::vector<converter::TProfileRow>& rows) {
  for (int line = editor->Strings()->Count() - 1; line >= 0; --line)
    editor->DeleteRow(line + editor->FixedRows());
  for (const converter::TProfileRow& row : rows) {
    const int gridRow = editor->InsertRow(row.Key, "", true);
    TItemProp* prop = editor->ItemProps(gridRow - editor->FixedRows());
    prop->SetReadOnly(row.ReadOnly);
    if (row.PickList) {
      prop->SetEditStyle(esPickList);
      for (const std::string& choice : row.Choices) prop->PickList()->Add(choice);
    }
    editor->SetCells(1, gridRow, row.Value);
  }
  editor->SetHeight(converter::LoadedEditorHeight(editor->RowCount()));
}

std::vector<converter::TProfileRow> RowsOf(const TValueListEditor* editor) {
  std::vector<converter::TProfileRow> rows;
  for (int line = 0; line < editor->Strings()->Count(); ++line) {
    const int gridRow = line + editor->FixedRows();
    converter::TProfileRow row;
    row.Key = editor->Keys(gridRow);
    row.Value = editor->Cells(1, gridRow);
    if (const TItemProp* prop = PropOfRow(editor, gridRow)) {
      row.ReadOnly = prop->ReadOnly();
      row.PickList = prop->EditStyle() == esPickList;
      for (int i = 0; i < prop->PickList()->Count(); ++i)
        row.Choices.push_back(prop->PickList()->Get(i));
    }
    rows.push_back(row);
  }
  return rows;
}

// Puts the grid's draw handler back however the drawing ends.
class TDetachedDrawHandler {
public:
  explicit TDetachedDrawHandler(TValueListEditor* editor)
      : FEditor(editor), FHandler(editor->OnDrawCell) {
    editor->OnDrawCell = nullptr;
  }
  ~TDetachedDrawHandler() { FEditor->OnDrawCell = FHandler; }
  TDetachedDrawHandler(const TDetachedDrawHandler&) = delete;
  TDetachedDrawHandler& operator=(const TDetachedDrawHandler&) = delete;

private:
  TValueListEditor* FEditor;
  TDrawCellEvent FHandler;
};

bool HasFocus(const TValueListEditor* editor) {
  const TWinControl* inplace = editor->InplaceEditor();
  return editor->Focused() || (inplace && inplace->Focused());
}

}  // namespace

void ShowProfileEditors(const TProfileGrids& grids, const converter::TProfileEditors& editors) {
  for (int group = 0; group < converter::kProfileGroupCount; ++group)
    ShowRows(grids[group], editors.Groups[group]);
}

converter::TProfileEditors ProfileEditorsOf(const TProfileGrids& grids) {
  converter::TProfileEditors editors;
  for (int group = 0; group < converter::kProfileGroupCount; ++group)
    editors.Groups[group] = RowsOf(grids[group]);
  return editors;
}

void ToggleEditorGroup(TButton* button, TValueListEditor* editor) {
  const converter::TEditorGroupState state =
      converter::ToggleEditorGroup(button->Caption(), editor->RowCount());
  editor->SetHeight(state.Height);
  button->SetCaption(state.Caption);
}

void DrawProfileCell(TValueListEditor* editor, int ACol, int ARow, const TRect& rect,
                     TGridDrawState state, bool greyFixedValues) {
  const TItemProp* prop = PropOfRow(editor, ARow);
  const bool fixedValue = prop && prop->ReadOnly() && prop->EditStyle() != esPickList;
  const bool isKey = ACol < editor->FixedCols();
  const bool currentRow = ARow == editor->Row();

  TCanvas* canvas = editor->Canvas();
  canvas->Font()->SetColor(greyFixedValues && !isKey && fixedValue ? kFixedValueText : clBlack);
  if (isKey && currentRow)
    canvas->Brush()->SetColor(HasFocus(editor) ? kCurrentKey : editor->Color());
  else if (isKey)
    canvas->Brush()->SetColor(editor->FixedColor());
  else
    canvas->Brush()->SetColor(editor->Color());  // the current value too: no selection colour
  canvas->FillRect(rect);

  const TDetachedDrawHandler detached(editor);
  editor->DrawCell(ACol, ARow, rect, state);
}

void RefreshProfileEditors(std::initializer_list<TValueListEditor*> editors) {
  for (TValueListEditor* editor : editors) {
    editor->Invalidate();
    if (TWinControl* inplace = editor->InplaceEditor()) inplace->Invalidate();
  }
}

void ReportProfileProblem(const std::string& problem) {
  if (!problem.empty()) Application->MessageBox(problem, "Incorrect Profile", MB_ICONWARNING);
}
