#pragma once
// Small routines of the list view: the progress-cell painter, the common controls' version,
// and the window procedure that holds the one open cell editor on its cell.
#include <windows.h>

#include <string>

#include "framework/Graphics.h"

// Paints a progress cell of percent on canvas in r: the done part in colorFrom with the label
// in fontColorFrom, the rest in colorTo and fontColorTo, in a grey frame.
void DrawProgressCell(TCanvas* canvas, const TRect& r, TColor colorFrom, TColor fontColorFrom, TColor colorTo,
                      TColor fontColorTo, int percent);

// The file's version, major in the high and minor in the low 16 bits; -1 without version data.
int ComCtlVersion(const std::string& fileName);

// The cell editor of the whole program: its previous window procedure and the rectangle (client
// coordinates of its list) that it is held on.
struct TEditPin {
  WNDPROC OldProc = nullptr;
  RECT Rect{};
};
extern TEditPin EditPin;

// Keeps the editor on EditPin.Rect whatever moves or sizes it; passes every message on.
LRESULT CALLBACK EditPinWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
