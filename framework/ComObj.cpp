#include "framework/ComObj.h"

IUnknown* TInterfaceList::Items(int index) const {
  CheckIndex(index);
  return FItems[index].Get();
}

int TInterfaceList::IndexOf(IUnknown* item) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].Get() == item) return i;
  return -1;
}

int TInterfaceList::Add(IUnknown* item) {
  FItems.emplace_back(item);
  return Count() - 1;
}

int TInterfaceList::Remove(IUnknown* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void TInterfaceList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
}

void TInterfaceList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}
