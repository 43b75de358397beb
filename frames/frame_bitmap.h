#pragma once

#include "frame.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace drovane {

// The one bitmap layout every frame is stored in: an uncompressed, bottom-up,
// one bit per pixel Windows bitmap of exactly the frame size with a black/white
// palette. Nothing else is accepted.
namespace frame_bitmap {
inline constexpr std::size_t kFileSize = 9022;
inline constexpr std::size_t kPixelOffset = 62;
inline constexpr std::size_t kRowBytes = 32;
inline constexpr std::size_t kImageSize = kRowBytes * Frame::kHeight;
} // namespace frame_bitmap

// Why a buffer is not a frame bitmap; the message names the field, the value
// found and the value expected.
class FrameFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws FrameFormatError for anything but the exact layout; never reads
// outside `bytes`. The row padding bits are ignored.
Frame decodeFrame(std::span<const std::uint8_t> bytes);

// Writes the exact layout, row padding as zero bits.
std::vector<std::uint8_t> encodeFrame(const Frame& frame);

} // namespace drovane
