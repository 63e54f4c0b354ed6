#include "manager/core/VideoRows.h"

#include "common/core/TextCase.h"

namespace manager {

bool operator==(const TFileStamp& a, const TFileStamp& b) {
  return a.Path == b.Path && a.Size == b.Size && a.WriteTime == b.WriteTime;
}

bool operator==(const TVideoLook& a, const TVideoLook& b) {
  return a.SizeText == b.SizeText && a.Thumbnails == b.Thumbnails;
}

TRowChange TVideoRows::Place(int index, const std::string& name, const TVideoLook& look) {
  TRowChange change;
  auto at = FRows.begin() + index;
  for (auto row = at; row != FRows.end(); ++row, ++change.Removed) {
    if (row->Caption == name) {
      change.Kept = row->Look == look;
      change.Removed += !change.Kept;
      break;
    }
    if (common::LessText(name, row->Caption)) break;
  }
  at = FRows.erase(at, at + change.Removed);
  if (!change.Kept) FRows.insert(at, {name, look});
  return change;
}

int TVideoRows::Cut(int index) {
  if (index >= Count()) return 0;
  const int cut = Count() - index;
  FRows.resize(index);
  return cut;
}

}  // namespace manager
