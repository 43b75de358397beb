#pragma once

#include "asset_name.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace drovane {

// The 36 frame bitmaps that travel inside the program: holders 1 to 18 are the
// large valve lift, 19 to 36 the small one, each set one full cam turn.
namespace frame_set {

// A bitmap as compiled in, named like its asset file ("image07.bmp").
struct StoredBitmap {
    std::string_view name;
    std::span<const std::uint8_t> bytes;
};

// The bitmaps compiled into this program, in no particular order.
std::span<const StoredBitmap> storedBitmaps();

// The bitmap of holder `holder` (1..36), found by the number in its name,
// never by its place in `stored`. Throws std::out_of_range when the number is
// outside 1..36 or no bitmap carries it.
std::span<const std::uint8_t> holderBitmap(int holder, std::span<const StoredBitmap> stored = storedBitmaps());

} // namespace frame_set
} // namespace drovane
