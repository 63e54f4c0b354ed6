#include "manager/core/Banner.h"

#include <array>

namespace manager {

int NextBannerIndex(int index, int pictureCount) {
  if (pictureCount <= 0) return -1;
  return index + 1 >= pictureCount ? 0 : index + 1;
}

std::optional<std::string> BannerPage(int index) {
  static const std::array<const char*, 4> pages = {"tessark/", "hollimer/", "profiles/",
                                                   "skins/"};
  if (index < 0 || index >= static_cast<int>(pages.size())) return std::nullopt;
  return pages[index];
}

}  // namespace manager
