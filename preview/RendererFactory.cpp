#include "preview/RendererFactory.h"

namespace preview {

namespace {
TRendererFactory& Factory() {
  static TRendererFactory factory;
  return factory;
}
}  // namespace

HRESULT CreateRenderer(REFCLSID renderer, DWORD context, TComRef<IBaseFilter>& filter) {
  if (Factory()) return Factory()(renderer, context, filter);
  return CoCreateInstance(renderer, nullptr, context, IID_IBaseFilter, filter.OutVoid());
}

void SetRendererFactory(TRendererFactory factory) { Factory() = std::move(factory); }

}  // namespace preview
