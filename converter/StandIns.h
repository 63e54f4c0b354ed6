// Stand-ins for the task list view and the skin engine while those components are written:
// they keep the properties the main form sets, so that the form reads as it will stay.
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

// The skin engine: forms and controls tagged DisabledTag will be left unskinned.
class TkivSkinEngineStandIn : public TComponent {
public:
  using TComponent::TComponent;
  int DisabledTag() const { return FDisabledTag; }
  void SetDisabledTag(int t) { FDisabledTag = t; }
private:
  int FDisabledTag = 0;
};
