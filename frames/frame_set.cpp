#include "frame_set.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace drovane::frame_set {

std::string assetName(int holder) {
    if (holder < 1 || holder > kHolderCount)
        throw std::out_of_range("frame holder " + std::to_string(holder) + " is outside 1.." +
                                std::to_string(kHolderCount));
    char name[16];
    std::snprintf(name, sizeof name, "image%02d.bmp", holder);
    return name;
}

std::span<const std::uint8_t> holderBitmap(int holder, std::span<const StoredBitmap> stored) {
    const std::string wanted = assetName(holder);
    for (const StoredBitmap& bitmap : stored)
        if (bitmap.name == wanted)
            return bitmap.bytes;
    throw std::out_of_range("frame holder " + std::to_string(holder) + ": no bitmap " + wanted + " in the program");
}

} // namespace drovane::frame_set
