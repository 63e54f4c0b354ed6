#include "framework/ValEdit.h"

#include <algorithm>

TItemProp::TItemProp() : FPickList(new TStringList) {
  FPickList->OnChange = [this](TObject*) {
    if (FPickList->Count() > 0 && FEditStyle == esSimple) FEditStyle = esPickList;
  };
}

TItemProp::~TItemProp() { FPickList->OnChange = nullptr; }

TStrings* TItemProp::PickList() const { return FPickList.get(); }
bool TItemProp::HasPickList() const { return FPickList->Count() > 0; }

// The lines own their rows' TItemProp objects, so props move and go with their lines.
class TValueListEditor::TValueListStrings : public TStringList {
public:
  explicit TValueListStrings(TValueListEditor* editor) : FEditor(editor) { SetOwnsObjects(true); }
  bool FDetached = false;
protected:
  void Changed() override {
    TStringList::Changed();
    if (!FDetached) FEditor->StringsChanged();
  }
private:
  TValueListEditor* FEditor;
};

TValueListEditor::TValueListEditor(TComponent* AOwner)
    : TCustomDrawGrid(AOwner), FStrings(new TValueListStrings(this)), FTitleCaptions(new TStringList) {
  FTitleCaptions->Add("Key");
  FTitleCaptions->Add("Value");
  SetColCount(2);
  SetDefaultColWidth(150);
  SetDefaultRowHeight(18);
  SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goEditing |
             goAlwaysShowEditor);
  SetDisplayOptions(FDisplayOptions);
}

TValueListEditor::~TValueListEditor() { FStrings->FDetached = true; }

TStrings* TValueListEditor::Strings() const { return FStrings.get(); }
TStrings* TValueListEditor::TitleCaptions() const { return FTitleCaptions.get(); }

void TValueListEditor::SetDisplayOptions(TDisplayOptions o) {
  FDisplayOptions = o;
  SetFixedRows(o & doColumnTitles ? 1 : 0);
  SetFixedCols(o & doKeyColFixed ? 1 : 0);
  StringsChanged();
}

void TValueListEditor::StringsChanged() {
  // An empty list still shows one empty row.
  int rows = FixedRows() + std::max(FStrings->Count(), 1);
  if (rows != RowCount()) SetRowCount(rows);
  else if (EditorMode() && !FWritingFromEditor) ShowEditor();   // the shown value changed
  Invalidate();
  if (OnStringsChange) OnStringsChange(this);
}

int TValueListEditor::LineOf(int row) const {
  int line = row - FixedRows();
  return row >= FixedRows() && line < FStrings->Count() ? line : -1;
}

std::string TValueListEditor::Cells(int c, int r) const {
  if (r < FixedRows()) return c < FTitleCaptions->Count() ? FTitleCaptions->Get(c) : "";
  int line = LineOf(r);
  if (line < 0) return "";
  return c == 0 ? FStrings->Names(line) : FStrings->ValueFromIndex(line);
}

void TValueListEditor::SetCells(int c, int r, const std::string& s) {
  int line = LineOf(r);
  if (line < 0) return;
  std::string key = c == 0 ? s : FStrings->Names(line);
  std::string value = c == 0 ? FStrings->ValueFromIndex(line) : s;
  FStrings->Put(line, key + "=" + value);
}

void TValueListEditor::SetKeys(int row, const std::string& key) { SetCells(0, row, key); }

bool TValueListEditor::FindRow(const std::string& key, int& row) const {
  for (int i = 0; i < FStrings->Count(); ++i)
    if (SameText(FStrings->Names(i), key)) {
      row = i + FixedRows();
      return true;
    }
  return false;
}

std::string TValueListEditor::Values(const std::string& key) const {
  int row;
  return FindRow(key, row) ? Cells(1, row) : "";
}

void TValueListEditor::SetValues(const std::string& key, const std::string& value) {
  int row;
  if (FindRow(key, row)) SetCells(1, row, value);
  else InsertRow(key, value, true);
}

int TValueListEditor::InsertRow(const std::string& key, const std::string& value, bool append) {
  std::string line = key + "=" + value;
  int current = LineOf(Row());
  if (append || current < 0) return FStrings->Add(line) + FixedRows();
  FStrings->Insert(current, line);
  return current + FixedRows();
}

void TValueListEditor::DeleteRow(int row) {
  int line = LineOf(row);
  if (line < 0) throw EListError("List index out of bounds (" + IntToStr(row) + ")");
  if (EditorMode() && row == Row()) HideEditor();
  FStrings->Delete(line);
}

TItemProp* TValueListEditor::ItemProps(int index) {
  if (index < 0 || index >= FStrings->Count())
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  auto* prop = static_cast<TItemProp*>(FStrings->GetObject(index));
  if (!prop) {
    prop = new TItemProp;
    FStrings->PutObject(index, prop);
  }
  return prop;
}

TItemProp* TValueListEditor::ItemProps(const std::string& key) {
  int row;
  if (!FindRow(key, row)) throw EListError("Key not found: " + key);
  return ItemProps(row - FixedRows());
}

TItemProp* TValueListEditor::PropOf(int row) const {
  int line = LineOf(row);
  return line < 0 ? nullptr : static_cast<TItemProp*>(FStrings->GetObject(line));
}

void TValueListEditor::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) DrawCellText(Canvas(), ARect, Cells(ACol, ARow));
  TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

bool TValueListEditor::CanEditShow() {
  return TCustomDrawGrid::CanEditShow() && Col() == 1 && LineOf(Row()) >= 0;
}

bool TValueListEditor::CanEditModify(int, int ARow) {
  TItemProp* prop = PropOf(ARow);
  return !(prop && prop->ReadOnly());
}

void TValueListEditor::SetEditText(int ACol, int ARow, const std::string& value) {
  if (ACol != 1) return;
  FWritingFromEditor = true;
  try {
    SetCells(ACol, ARow, value);
  } catch (...) {
    FWritingFromEditor = false;
    throw;
  }
  FWritingFromEditor = false;
}

TEditStyle TValueListEditor::GetEditStyle(int, int ARow) {
  TItemProp* prop = PropOf(ARow);
  return prop ? prop->EditStyle() : esSimple;
}

void TValueListEditor::GetPickList(int, int ARow, TStrings* items) {
  if (TItemProp* prop = PropOf(ARow)) items->Assign(prop->PickList());
  // A value that is none of the choices (set by the program) is listed too, so that the cell's
  // editor shows it rather than an empty choice.
  const std::string value = Cells(1, ARow);
  if (!value.empty() && items->IndexOf(value) < 0) items->Add(value);
}

void TValueListEditor::EditDone(int ACol, int ARow) {
  if (OnValidate) OnValidate(this, ACol, ARow, Keys(ARow), Cells(1, ARow));
}
