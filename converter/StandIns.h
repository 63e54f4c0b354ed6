// Stand-in for the skin engine while it is written: it keeps the properties the main form
// sets, so that the form reads as it will stay.
#pragma once
#include "framework/Classes.h"

// The skin engine: forms and controls tagged DisabledTag will be left unskinned.
class TkivSkinEngineStandIn : public TComponent {
public:
  using TComponent::TComponent;
  int DisabledTag() const { return FDisabledTag; }
  void SetDisabledTag(int t) { FDisabledTag = t; }
private:
  int FDisabledTag = 0;
};
