// The platform's scroll bars as the framework's scrolling controls use them.
#pragma once
#include <windows.h>

// Where the user drags the thumb of a window's bar (SB_VERT, SB_HORZ or SB_CTL) to.
inline int ScrollTrackPosition(HWND window, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(window, bar, &si);
  return si.nTrackPos;
}

// The range, page and position of a window's vertical bar, set and drawn in one call.
inline void SetVertScrollBar(HWND window, int min, int max, int page, int position) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = min;
  si.nMax = max;
  si.nPage = static_cast<UINT>(page);
  si.nPos = position;
  SetScrollInfo(window, SB_VERT, &si, TRUE);
}
