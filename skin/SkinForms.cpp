#include "skin/SkinForms.h"

namespace skin {
namespace {

// Asked of a skinned window: 1 when it is drawn active, another positive answer when not.
constexpr UINT kActiveQuery = 0x2AAB;

}  // namespace

void SetControlBounds(TControl* control, const TRect& rect) {
  control->SetLeft(rect.left);
  control->SetTop(rect.top);
  control->SetWidth(rect.right - rect.left);
  control->SetHeight(rect.bottom - rect.top);
}

void GetWorkArea(TRect& rect) {
  TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  if (mainForm &&
      GetMonitorInfoA(MonitorFromWindow(mainForm->Handle(), MONITOR_DEFAULTTONEAREST), &monitor))
    rect = monitor.rcWork;
  else
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
  rect.bottom -= 1;
}

TCustomForm* FindFormByHandle(HWND handle) {
  for (int i = 0; Screen && i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->HandleAllocated() && Screen->Forms(i)->Handle() == handle)
      return Screen->Forms(i);
  return nullptr;
}

bool IsFormActive(TCustomForm* form) {
  const LRESULT answer = SendMessageA(form->Handle(), kActiveQuery, 0, 0);
  if (answer > 0)
    return answer == 1;
  TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (!mainForm)
    return form->Active();
  const bool mdi = mainForm->FormStyle() == fsMDIForm;
  if (mdi && form == mainForm)  // the frame of the active child looks active with it
    return true;
  if (!GetActiveWindow())  // none of the program's windows is active
    return false;
  if (form == mainForm)
    return true;
  if (mdi && form->HandleAllocated() &&
      SendMessageA(mainForm->ClientHandle(), WM_MDIGETACTIVE, 0, 0) == LRESULT(form->Handle()))
    return true;
  return form->Active();
}

void SetMenuItemsOwnerDraw(TMenuItem* item, const TMenuMeasureItemEvent& onMeasure,
                           const TMenuDrawItemEvent& onDraw) {
  item->OnMeasureItem = onMeasure;
  item->OnDrawItem = onDraw;
  for (int i = 0; i < item->Count(); ++i)
    SetMenuItemsOwnerDraw(item->Items(i), onMeasure, onDraw);
}

}  // namespace skin
