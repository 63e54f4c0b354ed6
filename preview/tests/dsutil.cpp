#include "preview/DSUtil.h"

#include <gtest/gtest.h>

#include "preview/tests/graph_testing.h"

namespace preview {
namespace {

TEST(DSUtilTest, CheckHResultPassesSuccessesAndRaisesFailuresWithTheirCode) {
  for (HRESULT code : {S_OK, S_FALSE, (HRESULT)0x00040242})
    EXPECT_EQ(CheckHResult(code), code) << std::hex << code;
  try {
    CheckHResult(E_FAIL);
    FAIL() << "E_FAIL passed";
  } catch (const EDirectShowException& e) {
    EXPECT_EQ(e.ErrorCode, E_FAIL);
    const std::string ending = " ($80004005).";
    ASSERT_GE(e.Message().size(), ending.size()) << e.Message();
    EXPECT_EQ(e.Message().substr(e.Message().size() - ending.size()), ending) << e.Message();
    EXPECT_EQ(e.Message(), DirectShowErrorText(E_FAIL) + ending);
  }
}

TEST(DSUtilTest, ListsHoldTheFiltersOfAGraphAndThePinsOfAFilter) {
  EXPECT_EQ(TFilterList(nullptr).Count(), 0);
  EXPECT_EQ(TPinList(nullptr).Count(), 0);

  TComRef<IFilterGraph> graph;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IFilterGraph, graph.OutVoid()));
  for (const wchar_t* name : {L"one", L"two", L"three"}) {
    TComRef<IBaseFilter> renderer;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IBaseFilter, renderer.OutVoid()));
    ASSERT_HRESULT_SUCCEEDED(graph->AddFilter(renderer.Get(), name));
  }
  TFilterList filters(graph.Get());
  EXPECT_EQ(filters.Count(), 3);
  filters.Update();   // appends: the list is not emptied first
  EXPECT_EQ(filters.Count(), 6);

  TPinList pins(filters.Filters(0).Get());
  ASSERT_EQ(pins.Count(), 1);   // the renderer's input
  EXPECT_FALSE(pins.Connected(0));
  pins.Update();                // lists anew
  EXPECT_EQ(pins.Count(), 1);
  EXPECT_THROW(pins.Pins(1), EListError);
}

TEST(DSUtilTest, GraphRegistersInTheRunningObjectTableAndLeavesIt) {
  TComRef<IFilterGraph> graph;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IFilterGraph, graph.OutVoid()));
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(RegisterGraphInROT(graph.Get(), cookie));
  TComRef<IRunningObjectTable> table;
  ASSERT_HRESULT_SUCCEEDED(GetRunningObjectTable(0, table.Out()));
  const std::string name =
      ROTItemName((uint32_t)(uintptr_t)graph.Get(), (uint32_t)GetCurrentProcessId());
  TComRef<IMoniker> moniker;
  CreateItemMoniker(L"!", std::wstring(name.begin(), name.end()).c_str(), moniker.Out());
  EXPECT_EQ(table->IsRunning(moniker.Get()), S_OK) << name;
  EXPECT_HRESULT_SUCCEEDED(RevokeGraphFromROT(cookie));
  EXPECT_EQ(table->IsRunning(moniker.Get()), S_FALSE) << name;
}

}  // namespace
}  // namespace preview
