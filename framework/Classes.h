// The framework's base classes: TObject, TPersistent, TComponent (ownership, names, loading
// state, free notification), string lists, events and small geometry records.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/Messages.h"
#include "framework/SysUtils.h"

class TObject;
class TComponent;

// Events take the sender first.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// An event handler that calls a method of an object, as a form's events call its handlers:
//   tbtnStart->OnClick = Handler(this, &TMainForm::tbtnStartClick);
template <class T, class... A> auto Handler(T* object, void (T::*method)(A...)) {
  return [object, method](A... args) { (object->*method)(args...); };
}

// Shift state of keys and mouse buttons, a bit set.
enum TShiftStateFlag : unsigned {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
using TShiftState = unsigned;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Reading order of texts (menus, controls).
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

struct TPoint : POINT {
  TPoint() { x = 0; y = 0; }
  TPoint(int ax, int ay) { x = ax; y = ay; }
  TPoint(const POINT& p) { x = p.x; y = p.y; }
  bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const TPoint& o) const { return !(*this == o); }
};

struct TRect : RECT {
  TRect() { left = top = right = bottom = 0; }
  TRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  TRect(const RECT& r) { left = r.left; top = r.top; right = r.right; bottom = r.bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  TPoint TopLeft() const { return TPoint(left, top); }
  TPoint BottomRight() const { return TPoint(right, bottom); }
  bool operator==(const TRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const TRect& o) const { return !(*this == o); }
};

inline TPoint Point(int x, int y) { return TPoint(x, y); }
inline TRect Rect(int l, int t, int r, int b) { return TRect(l, t, r, b); }
inline TRect Bounds(int l, int t, int w, int h) { return TRect(l, t, l + w, t + h); }

// The root of the framework's classes.
//   ClassName() is the C++ class name without namespaces (e.g. "TForm", "TMainForm"); the
//   framework also names its window classes after it.
//   Free() runs BeforeDestruction() (virtual, while the whole object still lives) and deletes;
//   prefer it (or an owner) over a bare delete for components, forms above all.
class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  std::string ClassName() const;
  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
  void Free() { BeforeDestruction(); delete this; }
  // Free() of a possibly null pointer, like the classic FreeAndNil.
  template <class T> static void FreeAndNil(T*& p) { T* q = p; p = nullptr; if (q) q->Free(); }
};

// Creates an object and runs its AfterConstruction (forms run OnCreate there).
template <class T, class... A> T* New(A&&... args) {
  T* p = new T(std::forward<A>(args)...);
  p->AfterConstruction();
  return p;
}

class TPersistent : public TObject {
public:
  // Copies Source into this object; the default asks Source->AssignTo, which throws
  // EConvertError ("Cannot assign a X to a Y") when neither side knows the other.
  virtual void Assign(TPersistent* Source);
protected:
  virtual void AssignTo(TPersistent* Dest);
};

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1, csReading = 2, csWriting = 4, csDestroying = 8, csDesigning = 16,
  csAncestor = 32, csUpdating = 64, csFreeNotification = 128
};
using TComponentState = unsigned;

// A component: its Owner owns it and frees it. A component created with an owner that is
// loading (a form while its constructor builds it) is loading as well, until the owner's
// EndLoading() runs Loaded() on the owner and then on its loading components in order.
class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;   // Destroying()

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return (int)FComponents.size(); }
  TComponent* Components(int i) const { return FComponents.at(i); }
  int ComponentIndex() const;
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);
  void DestroyComponents();
  // Case-insensitive search among the owned components.
  TComponent* FindComponent(const std::string& name) const;

  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t t) { FTag = t; }

  TComponentState ComponentState() const { return FComponentState; }
  bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
  void SetDesigning(bool d);

  // Links two components: each is told Notification(other, opRemove) when the other is freed.
  void FreeNotification(TComponent* c);
  void RemoveFreeNotification(TComponent* c);

  // Sets csLoading on this component (its later-created owned components inherit it).
  void BeginLoading();
  // Runs Loaded() on this component, then on each owned component that is loading.
  void EndLoading();

  // Called once the component (and, for a root, everything it owns) is built. Clears csLoading.
  virtual void Loaded();
  // Told about components inserted into or removed from the owner, and about freed peers.
  // The base passes it on to every owned component.
  virtual void Notification(TComponent* c, TOperation op);

