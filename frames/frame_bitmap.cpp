#include "frame_bitmap.h"

#include <array>
#include <cstdio>
#include <string>

namespace drovane {
namespace {

using namespace frame_bitmap;

// How a header value reads in a message.
enum class Shown { Number, Signed, Text, Colour };

// One little-endian header field and the only value it may hold.
struct HeaderField {
    const char* name;
    std::size_t offset;
    std::size_t size;
    std::uint32_t value;
    Shown shown = Shown::Number;
};

constexpr std::uint32_t kWhite = 0x00FFFFFF; // blue, green, red = 255, then 0
constexpr std::uint32_t kBlack = 0;

constexpr std::array<HeaderField, 18> kHeader{{
    {"signature", 0, 2, 'B' | ('M' << 8), Shown::Text},
    {"file size", 2, 4, kFileSize},
    {"reserved (offset 6)", 6, 2, 0},
    {"reserved (offset 8)", 8, 2, 0},
    {"pixel data offset", 10, 4, kPixelOffset},
    {"info header size", 14, 4, 40},
    {"width", 18, 4, Frame::kWidth, Shown::Signed},
    {"height", 22, 4, Frame::kHeight, Shown::Signed},
    {"planes", 26, 2, 1},
    {"bits per pixel", 28, 2, 1},
    {"compression", 30, 4, 0},
    {"image size", 34, 4, kImageSize},
    {"horizontal resolution", 38, 4, 0},
    {"vertical resolution", 42, 4, 0},
    {"colours used", 46, 4, 0},
    {"important colours", 50, 4, 0},
    {"palette entry 0 (black)", 54, 4, kBlack, Shown::Colour},
    {"palette entry 1 (white)", 58, 4, kWhite, Shown::Colour},
}};

std::uint32_t readLittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

void writeLittleEndian(std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t size, std::uint32_t value) {
    for (std::size_t i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string describe(const HeaderField& field, std::uint32_t value) {
    char text[32];
    switch (field.shown) {
    case Shown::Text: {
        std::string quoted = "\"";
        for (std::size_t i = 0; i < field.size; ++i) {
            const auto c = static_cast<unsigned char>(value >> (8 * i));
            if (c >= 0x20 && c < 0x7f) {
                quoted += static_cast<char>(c);
            } else {
                std::snprintf(text, sizeof text, "\\x%02X", c);
                quoted += text;
            }
        }
        return quoted + "\"";
    }
    case Shown::Signed:
        return std::to_string(static_cast<std::int32_t>(value));
    case Shown::Colour:
        std::snprintf(text, sizeof text, "0x%08X", value);
        return text;
    case Shown::Number:
        break;
    }
    return std::to_string(value);
}

std::size_t rowStart(int y) {
    // Rows are stored bottom row first.
    return kPixelOffset + static_cast<std::size_t>(Frame::kHeight - 1 - y) * kRowBytes;
}

} // namespace

Frame decodeFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kFileSize)
        throw FrameFormatError("frame bitmap: length is " + std::to_string(bytes.size()) + " bytes, expected " +
                               std::to_string(kFileSize));
    for (const HeaderField& field : kHeader) {
        const std::uint32_t found = readLittleEndian(bytes, field.offset, field.size);
        if (found != field.value)
            throw FrameFormatError("frame bitmap: " + std::string(field.name) + " is " + describe(field, found) +
                                   ", expected " + describe(field, field.value));
    }

    Frame frame;
    for (int y = 0; y < Frame::kHeight; ++y) {
        const std::size_t row = rowStart(y);
        for (int x = 0; x < Frame::kWidth; ++x) {
            const bool white = (bytes[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1;
            frame.setBlack(x, y, !white);
        }
    }
    return frame;
}

std::vector<std::uint8_t> encodeFrame(const Frame& frame) {
    std::vector<std::uint8_t> bytes(kFileSize, 0);
    for (const HeaderField& field : kHeader)
        writeLittleEndian(bytes, field.offset, field.size, field.value);
    for (int y = 0; y < Frame::kHeight; ++y) {
        const std::size_t row = rowStart(y);
        for (int x = 0; x < Frame::kWidth; ++x)
            if (!frame.isBlack(x, y))
                bytes[row + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return bytes;
}

} // namespace drovane
