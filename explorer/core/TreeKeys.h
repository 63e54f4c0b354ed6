// What a key does to the drop-down tree's selected node, the tree open or closed.
#pragma once

namespace explorer {

enum class TTreeKey { Enter, Escape, Left, Up, Right, Down, F4, Other };

// What the tree says of its selected node.
struct TSelectionState {
  bool IsRoot = false;
  bool Expanded = false;
  bool RootPrecedes = false;    // the root is its previous sibling or its previous visible node
  bool HasNext = false;         // a node follows it in tree order
  bool HasNextVisible = false;  // a visible node follows it
};

enum class TTreeMove { None, PreviousVisible, FirstChild, NextVisible };

struct TKeyPlan {
  bool Pick = false;       // take the node's path, as a click does
  bool Close = false;      // hide the tree when it is open
  bool Collapse = false;   // the node with its subtree
  bool Expand = false;     // one level
  bool Toggle = false;     // open or close the tree
  TTreeMove Move = TTreeMove::None;
  bool Inherited = true;   // the edit's own key handling follows
};

TKeyPlan PlanKey(TTreeKey key, const TSelectionState& node);

}  // namespace explorer
