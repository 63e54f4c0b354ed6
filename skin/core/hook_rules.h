#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace skin {

// Whether a window may be created while a skin is active: a size-grip scroll bar only with
// the one extended style that the skinners' own grips carry, WS_EX_NOPARENTNOTIFY (4).
// className is upper case.
bool SkinAllowsCreation(const std::string& className, std::uint32_t style, std::uint32_t exStyle);

// What a window that becomes active gets, by its class name (letter case kept).
enum class ActivateSkin { Nothing, AsDialog, AsForm };
ActivateSkin SkinOnActivate(const std::string& className, bool alreadySkinned, bool skinDialogs,
                            const std::vector<std::string>& autoSkinClasses);

}  // namespace skin
