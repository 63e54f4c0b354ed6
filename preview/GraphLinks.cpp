#include "preview/GraphLinks.h"

#include <algorithm>

namespace preview {

TComponent* TGraphLinks::Add(IUnknown* item) {
  // The link interfaces are this system's own, implemented by C++ objects only: an item's
  // run-time type can be asked.
  TComponent* component = dynamic_cast<TComponent*>(item);
  FLinks.push_back(TLink{item, component, component ? nullptr : item});
  return component;
}

bool TGraphLinks::Remove(IUnknown* item) {
  const auto link = std::find_if(FLinks.begin(), FLinks.end(),
                                 [item](const TLink& l) { return l.Item == item; });
  if (link == FLinks.end()) return false;
  FLinks.erase(link);
  return true;
}

bool TGraphLinks::Contains(IUnknown* item) const {
  return std::any_of(FLinks.begin(), FLinks.end(), [item](const TLink& l) { return l.Item == item; });
}

void TGraphLinks::Forget(TComponent* component) {
  FLinks.erase(std::remove_if(FLinks.begin(), FLinks.end(),
                              [component](const TLink& l) { return l.Component == component; }),
               FLinks.end());
}

}  // namespace preview
