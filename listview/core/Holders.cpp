#include "listview/core/Holders.h"

namespace listview {

bool TakesDetailValue(int present, int value) { return value >= 0 && value != present; }

void ProgressColors::Set(TColor& field, TColor value) {
  field = value;
  if (OnChange) OnChange();
}

void ProgressColors::AssignColors(const ProgressColors& source) {
  SetColorTo(source.FColorTo);
  SetFontColorTo(source.FFontColorTo);
  SetColorFrom(source.FColorFrom);
  SetFontColorFrom(source.FFontColorFrom);
}

}  // namespace listview
