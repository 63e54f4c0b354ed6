// TFilterGraph as the graph's site: the graph builder's callbacks and the service by which a
// pin leads back to its component.
#include "preview/Grefo.h"

#include "framework/Forms.h"

namespace preview {

namespace {

// The component whose graph holds the pin's filter, or null.
TFilterGraph* ComponentOfPin(IPin* pin) {
  PIN_INFO pinInfo = {};
  if (!pin || FAILED(pin->QueryPinInfo(&pinInfo))) return nullptr;
  TComRef<IBaseFilter> filter;
  filter.Attach(pinInfo.pFilter);
  FILTER_INFO filterInfo = {};
  if (!filter || FAILED(filter->QueryFilterInfo(&filterInfo))) return nullptr;
  TComRef<IFilterGraph> graph;
  graph.Attach(filterInfo.pGraph);
  TComRef<IServiceProvider> services = graph.As<IServiceProvider>(IID_IServiceProvider);
  void* component = nullptr;
  if (!services ||
      FAILED(services->QueryService(SID_FilterGraphComponent, SID_FilterGraphComponent, &component)))
    return nullptr;
  return static_cast<TFilterGraph*>(component);
}

std::wstring ReadText(IPropertyBag* bag, const wchar_t* name) {
  VARIANT value;
  VariantInit(&value);
  std::wstring text;
  if (SUCCEEDED(bag->Read(name, &value, nullptr)) && value.vt == VT_BSTR && value.bstrVal)
    text = value.bstrVal;
  VariantClear(&value);
  return text;
}

}  // namespace

HRESULT TFilterGraph::QueryService(REFGUID service, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualGUID(service, SID_FilterGraphComponent) || !IsEqualIID(iid, SID_FilterGraphComponent))
    return E_NOINTERFACE;
  *out = this;
  return S_OK;
}

// The platform calls these while it renders: a handler's exception is reported here, since
// it must not cross into the platform, and the filter or pin counts as refused.
HRESULT TFilterGraph::UnableToRender(IPin* pin) {
  try {
    TFilterGraph* component = ComponentOfPin(pin);
    if (component && component->OnUnableToRender && component->OnUnableToRender(pin)) return S_OK;
  } catch (...) {
    Application->HandleException(this);
  }
  return S_FALSE;
}

HRESULT TFilterGraph::SelectedFilter(IMoniker* moniker) {
  if (!OnSelectedFilter) return S_OK;
  try {
    GUID classID = GUID_NULL;
    std::wstring name;
    TComRef<IPropertyBag> bag;
    if (moniker && SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, bag.OutVoid())) && bag) {
      const std::wstring text = ReadText(bag.Get(), L"CLSID");
      if (!text.empty()) CLSIDFromString(text.c_str(), &classID);
      name = ReadText(bag.Get(), L"FriendlyName");
    }
    return OnSelectedFilter(moniker, name, classID) ? S_OK : E_FAIL;
  } catch (...) {
    Application->HandleException(this);
    return E_FAIL;
  }
}

HRESULT TFilterGraph::CreatedFilter(IBaseFilter* filter) {
  if (!OnCreatedFilter) return S_OK;
  try {
    GUID classID = GUID_NULL;
    if (filter) filter->GetClassID(&classID);
    return OnCreatedFilter(filter, classID) ? S_OK : E_FAIL;
  } catch (...) {
    Application->HandleException(this);
    return E_FAIL;
  }
}

}  // namespace preview
