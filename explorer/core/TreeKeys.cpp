#include "explorer/core/TreeKeys.h"

namespace explorer {

TKeyPlan PlanKey(TTreeKey key, const TSelectionState& node) {
  TKeyPlan plan;
  switch (key) {
    case TTreeKey::Enter:
      plan.Pick = true;
      break;
    case TTreeKey::Escape:
      plan.Close = true;
      break;
    case TTreeKey::Left:
      plan.Collapse = node.Expanded;
      if (node.IsRoot || node.RootPrecedes)
        plan.Inherited = false;
      else
        plan.Move = TTreeMove::PreviousVisible;
      break;
    case TTreeKey::Up:
      if (node.IsRoot)
        plan.Inherited = false;
      else
        plan.Move = TTreeMove::PreviousVisible;
      break;
    case TTreeKey::Right:
      plan.Expand = true;
      break;
    case TTreeKey::Down:
      if (!node.HasNext || !node.HasNextVisible)
        plan.Inherited = false;
      else
        plan.Move = node.Expanded ? TTreeMove::FirstChild : TTreeMove::NextVisible;
      break;
    case TTreeKey::F4:
      plan.Toggle = true;
      break;
    case TTreeKey::Other:
      break;
  }
  return plan;
}

}  // namespace explorer
