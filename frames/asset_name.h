#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

namespace drovane::frame_set {

// The asset file name of frame holder `holder` (1..36): "image01.bmp" ...
// "image36.bmp". Kept apart from the compiled-in frame set so that the tools
// that write and read the asset files need not embed them.
inline std::string assetName(int holder) {
    if (holder < 1 || holder > 36)
        throw std::out_of_range("frame holder " + std::to_string(holder) + " is outside 1..36");
    char name[16];
    std::snprintf(name, sizeof name, "image%02d.bmp", holder);
    return name;
}

} // namespace drovane::frame_set
