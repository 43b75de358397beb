#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

namespace drovane::frame_set {

// Holders 1 to 18 are the large valve lift, 19 to 36 the small one.
inline constexpr int kFramesPerSet = 18;
inline constexpr int kSetCount = 2;
inline constexpr int kHolderCount = kFramesPerSet * kSetCount;

// The asset file name of frame holder `holder` (1..36): "image01.bmp" ...
// "image36.bmp". Kept apart from the compiled-in frame set so that the tools
// that write and read the asset files need not embed them.
inline std::string assetName(int holder) {
    if (holder < 1 || holder > kHolderCount)
        throw std::out_of_range("frame holder " + std::to_string(holder) + " is outside 1.." +
                                std::to_string(kHolderCount));
    char name[16];
    std::snprintf(name, sizeof name, "image%02d.bmp", holder);
    return name;
}

} // namespace drovane::frame_set
