// The banner of the main window: which picture comes next and what it links to.
#pragma once
#include <optional>
#include <string>

namespace manager {

// The picture after the one shown (-1 before the first), starting again after the last;
// -1 when there are no pictures.
int NextBannerIndex(int index, int pictureCount);

// The page of the maker's web site that the banner picture links to, relative to the site;
// nothing for an index without one.
std::optional<std::string> BannerPage(int index);

}  // namespace manager
