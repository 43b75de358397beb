#include "frame_set.h"

#include <stdexcept>
#include <string>

namespace drovane::frame_set {

std::span<const std::uint8_t> holderBitmap(int holder, std::span<const StoredBitmap> stored) {
    const std::string wanted = assetName(holder);
    for (const StoredBitmap& bitmap : stored)
        if (bitmap.name == wanted)
            return bitmap.bytes;
    throw std::out_of_range("frame holder " + std::to_string(holder) + ": no bitmap " + wanted + " in the program");
}

} // namespace drovane::frame_set
