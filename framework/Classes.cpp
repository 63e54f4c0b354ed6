#include "framework/Classes.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <typeinfo>

std::string TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  char* d = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = (status == 0 && d) ? d : mangled;
  std::free(d);
  size_t lt = name.find('<');
  size_t colon = name.rfind("::", lt == std::string::npos ? std::string::npos : lt);
  if (colon != std::string::npos) name = name.substr(colon + 2);
  return name;
}

// ---------------------------------------------------------------- TPersistent

void TPersistent::Assign(TPersistent* Source) {
  if (Source) Source->AssignTo(this);
  else AssignTo(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  std::string src = Dest ? ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + (Dest ? Dest->ClassName() : src));
}

// ---------------------------------------------------------------- TComponent

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) {
    if (AOwner->FComponentState & csLoading) FComponentState |= csLoading;
    if (AOwner->FComponentState & csDesigning) FComponentState |= csDesigning;
    AOwner->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  Destroying();
  NotifyFreePeers();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::NotifyFreePeers() {
  while (!FFreeNotifies.empty()) {
    TComponent* peer = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& theirs = peer->FFreeNotifies;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    peer->Notification(this, opRemove);
  }
}

// Free(): peers hear of it while this object is still whole.
void TComponent::BeforeDestruction() {
  Destroying();
  NotifyFreePeers();
}

void TComponent::Destroying() {
  if (FComponentState & csDestroying) return;
  FComponentState |= csDestroying;
  for (TComponent* c : FComponents) c->Destroying();
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& v = FOwner->FComponents;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : int(it - v.begin());
}

void TComponent::Insert(TComponent* c) {
  FComponents.push_back(c);
  c->FOwner = this;
}

void TComponent::Remove(TComponent* c) {
  c->FOwner = nullptr;
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), c), FComponents.end());
}

void TComponent::InsertComponent(TComponent* c) {
  if (!c) return;
  if (c->FOwner) c->FOwner->RemoveComponent(c);
  if (!c->FName.empty() && FindComponent(c->FName))
    throw EComponentError("A component named " + c->FName + " already exists");
  Insert(c);
  Notification(c, opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  if (!c || c->FOwner != this) return;
  Notification(c, opRemove);
  Remove(c);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    Remove(c);
    c->Free();
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, name)) return c;
  return nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  if (FOwner && !name.empty()) {
    TComponent* other = FOwner->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  FName = name;
}

void TComponent::SetDesigning(bool d) {
  if (d) FComponentState |= csDesigning;
  else FComponentState &= ~csDesigning;
}

void TComponent::FreeNotification(TComponent* c) {
  if (!c || c == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), c) == FFreeNotifies.end())
    FFreeNotifies.push_back(c);
  if (std::find(c->FFreeNotifies.begin(), c->FFreeNotifies.end(), this) == c->FFreeNotifies.end())
    c->FFreeNotifies.push_back(this);
  FComponentState |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* c) {
  if (!c) return;
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), c), FFreeNotifies.end());
  c->FFreeNotifies.erase(std::remove(c->FFreeNotifies.begin(), c->FFreeNotifies.end(), this),
                         c->FFreeNotifies.end());
}

void TComponent::Notification(TComponent* c, TOperation op) {
  if (op == opRemove && c) RemoveFreeNotification(c);
  // Copy: a handler may free or insert components.
  std::vector<TComponent*> list = FComponents;
  for (TComponent* x : list) {
    if (std::find(FComponents.begin(), FComponents.end(), x) == FComponents.end()) continue;
    x->Notification(c, op);
  }
}

void TComponent::BeginLoading() { FComponentState |= csLoading; }

void TComponent::EndLoading() {
  if (FComponentState & csLoading) Loaded();
  // Owned components that were created while loading, in creation order.
  for (size_t i = 0; i < FComponents.size(); ++i) {
    TComponent* c = FComponents[i];
    if (c->FComponentState & csLoading) c->EndLoading();
  }
}

