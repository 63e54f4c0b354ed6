#pragma once
#include <functional>
#include <string>

namespace skin {

// stem + ".kiv" when no file of that name exists, else the first free of stem + "1.kiv",
// stem + "2.kiv", ...
std::string FirstFreeSkinFileName(const std::string& stem,
                                  const std::function<bool(const std::string&)>& exists);

}  // namespace skin
