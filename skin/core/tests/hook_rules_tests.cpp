#include "skin/core/hook_rules.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(HookRules, ASizeGripScrollBarIsCreatedOnlyWithExtendedStyle4) {
  struct Case {
    const char* Class;
    std::uint32_t Style, ExStyle;
    bool Allowed;
  };
  for (const Case& c : {
           Case{"SCROLLBAR", 0x10, 0x4, true},
           Case{"SCROLLBAR", 0x10, 0x0, false},
           Case{"SCROLLBAR", 0x10, 0x5, false},  // 4 and more is not 4
           Case{"SCROLLBAR", 0x18, 0x200, false},
           Case{"SCROLLBAR", 0x01, 0x0, true},   // a plain vertical bar
           Case{"EDIT", 0x10, 0x0, true},
       })
    EXPECT_EQ(SkinAllowsCreation(c.Class, c.Style, c.ExStyle), c.Allowed)
        << c.Class << std::hex << " " << c.Style << " " << c.ExStyle;
}

TEST(HookRules, ActivatedWindowsAreSkinnedByClass) {
  const std::vector<std::string> autoSkin = {"TSelectDirDlg", "TForm"};
  struct Case {
    const char* Class;
    bool Skinned, SkinDialogs;
    ActivateSkin Action;
  };
  for (const Case& c : {
           Case{"#32770", false, true, ActivateSkin::AsDialog},
           Case{"#32770", false, false, ActivateSkin::Nothing},
           Case{"TMessageForm", false, true, ActivateSkin::AsDialog},
           Case{"TTabDockHost", false, false, ActivateSkin::AsDialog},
           Case{"TConjoinDockHost", false, false, ActivateSkin::AsDialog},
           Case{"TForm", false, true, ActivateSkin::AsForm},
           Case{"TSelectDirDlg", false, false, ActivateSkin::AsForm},
           Case{"TForm", true, true, ActivateSkin::Nothing},
           Case{"#32770", true, true, ActivateSkin::Nothing},
           Case{"tform", false, true, ActivateSkin::Nothing},  // letter case counts
           Case{"TMainForm", false, true, ActivateSkin::Nothing},
       })
    EXPECT_EQ(SkinOnActivate(c.Class, c.Skinned, c.SkinDialogs, autoSkin), c.Action)
        << c.Class << " " << c.Skinned << c.SkinDialogs;
}

}  // namespace
}  // namespace skin
