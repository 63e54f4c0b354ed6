#include "listview/RichListHolders.h"

#include "listview/RichListV.h"

void TColumnSize::SetStretch(bool v) {
  Stretch = v;
  FOwner->StretchLastColumn();
}

TDetails::TDetails(TRichListView* owner) : FOwner(owner), FFont(new TFont) {
  FFont->SetColor(clBlue);
  FFont->OnChange = [this](TObject*) { OwnerChanged(); };
}

void TDetails::OwnerChanged() {
  if (FOwner->HandleAllocated()) FOwner->Invalidate();
}

void TDetails::Change(int& field, int value, bool counted) {
  if (counted ? !listview::TakesDetailValue(field, value) : field == value) return;
  field = value;
  OwnerChanged();
}

void TDetails::SetVisible(bool v) {
  if (v == FValues.Visible) return;
  FValues.Visible = v;
  OwnerChanged();
}

void TDetails::SetSplitLine(bool v) {
  if (v == FValues.SplitLine) return;
  FValues.SplitLine = v;
  OwnerChanged();
}

void TDetails::SetColumn(int v) { Change(FValues.Column, v, true); }
void TDetails::SetHeight(int v) { Change(FValues.Height, v, true); }
void TDetails::SetIndent(int v) { Change(FValues.Indent, v, false); }

TProgressSettings::TProgressSettings() {
  listview::ProgressColors::OnChange = [this] {
    if (OnChange) OnChange(this);
  };
}

void TProgressSettings::Assign(TPersistent* source) {
  auto* settings = dynamic_cast<TProgressSettings*>(source);
  if (!settings) return TPersistent::Assign(source);
  AssignColors(*settings);
}

TPrintsettings::TPrintsettings() : FFont(new TFont), FHeaderFont(new TFont), FFooterFont(new TFont) {}
