#include "explorer/core/ComboGeometry.h"
#include "explorer/core/TreeKeys.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

// The manager's combo: 219 x 21 with a 2-pixel sunken edge, so its client area is 215 x 17.
TEST(ComboLayoutTest, ManagersComboOf219By21) {
  const TBox made = DropButtonAtCreation(kComboDefaultWidth);
  EXPECT_EQ((std::vector<int>{made.Left, made.Top, made.Width, made.Height}), (std::vector<int>{195, 0, 17, 17}));
  const TBox sized = DropButtonForSize(made, 219, 21);
  EXPECT_EQ((std::vector<int>{sized.Left, sized.Top, sized.Width, sized.Height}), (std::vector<int>{198, 0, 17, 17}));
  EXPECT_EQ(sized.Left + sized.Width, 215);  // flush with the client area's right end

  const TTextRect withIcon = EditTextRect(true, 215, 17, 17);
  EXPECT_EQ((std::vector<int>{withIcon.Left, withIcon.Top, withIcon.Right, withIcon.Bottom}),
            (std::vector<int>{23, 0, 196, 18}));
  EXPECT_EQ(EditTextRect(false, 215, 17, 17).Left, 0);
  EXPECT_EQ(IconTop(17), 0);
  EXPECT_EQ(IconTop(16), 0);
  EXPECT_EQ(IconTop(15), -1);
}

TEST(ComboLayoutTest, TheTreeOpensAboveOnlyWhenItWouldLeaveTheScreen) {
  struct Case {
    int belowTop, screenHeight, top;
  };
  for (const Case& c : {
           Case{100, 1024, 100},
           Case{784, 1024, 784},  // reaches the last row exactly
           Case{785, 1024, 500},
       })
    EXPECT_EQ(DropDownTop(c.belowTop, 500, kDefaultTreeHeight, c.screenHeight), c.top) << c.belowTop;
}

TEST(ComboLayoutTest, KeysOnTheSelectedNode) {
  using M = TTreeMove;
  const TSelectionState root{true, true, false, true, true};
  const TSelectionState firstDrive{false, false, true, true, true};
  const TSelectionState openFolder{false, true, false, true, true};
  const TSelectionState lastNode{false, false, false, false, false};
  struct Case {
    const char* note;
    TTreeKey key;
    TSelectionState node;
    bool collapse, expand;
    M move;
    bool inherited;
  };
  for (const Case& c : {
           Case{"left on the root", TTreeKey::Left, root, true, false, M::None, false},
           Case{"left on the first drive", TTreeKey::Left, firstDrive, false, false, M::None, false},
           Case{"left on an open folder", TTreeKey::Left, openFolder, true, false, M::PreviousVisible, true},
           Case{"up on the root", TTreeKey::Up, root, false, false, M::None, false},
           Case{"up on a drive", TTreeKey::Up, firstDrive, false, false, M::PreviousVisible, true},
           Case{"right", TTreeKey::Right, firstDrive, false, true, M::None, true},
           Case{"down on an open folder", TTreeKey::Down, openFolder, false, false, M::FirstChild, true},
           Case{"down on a closed drive", TTreeKey::Down, firstDrive, false, false, M::NextVisible, true},
           Case{"down on the last node", TTreeKey::Down, lastNode, false, false, M::None, false},
       }) {
    const TKeyPlan plan = PlanKey(c.key, c.node);
    EXPECT_EQ(plan.Collapse, c.collapse) << c.note;
    EXPECT_EQ(plan.Expand, c.expand) << c.note;
    EXPECT_EQ(plan.Move, c.move) << c.note;
    EXPECT_EQ(plan.Inherited, c.inherited) << c.note;
    EXPECT_FALSE(plan.Pick || plan.Close || plan.Toggle) << c.note;
  }
  EXPECT_TRUE(PlanKey(TTreeKey::Enter, lastNode).Pick);
  EXPECT_TRUE(PlanKey(TTreeKey::Escape, lastNode).Close);
  EXPECT_TRUE(PlanKey(TTreeKey::F4, lastNode).Toggle);
}

}  // namespace
}  // namespace explorer
