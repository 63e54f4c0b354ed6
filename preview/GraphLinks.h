// The components linked to a TFilterGraph for one purpose (supplying a filter, or hearing its
// events), in the order they were linked. A component's link remembers the component: the
// graph hears of a component's end when the component's own parts may be gone already, and
// then drops its links by the component, calling none of its interfaces.
#pragma once
#include <windows.h>
#include <unknwn.h>

#include <vector>

#include "framework/Classes.h"
#include "framework/ComObj.h"

namespace preview {

class TGraphLinks {
public:
  // Links an interface; the component it belongs to, or none for a plain COM object, which
  // the link keeps alive with a reference of its own.
  TComponent* Add(IUnknown* item);
  // Unlinks the first link of the interface; false when it was not linked.
  bool Remove(IUnknown* item);
  bool Contains(IUnknown* item) const;
  // Unlinks every interface of a component without calling any of them.
  void Forget(TComponent* component);

  // The interfaces as they are now. Loops walk this copy and call only those still linked, so
  // one that unlinks itself or another meanwhile shifts no one still to come; one linked
  // meanwhile waits for the next loop.
  template <class I> std::vector<I*> Items() const {
    std::vector<I*> items;
    // Only interfaces of kind I are linked here.
    for (const TLink& link : FLinks) items.push_back(static_cast<I*>(link.Item));
    return items;
  }

private:
  struct TLink {
    IUnknown* Item;
    TComponent* Component;
    TComRef<IUnknown> Held;   // only for a plain COM object: a component's owner frees it
  };
  std::vector<TLink> FLinks;
};

}  // namespace preview
