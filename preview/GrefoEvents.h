// The handler types of a TFilterGraph's events; every one takes the component first.
#pragma once
#include <windows.h>
#include <dshow.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/Classes.h"
#include "preview/core/DVDTimeCode.h"

namespace preview {

using TOnDSEvent = std::function<void(TComponent* sender, LONG Event, LONG_PTR Param1, LONG_PTR Param2)>;
using TOnSelectedFilter = std::function<bool(IMoniker* Moniker, const std::wstring& FilterName, GUID& ClassID)>;
using TOnCreatedFilter = std::function<bool(IBaseFilter* Filter, GUID& ClassID)>;
using TOnUnableToRender = std::function<bool(IPin* Pin)>;

using TOnGraphComplete = std::function<void(TObject* Sender, HRESULT Result, IBaseFilter* Renderer)>;
using TOnDSResult = std::function<void(TObject* Sender, HRESULT Result)>;
using TOnGraphStreamError = std::function<void(TObject* Sender, HRESULT Operation, DWORD Value)>;
using TOnGraphVideoSizeChanged = std::function<void(TObject* Sender, int Width, int height)>;
using TOnGraphOpeningFile = std::function<void(TObject* Sender, bool opening)>;
using TOnGraphBufferingData = std::function<void(TObject* Sender, bool Buffering)>;
using TOnGraphFullscreenLost = std::function<void(TObject* Sender, IBaseFilter* Renderer)>;
using TOnGraphOleEvent = std::function<void(TObject* Sender, const std::wstring& String1, const std::wstring& String2)>;
using TOnGraphStreamControl = std::function<void(TObject* Sender, IPin* PinSender, DWORD Cookie)>;
using TOnGraphEndOfSegment = std::function<void(TObject* Sender, int64_t StreamTime, DWORD NumSegment)>;
using TOnGraphDeviceLost = std::function<void(TObject* Sender, IUnknown* Device, bool Removed)>;
using TOnGraphTimeCodeAvailable = std::function<void(TObject* Sender, IBaseFilter* From, DWORD DeviceID)>;
using TOnGraphEXTDeviceModeChange = std::function<void(TObject* Sender, DWORD NewMode, DWORD DeviceID)>;
using TOnGraphVMRRenderDevice = std::function<void(TObject* Sender, DWORD RenderDevice)>;
using TOnGraphSNDDevError = std::function<void(TObject* Sender, DWORD OccurWhen, HRESULT ErrorCode)>;

using TOnDVDTitleChange = std::function<void(TObject* Sender, int title)>;
using TOnDVDChapterStart = std::function<void(TObject* Sender, int chapter)>;
using TOnDVDAudioStreamChange = std::function<void(TObject* Sender, int stream, int lcid, const std::string& Lang)>;
using TOnDVDSubpictureStreamChange = std::function<void(TObject* Sender, int SubNum, int lcid, const std::string& Lang)>;
using TOnDVDChange = std::function<void(TObject* Sender, int total, int current)>;
using TOnDVDValidUOPSChange = std::function<void(TObject* Sender, int UOPS)>;
using TOnDVDStillOn = std::function<void(TObject* Sender, bool NoButtonAvailable, int seconds)>;
using TOnDVDCurrentTime = std::function<void(TObject* Sender, int Hours, int minutes, int seconds, int frames, int frate)>;
using TOnDVDPlaybackRateChange = std::function<void(TObject* Sender, float rate)>;
using TOnDVDParentalLevelChange = std::function<void(TObject* Sender, int level)>;
using TOnDVDAnglesAvailable = std::function<void(TObject* Sender, bool available)>;
using TOnDVDButtonAutoActivated = std::function<void(TObject* Sender, int Button)>;
using TOnDVDCMD = std::function<void(TObject* Sender, int CmdID)>;
using TOnDVDCurrentHMSFTime = std::function<void(TObject* Sender, tagDVD_HMSF_TIMECODE HMSFTimeCode, tagDVD_TIMECODE& TimeCode)>;
using TOnDVDKaraokeMode = std::function<void(TObject* Sender, bool Played)>;

}  // namespace preview
