// TVideoWindow: the control in which a TFilterGraph shows its video. Linked to a graph, it
// supplies the graph's renderer (the classic video renderer, or the mixing renderer when asked
// for and present), lays the renderer's window over its own rectangle in its parent, has the
// renderer hand mouse and keyboard input on the video to it, and switches to full screen and
// back. The renderer and its interfaces live here from NotifyFilter 0 to 3; TVMROptions holds
// the mixing renderer's settings.
#pragma once
#include <windows.h>
#include <dshow.h>
#include <d3d9.h>
#include <vmr9.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/ComObj.h"
#include "framework/Controls.h"
#include "preview/Grefo.h"
#include "preview/GrefoInterfaces.h"
#include "preview/core/VMRRules.h"

namespace preview {

enum TVideoMode { vmNormal, vmVMR };

// Makes the surface allocator of renderless mode: result gets the creation's code; the object
// offers IVMRSurfaceAllocator9. Direct3D object and device may be null.
using TAllocatorClass = std::function<TComRef<IUnknown>(
    HRESULT& result, HWND window, IDirect3D9* direct3D, IDirect3DDevice9* device)>;

class TVideoWindow;

// The mixing renderer's settings. Changing the streams, the preferences or the mode of a
// window that uses the mixing renderer in an active graph makes it supply a new renderer.
class TVMROptions : public TPersistent {
public:
  explicit TVMROptions(TVideoWindow* owner) : FOwner(owner) {}
  uint32_t Streams() const { return FStreams; }
  // 1 to 16; any other count stores 1.
  void SetStreams(uint32_t value);
  TVMRPreferences Preferences() const { return FPreferences; }
  void SetPreferences(TVMRPreferences value);
  TVMRVideoMode Mode() const { return FMode; }
  void SetMode(TVMRVideoMode value);
  bool KeepAspectRatio() const { return FKeepAspectRatio; }
  // Letter-box or stretch, applied at once when the renderer offers its aspect ratio control.
  void SetKeepAspectRatio(bool value);

private:
  friend class TVideoWindow;   // writes back what the renderer answered
  void Changed();

  TVideoWindow* FOwner;
  uint32_t FStreams = 4;
  TVMRPreferences FPreferences = kDefaultVMRPreferences;
  TVMRVideoMode FMode = vmrWindowed;
  bool FKeepAspectRatio = true;
};

class TVideoWindow : public TCustomControl,
                     public TComponentInterfaces<IFilterProvider, IGraphEventSink> {
public:
  explicit TVideoWindow(TComponent* AOwner);
  ~TVideoWindow() override;

  TVideoMode Mode() const { return FMode; }
  // vmVMR where the mixing renderer cannot be made is vmNormal. Linked to an active graph,
  // the window supplies a new renderer; one that cannot join the graph leaves the window
  // unlinked, and what failed reaches the caller.
  void SetMode(TVideoMode value);
  TVMROptions* VMROptions() const { return FVMROptions.get(); }
  TFilterGraph* FilterGraph() const { return FFilterGraph; }
  // Linked to an active graph, the window's renderer joins it at once; one that cannot join
  // leaves the window unlinked, and what failed reaches the caller.
  void SetFilterGraph(TFilterGraph* value);
  bool FullScreen() const { return FFullScreen; }
  // Applied at once while a connected renderer has a window, else kept for the next play.
  void SetFullScreen(bool value);
  bool FullScreenTopMost() const { return FFullScreenTopMost; }
  void SetFullScreenTopMost(bool value);
  void SetVisible(bool value) override;
  // The renderer's window found by its class and text among the parent's children; the
  // canvas's device context while there is no renderer window.
  HANDLE VideoHandle();

  TAllocatorClass AllocatorClass;
  DWORD_PTR AllocatorUserID = 0;

  void BeforeDestruction() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& m) override;

  // The windowless control while there is one, the window's own interfaces, then the
  // renderer's: every interface of the renderer can be had from the window.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  // IFilterProvider: the renderer joins the graph under the window's Name.
  HRESULT STDMETHODCALLTYPE GetFilter(IBaseFilter** filter) override;
  HRESULT STDMETHODCALLTYPE GetName(std::string& name) override;
  HRESULT STDMETHODCALLTYPE NotifyFilter(DWORD operation, DWORD param) override;
  // IGraphEventSink: the renderer window is placed and styled at every play start.
  HRESULT STDMETHODCALLTYPE GraphEvent(LONG event, LONG_PTR param1, LONG_PTR param2) override;
  HRESULT STDMETHODCALLTYPE ControlEvent(LONG event, LONG param) override;

protected:
  void Resize() override;
  void ConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  friend class TVMROptions;
  bool LinkedToActiveGraph() const { return FFilterGraph && FFilterGraph->Active(); }
  void Unlink();
  void UnlinkAtEnd();
  // Removes the renderer from the graph and has a new one made and added; a failure unlinks
  // the window.
  void Resupply();
  void CreateRendererFilter();
  void TakeRendererInterfaces();
  void ConfigureMixer(IVMRFilterConfig9* config);
  void CreateAllocator(IVMRFilterConfig9* config);
  void ApplyRenderingPreferences(IVMRFilterConfig9* config);
  void StopRenderer();
  bool RendererConnected() const;
  // The caption and the message drain of the renderer window.
  void LabelAndDrain();
  void PlaceVideo();
  POINT MousePoint(int x, int y) const;

  TVideoMode FMode = vmNormal;
  std::unique_ptr<TVMROptions> FVMROptions;
  TComRef<IBaseFilter> FRenderer;
  TComRef<IVideoWindow> FRendererWindow;
  TComRef<IVMRWindowlessControl9> FWindowlessControl;
  bool FFullScreen = false;
  TFilterGraph* FFilterGraph = nullptr;
  LONG FSavedStyle = 0;
  LONG FSavedExStyle = 0;
  bool FFullScreenTopMost = false;
  bool FInFullScreen = false;
  TComRef<IVMRSurfaceAllocator9> FAllocator;
};

}  // namespace preview
