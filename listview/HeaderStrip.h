#pragma once
// A header window's procedure replaced to run a painter after each of its paints; the
// original comes back when the object goes or the window does.
#include <windows.h>

#include <functional>

class THeaderStrip {
public:
  THeaderStrip(HWND header, std::function<void(HWND)> afterPaint);
  ~THeaderStrip();
  THeaderStrip(const THeaderStrip&) = delete;
  THeaderStrip& operator=(const THeaderStrip&) = delete;
  HWND Header() const { return FHeader; }

private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
  void Restore();
  HWND FHeader;
  std::function<void(HWND)> FAfterPaint;
  WNDPROC FOldProc;
};
