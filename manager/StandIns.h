// Stand-ins for the drive and folder combo and the skin engine while those components are
// written: they keep what the main form sets and reads, so that the form reads as it will stay.
#pragma once
#include <functional>
#include <string>

#include "framework/StdCtrls.h"

// The drive and folder combo: a read-only edit box keeping the chosen path.
class TDirTreeComboStandIn : public TEdit {
public:
  explicit TDirTreeComboStandIn(TComponent* AOwner) : TEdit(AOwner) { SetReadOnly(true); }
  const std::string& SelectedPath() const { return FSelectedPath; }
  void SetSelectedPath(const std::string& path) { FSelectedPath = path; }
  void SetDropDownHeight(int height) { FDropDownHeight = height; }
  std::function<void(TObject* Sender, const std::string& SelectedPath)> OnPathChange;

private:
  std::string FSelectedPath;
  int FDropDownHeight = 0;
};
