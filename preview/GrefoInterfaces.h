// The interfaces by which components link themselves to a TFilterGraph: a component that
// supplies a filter for the graph, and one that wants the graph's events.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <string>

namespace preview {

// What NotifyFilter tells a provider about its filter.
enum TFilterOperation { foAdding = 0, foAdded = 1, foRemoving = 2, foRemoved = 3 };

struct IFilterProvider : public IUnknown {
  // Hands over a reference to the filter.
  virtual HRESULT STDMETHODCALLTYPE GetFilter(IBaseFilter** Filter) = 0;
  // The name under which the filter joins the graph.
  virtual HRESULT STDMETHODCALLTYPE GetName(std::string& Name) = 0;
  virtual HRESULT STDMETHODCALLTYPE NotifyFilter(DWORD Operation, DWORD Param) = 0;
};
inline const IID IID_IFilterProvider = {
    0x887F94DA, 0x29E9, 0x44C6, {0xB4, 0x8E, 0x1F, 0xBF, 0x0F, 0xB5, 0x98, 0x78}};

// The control events the graph sends its sinks with ControlEvent.
enum TControlEvent {
  cePlay = 0,           // Play, before the graph runs
  cePause = 1,          // Pause, before the graph pauses
  ceStop = 2,           // Stop, before the graph stops
  ceFileRendering = 3,  // RenderFile, before rendering
  ceFileRendered = 4,   // RenderFile, after a successful render and the audio and rate set
  ceActive = 7          // parameter 1 at the end of activation, 0 at the start of deactivation
};

struct IGraphEventSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GraphEvent(LONG Event, LONG_PTR Param1, LONG_PTR Param2) = 0;
  virtual HRESULT STDMETHODCALLTYPE ControlEvent(LONG Event, LONG Param) = 0;
};
inline const IID IID_IGraphEventSink = {
    0x6C0DCD7B, 0x1A98, 0x44EF, {0xA6, 0xD5, 0xE2, 0x3C, 0xBC, 0x24, 0xE6, 0x20}};

// A QueryService on a graph's site with this as service and interface yields the component.
inline const GUID SID_FilterGraphComponent = {
    0xC7CAA944, 0xC191, 0x4AB1, {0xAB, 0xA7, 0xD8, 0xB4, 0x0E, 0xF4, 0xD5, 0xB2}};

}  // namespace preview
