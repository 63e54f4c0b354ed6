// DSUtil: the small helpers of the media preview components: results turned into exceptions,
// the running object table entry of a graph, and lists of a graph's filters and a filter's pins.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <string>

#include "framework/ComObj.h"
#include "framework/SysUtils.h"
#include "preview/core/DVDTimeCode.h"
#include "preview/core/MediaResults.h"
#include "preview/core/MediaValues.h"

namespace preview {

// A platform call that failed: the platform's text and the code, as " ($80004005).".
class EDirectShowException : public Exception {
public:
  EDirectShowException(std::string message, HRESULT code)
      : Exception(std::move(message)), ErrorCode(code) {}
  HRESULT ErrorCode;
};

// Misuse of the components, with a fixed message; ErrorCode is 0 unless a call says otherwise.
class EGrefoException : public Exception {
public:
  explicit EGrefoException(std::string message, HRESULT code = 0)
      : Exception(std::move(message)), ErrorCode(code) {}
  HRESULT ErrorCode;
};

// The code itself when it does not denote failure (S_FALSE and partial successes pass);
// otherwise raises EDirectShowException with it.
HRESULT CheckHResult(HRESULT code);
// The platform's text for a code, empty when it has none.
std::string DirectShowErrorText(HRESULT code);

// Registers a graph for external graph viewers under "FilterGraph <pointer> pid <id>". Neither
// raises: each returns the platform's result.
HRESULT RegisterGraphInROT(IUnknown* graph, DWORD& cookie);
HRESULT RevokeGraphFromROT(DWORD cookie);

// The filters of a graph, as the graph enumerates them; Update appends without emptying.
class TFilterList : public TInterfaceList {
public:
  explicit TFilterList(IFilterGraph* graph);
  void Update();
  // EIntfCastError when the item is not a filter.
  TComRef<IBaseFilter> Filters(int index) const;
private:
  TComRef<IFilterGraph> FGraph;
};

// The pins of a filter; Update lists them anew.
class TPinList : public TInterfaceList {
public:
  explicit TPinList(IBaseFilter* filter);
  void Update();
  TComRef<IPin> Pins(int index) const;
  bool Connected(int index) const;
private:
  TComRef<IBaseFilter> FFilter;
};

}  // namespace preview
