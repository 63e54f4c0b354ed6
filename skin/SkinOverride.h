// A control property that a skinner sets while the skin is on and gives back when it goes
// off. The control's own value is taken when the skin comes on, so that further updates with
// the skin on keep the own value rather than the skin's.
#pragma once

template <class T>
class TkivSkinOverride {
public:
  template <class Get, class Set>
  void Update(bool skinOn, T skinned, Get get, Set set) {
    if (skinOn) {
      if (!FApplied)
        FOwn = get();
      FApplied = true;
      set(skinned);
    } else if (FApplied) {
      FApplied = false;
      set(FOwn);
    }
  }

private:
  T FOwn{};
  bool FApplied = false;
};