void TComponent::Loaded() { FComponentState &= ~csLoading; }

// ---------------------------------------------------------------- TStrings

int TStrings::Add(const std::string& s) {
  int i = Count();
  Insert(i, s);
  return i;
}

int TStrings::AddObject(const std::string& s, TObject* o) {
  int i = Add(s);
  PutObject(i, o);
  return i;
}

void TStrings::InsertObject(int i, const std::string& s, TObject* o) {
  Insert(i, s);
  PutObject(i, o);
}

void TStrings::AddStrings(const TStrings* other) {
  if (!other) return;
  BeginUpdate();
  for (int i = 0; i < other->Count(); ++i) AddObject(other->Get(i), other->GetObject(i));
  EndUpdate();
}

void TStrings::Move(int from, int to) {
  if (from == to) return;
  BeginUpdate();
  std::string s = Get(from);
  TObject* o = GetObject(from);
  Delete(from);
  InsertObject(to, s, o);
  EndUpdate();
}

void TStrings::Exchange(int a, int b) {
  BeginUpdate();
  std::string sa = Get(a), sb = Get(b);
  TObject *oa = GetObject(a), *ob = GetObject(b);
  Put(a, sb); PutObject(a, ob);
  Put(b, sa); PutObject(b, oa);
  EndUpdate();
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TStrings*>(Source)) {
    if (s == this) return;
    BeginUpdate();
    Clear();
    AddStrings(s);
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings* other) const {
  if (!other || other->Count() != Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other->Get(i)) return false;
  return true;
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiCompareText(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    std::string s = Get(i);
    size_t p = s.find('=');
    if (p != std::string::npos && AnsiCompareText(s.substr(0, p), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* o) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == o) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string r;
  for (int i = 0; i < Count(); ++i) {
    r += Get(i);
    r += "\r\n";
  }
  return r;
}

void TStrings::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t i = 0, n = text.size();
  while (i < n) {
    size_t j = i;
    while (j < n && text[j] != '\r' && text[j] != '\n') ++j;
    Add(text.substr(i, j - i));
    if (j < n && text[j] == '\r') ++j;
    if (j < n && text[j] == '\n') ++j;
    i = j;
  }
  EndUpdate();
}

std::string TStrings::Names(int i) const {
  std::string s = Get(i);
  size_t p = s.find('=');
  return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::ValueFromIndex(int i) const {
  if (i < 0) return std::string();
  std::string s = Get(i);
  size_t p = s.find('=');
  return p == std::string::npos ? std::string() : s.substr(p + 1);
}

std::string TStrings::Values(const std::string& name) const { return ValueFromIndex(IndexOfName(name)); }

void TStrings::SetValues(const std::string& name, const std::string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i < 0) Add(name + "=" + value);
  else Put(i, name + "=" + value);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  if (!f) throw EInOutError("Cannot open file \"" + name + "\"");
  std::stringstream ss;
  ss << f.rdbuf();
  SetText(ss.str());
}

void TStrings::SaveToFile(const std::string& name) const {
  std::ofstream f(name, std::ios::binary | std::ios::trunc);
  if (!f) throw EInOutError("Cannot create file \"" + name + "\"");
  std::string t = Text();
  f.write(t.data(), (std::streamsize)t.size());
}

// ---------------------------------------------------------------- TStringList

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (FOwnsObjects)
    for (auto& it : FItems) delete it.o;
}

void TStringList::CheckIndex(int i) const {
  if (i < 0 || i >= (int)FItems.size()) throw EStringListError("List index out of bounds (" + IntToStr(i) + ")");
}

std::string TStringList::Get(int i) const {
  CheckIndex(i);
  return FItems[i].s;
}

void TStringList::Put(int i, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(i);
  Changing();
  FItems[i].s = s;
  Changed();
}

TObject* TStringList::GetObject(int i) const {
  CheckIndex(i);
  return FItems[i].o;
}

