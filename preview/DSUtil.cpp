#include "preview/DSUtil.h"

#include <errors.h>

#include <vector>

namespace preview {

HRESULT CheckHResult(HRESULT code) {
  if (auto message = FailureMessage(code, DirectShowErrorText))
    throw EDirectShowException(*message, code);
  return code;
}

std::string DirectShowErrorText(HRESULT code) {
  // Zeroed first: a text that does not fit is not written at all.
  char text[256] = {};
  AMGetErrorTextA(code, text, 255);
  return text;
}

HRESULT RegisterGraphInROT(IUnknown* graph, DWORD& cookie) {
  TComRef<IRunningObjectTable> table;
  HRESULT result = GetRunningObjectTable(0, table.Out());
  if (FAILED(result)) return result;
  const std::string name =
      ROTItemName((uint32_t)(uintptr_t)graph, (uint32_t)GetCurrentProcessId());
  const std::wstring wideName(name.begin(), name.end());
  TComRef<IMoniker> moniker;
  result = CreateItemMoniker(L"!", wideName.c_str(), moniker.Out());
  if (FAILED(result)) return result;
  return table->Register(0, graph, moniker.Get(), &cookie);
}

HRESULT RevokeGraphFromROT(DWORD cookie) {
  TComRef<IRunningObjectTable> table;
  HRESULT result = GetRunningObjectTable(0, table.Out());
  if (SUCCEEDED(result)) result = table->Revoke(cookie);
  return result;
}

namespace {
template <class I> TComRef<I> ItemAs(const TInterfaceList& list, int index, REFIID iid) {
  TComRef<I> item = TComRef<IUnknown>(list.Items(index)).As<I>(iid);
  if (!item) throw EIntfCastError("Interface not supported");
  return item;
}
}  // namespace

TFilterList::TFilterList(IFilterGraph* graph) : FGraph(graph) { Update(); }

void TFilterList::Update() {
  TComRef<IEnumFilters> filters;
  if (!FGraph || FAILED(FGraph->EnumFilters(filters.Out())) || !filters) return;
  TComRef<IBaseFilter> filter;
  while (filters->Next(1, filter.Out(), nullptr) == S_OK) Add(filter.Get());
}

TComRef<IBaseFilter> TFilterList::Filters(int index) const {
  return ItemAs<IBaseFilter>(*this, index, IID_IBaseFilter);
}

TPinList::TPinList(IBaseFilter* filter) : FFilter(filter) { Update(); }

void TPinList::Update() {
  Clear();
  TComRef<IEnumPins> pins;
  if (!FFilter || FAILED(FFilter->EnumPins(pins.Out())) || !pins) return;
  TComRef<IPin> pin;
  while (pins->Next(1, pin.Out(), nullptr) == S_OK) Add(pin.Get());
}

TComRef<IPin> TPinList::Pins(int index) const { return ItemAs<IPin>(*this, index, IID_IPin); }

bool TPinList::Connected(int index) const {
  TComRef<IPin> other;
  Pins(index)->ConnectedTo(other.Out());
  return (bool)other;
}

}  // namespace preview
