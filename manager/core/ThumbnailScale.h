// How a thumbnail is decoded for the lists' pictures, decided from its header alone.
#pragma once
#include <cstddef>
#include <optional>

namespace manager {

// The largest picture a thumbnail may claim: eight times a 160x120 thumbnail each way, which
// the fastest decode (an eighth each way) brings back to the thumbnail's own size. Larger
// claims are no thumbnail; refused before anything of their size is allocated.
constexpr unsigned kMaxThumbnailSide = 1280;
constexpr unsigned long long kMaxThumbnailPixels = 1280ull * 960;

// How many times (0 to 3) a picture of the declared size is halved each way when decoded to be
// drawn over width x height: as often as it still covers that size (decoding smaller is fast,
// shrinking the decoded picture is slow under Wine). Nothing for a size out of reason: empty,
// a side beyond kMaxThumbnailSide or more than kMaxThumbnailPixels.
std::optional<int> ThumbnailHalvings(unsigned declaredWidth, unsigned declaredHeight,
                                     unsigned width, unsigned height);

// The same for the thumbnail's data, from its header; nothing as well when the data is no
// JPEG that decodes.
std::optional<int> ThumbnailHalvings(const void* data, std::size_t size, unsigned width,
                                     unsigned height);

}  // namespace manager