void TStringList::PutObject(int i, TObject* o) {
  CheckIndex(i);
  Changing();
  FItems[i].o = o;
  Changed();
}

void TStringList::InsertItem(int i, const std::string& s, TObject* o) {
  Changing();
  FItems.insert(FItems.begin() + i, Item{s, o});
  Changed();
}

void TStringList::Insert(int i, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  if (i < 0 || i > (int)FItems.size()) throw EStringListError("List index out of bounds (" + IntToStr(i) + ")");
  InsertItem(i, s, nullptr);
}

int TStringList::Add(const std::string& s) {
  if (!FSorted) {
    int i = (int)FItems.size();
    InsertItem(i, s, nullptr);
    return i;
  }
  int i;
  if (Find(s, i)) {
    if (FDuplicates == dupIgnore) return i;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(i, s, nullptr);
  return i;
}

void TStringList::Delete(int i) {
  CheckIndex(i);
  Changing();
  TObject* o = FItems[i].o;
  FItems.erase(FItems.begin() + i);
  if (FOwnsObjects) delete o;
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  std::vector<Item> old;
  old.swap(FItems);
  if (FOwnsObjects)
    for (auto& it : old) delete it.o;
  Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  if (FCaseSensitive)
    return CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), (int)a.size(), b.data(), (int)b.size()) - 2;
  return AnsiCompareText(a, b);
}

int TStringList::IndexOf(const std::string& s) const {
  if (FSorted) {
    int i;
    return Find(s, i) ? i : -1;
  }
  for (int i = 0; i < (int)FItems.size(); ++i)
    if (CompareStrings(FItems[i].s, s) == 0) return i;
  return -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
  // Binary search; on duplicates gives the first (dupAccept) match.
  int lo = 0, hi = (int)FItems.size() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = CompareStrings(FItems[mid].s, s);
    if (c < 0) lo = mid + 1;
    else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const Item& a, const Item& b) { return CompareStrings(a.s, b.s) < 0; });
  Changed();
}

void TStringList::SetSorted(bool s) {
  if (s == FSorted) return;
  if (s) Sort();
  FSorted = s;
}

void TStringList::SetCaseSensitive(bool c) {
  if (c == FCaseSensitive) return;
  FCaseSensitive = c;
  if (FSorted) Sort();
}

void TStringList::SetText(const std::string& text) { TStrings::SetText(text); }

void TStringList::SetUpdateState(bool updating) {
  if (updating) Changing();
  else Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

// ---------------------------------------------------------------- utility windows

void (*ApplicationHandleException)(TObject* Sender) = nullptr;

namespace {
const char* const kUtilClass = "TPUtilWindow";
const char* const kUtilProp = "TessarkUtilMethod";

LRESULT CALLBACK UtilWndProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* method = static_cast<TWndMethod*>(GetPropA(h, kUtilProp));
  if (!method || !*method) return DefWindowProcA(h, msg, w, l);
  TMessage m;
  m.Msg = msg; m.WParam = w; m.LParam = l; m.Result = 0;
  try {
    (*method)(m);
  } catch (...) {
    if (ApplicationHandleException) ApplicationHandleException(nullptr);
  }
  return m.Result;
}
}  // namespace

HWND AllocateHWnd(TWndMethod method) {
  HINSTANCE inst = GetModuleHandleA(nullptr);
  WNDCLASSA wc;
  if (!GetClassInfoA(inst, kUtilClass, &wc)) {
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = UtilWndProc;
    wc.hInstance = inst;
    wc.lpszClassName = kUtilClass;
    RegisterClassA(&wc);
  }
  HWND h = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, nullptr);
  if (!h) RaiseLastOSError();
  SetPropA(h, kUtilProp, new TWndMethod(std::move(method)));
  return h;
}

void DeallocateHWnd(HWND wnd) {
  if (!wnd) return;
  auto* method = static_cast<TWndMethod*>(RemovePropA(wnd, kUtilProp));
  DestroyWindow(wnd);
  delete method;
}