protected:
  void Destroying();
  void SetComponentState(TComponentState s) { FComponentState = s; }
  void IncludeState(TComponentState f) { FComponentState |= f; }
  void ExcludeState(TComponentState f) { FComponentState &= ~f; }

private:
  friend class TComponentAccess;
  void Insert(TComponent* c);
  void Remove(TComponent* c);
  void NotifyFreePeers();
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  intptr_t FTag = 0;
  TComponentState FComponentState = 0;
};

// Abstract string list: the owner of the storage implements Get/Put/Count/Insert/Delete/Clear
// and the objects; everything else (Text, Names/Values, IndexOf, Assign) is built on them.
class TStrings : public TPersistent {
public:
  virtual int Count() const = 0;
  virtual std::string Get(int i) const = 0;
  virtual void Put(int i, const std::string& s) = 0;
  virtual TObject* GetObject(int i) const { (void)i; return nullptr; }
  virtual void PutObject(int i, TObject* o) { (void)i; (void)o; }
  virtual void Insert(int i, const std::string& s) = 0;
  virtual void Delete(int i) = 0;
  virtual void Clear() = 0;
  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* o);
  void InsertObject(int i, const std::string& s, TObject* o);
  void Append(const std::string& s) { Add(s); }
  void AddStrings(const TStrings* other);
  void Move(int from, int to);
  void Exchange(int a, int b);
  void Assign(TPersistent* Source) override;
  bool Equals(const TStrings* other) const;

  std::string Strings(int i) const { return Get(i); }
  void SetStrings(int i, const std::string& s) { Put(i, s); }
  std::string operator[](int i) const { return Get(i); }
  TObject* Objects(int i) const { return GetObject(i); }
  void SetObjects(int i, TObject* o) { PutObject(i, o); }

  // Case-insensitive, like the classic one; -1 when absent.
  virtual int IndexOf(const std::string& s) const;
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(TObject* o) const;

  // Lines joined with CR LF (each line ends with one); setting splits at CR LF, LF or CR.
  std::string Text() const;
  virtual void SetText(const std::string& text);

  // "name=value" lines.
  std::string Names(int i) const;
  std::string ValueFromIndex(int i) const;
  std::string Values(const std::string& name) const;
  // Sets the value of the first line named name; an empty value deletes the line, as classic.
  void SetValues(const std::string& name, const std::string& value);

  // Nested; while updating, change notifications wait for the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void LoadFromFile(const std::string& name);
  void SaveToFile(const std::string& name) const;

protected:
  virtual void SetUpdateState(bool updating) { (void)updating; }
private:
  int FUpdateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
  TStringList() = default;
  ~TStringList() override;

  int Count() const override { return (int)FItems.size(); }
  std::string Get(int i) const override;
  void Put(int i, const std::string& s) override;
  TObject* GetObject(int i) const override;
  void PutObject(int i, TObject* o) override;
  void Insert(int i, const std::string& s) override;   // EListError when Sorted
  void Delete(int i) override;
  void Clear() override;
  int Add(const std::string& s) override;              // keeps order when Sorted
  int IndexOf(const std::string& s) const override;
  void SetText(const std::string& text) override;

  // Sorted: kept in case-insensitive order; Find gives the place of s.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool s);
  void Sort();
  bool Find(const std::string& s, int& index) const;
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates d) { FDuplicates = d; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool c);
  // When set, the list frees the objects it holds when their items are deleted or it is freed.
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool o) { FOwnsObjects = o; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  void SetUpdateState(bool updating) override;
  virtual void Changed();
  virtual void Changing();
  int CompareStrings(const std::string& a, const std::string& b) const;

private:
  struct Item { std::string s; TObject* o = nullptr; };
  void InsertItem(int i, const std::string& s, TObject* o);
  void CheckIndex(int i) const;
  std::vector<Item> FItems;
  bool FSorted = false, FCaseSensitive = false, FOwnsObjects = false;
  TDuplicates FDuplicates = dupIgnore;
};

// Lists of components/objects without ownership.
template <class T> using TList = std::vector<T*>;

// A hidden utility window whose messages go to method (timers and other non-visual
// components). Exceptions thrown by method go to ApplicationHandleException.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND wnd);

// Set by the Forms unit to Application->HandleException; used where Classes-level code
// catches an exception that must not cross a window procedure.
extern void (*ApplicationHandleException)(TObject* Sender);
