#include "skin/core/hook_rules.h"

#include <algorithm>

namespace skin {
namespace {

constexpr std::uint32_t kSizeGripStyle = 0x10;     // SBS_SIZEGRIP
constexpr std::uint32_t kNoParentNotify = 0x4;     // WS_EX_NOPARENTNOTIFY

}  // namespace

bool SkinAllowsCreation(const std::string& className, std::uint32_t style, std::uint32_t exStyle) {
  return className != "SCROLLBAR" || (style & kSizeGripStyle) == 0 || exStyle == kNoParentNotify;
}

ActivateSkin SkinOnActivate(const std::string& className, bool alreadySkinned, bool skinDialogs,
                            const std::vector<std::string>& autoSkinClasses) {
  if (alreadySkinned)
    return ActivateSkin::Nothing;
  if (className == "TTabDockHost" || className == "TConjoinDockHost")
    return ActivateSkin::AsDialog;
  if (className == "TMessageForm" || className == "#32770")
    return skinDialogs ? ActivateSkin::AsDialog : ActivateSkin::Nothing;
  const bool listed =
      std::find(autoSkinClasses.begin(), autoSkinClasses.end(), className) != autoSkinClasses.end();
  return listed ? ActivateSkin::AsForm : ActivateSkin::Nothing;
}

}  // namespace skin
