// ComObj: counted references to COM interfaces, a list of them, and the IUnknown of
// components that hand out interfaces of themselves.
#pragma once
#include <windows.h>
#include <unknwn.h>

#include <utility>
#include <vector>

#include "framework/SysUtils.h"

// A query for an interface that the object does not have, where the caller needs it.
class EIntfCastError : public Exception { public: using Exception::Exception; };

// One counted reference, released when the holder goes or takes another.
//   TComRef<IMediaControl> control;  graph->QueryInterface(IID_IMediaControl, control.OutVoid());
template <class I> class TComRef {
public:
  TComRef() = default;
  // Takes a reference of its own to p.
  TComRef(I* p) : FPtr(p) { if (p) p->AddRef(); }
  TComRef(const TComRef& o) : TComRef(o.FPtr) {}
  TComRef(TComRef&& o) noexcept : FPtr(std::exchange(o.FPtr, nullptr)) {}
  ~TComRef() { Clear(); }
  TComRef& operator=(TComRef o) noexcept {
    std::swap(FPtr, o.FPtr);
    return *this;
  }

  void Clear() {
    if (I* p = std::exchange(FPtr, nullptr)) p->Release();
  }
  // For an out parameter that hands over a reference: what was held is released first.
  I** Out() {
    Clear();
    return &FPtr;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }
  // Takes over a reference that the caller holds (one a platform record handed out).
  void Attach(I* p) { *Out() = p; }

  I* Get() const { return FPtr; }
  I* operator->() const { return FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }

  // Another interface of the same object, empty when the object has none (or is empty).
  template <class J> TComRef<J> As(REFIID iid) const {
    TComRef<J> other;
    if (FPtr && FAILED(FPtr->QueryInterface(iid, other.OutVoid()))) other.Clear();
    return other;
  }

private:
  I* FPtr = nullptr;
};

// A list of interface references in the order they were added; the list holds one reference
// to each item and releases it when the item leaves or the list is freed.
class TInterfaceList {
public:
  TInterfaceList() = default;
  TInterfaceList(const TInterfaceList&) = delete;
  TInterfaceList& operator=(const TInterfaceList&) = delete;
  virtual ~TInterfaceList() = default;

  int Count() const { return (int)FItems.size(); }
  // EListError for an index outside the list.
  IUnknown* Items(int index) const;
  int IndexOf(IUnknown* item) const;   // -1 when not listed
  int Add(IUnknown* item);             // the new item's index
  // Takes the first such item out of the list; its index, or -1 when it was not listed.
  int Remove(IUnknown* item);
  void Delete(int index);
  void Clear() { FItems.clear(); }

private:
  void CheckIndex(int index) const;
  std::vector<TComRef<IUnknown>> FItems;
};

// The IUnknown counting of a component that implements interfaces I...: its owner frees it,
// so references count nothing and Release never frees it. The component answers
// QueryInterface itself.
template <class... I> class TComponentInterfaces : public I... {
public:
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

// For QueryInterface: when iid is the one asked for, hands out the interface (with a reference).
template <class I> bool AnswerInterface(REFIID asked, REFIID iid, I* object, void** out) {
  if (!IsEqualIID(asked, iid)) return false;
  object->AddRef();
  *out = object;
  return true;
}
