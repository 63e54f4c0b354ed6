// A stand-in for the task list view while that component is written: it keeps the properties
// the main form sets, so that the form reads as it will stay.
#pragma once
#include "framework/ComCtrls.h"

// The task list: the framework's list view, keeping the header colour the form gives it.
class TRichListViewStandIn : public TListView {
public:
  using TListView::TListView;
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor c) { FHeaderColor = c; }
private:
  TColor FHeaderColor = clBtnFace;
};

