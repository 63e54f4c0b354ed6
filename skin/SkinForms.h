// Form, control and menu helpers of the skinners.
#pragma once

#include <windows.h>

#include "framework/Forms.h"
#include "framework/Menus.h"

namespace skin {

// Left, Top, Width and Height from rect, in that order.
void SetControlBounds(TControl* control, const TRect& rect);

// The work area of the monitor nearest the main form (of the desktop without one), less its
// bottom row.
void GetWorkArea(TRect& rect);

// The first form of the screen's list whose window this is, or null.
TCustomForm* FindFormByHandle(HWND handle);

// Whether the form is drawn as active: its skinned window decides when it answers the query;
// otherwise the main form counts as active while the program is (an MDI main form always),
// the MDI main form's active child too, any other form while it is the active window.
bool IsFormActive(TCustomForm* form);

// The item and every item below it get these owner-draw handlers (either may be empty).
void SetMenuItemsOwnerDraw(TMenuItem* item, const TMenuMeasureItemEvent& onMeasure,
                           const TMenuDrawItemEvent& onDraw);

}  // namespace skin
