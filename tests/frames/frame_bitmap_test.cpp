#include "frame_bitmap.h"
#include "test_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace drovane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A frame with a few marks whose position a wrong row order or bit order would move.
Frame markedFrame() {
    Frame frame;
    frame.setBlack(0, 0);
    frame.setBlack(249, 0);
    frame.setBlack(7, 1);
    frame.setBlack(8, 1);
    frame.setBlack(2, 273);
    frame.setBlack(249, 279);
    return frame;
}

void put32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(FrameBitmap, RoundTripKeepsEveryPixel) {
    const Frame frame = markedFrame();
    const Bytes bytes = encodeFrame(frame);
    ASSERT_EQ(bytes.size(), 9022u);
    EXPECT_EQ(decodeFrame(bytes), frame);
}

TEST(FrameBitmap, TopLeftPixelIsStoredInTheLastRowMostSignificantBitFirst) {
    Frame frame;
    frame.setBlack(0, 0);
    const Bytes bytes = encodeFrame(frame);
    const std::size_t lastRow = 62 + 279 * 32;
    EXPECT_EQ(bytes[lastRow], 0x7F) << "leftmost pixel of the top row is bit 7 of the last stored row";
    EXPECT_EQ(bytes[62], 0xFF) << "the first stored row is the bottom row, all white";

    Bytes stored(bytes);
    stored[lastRow] = 0xFF;
    stored[62] = 0xBF; // second pixel of the bottom row black
    const Frame decoded = decodeFrame(stored);
    EXPECT_FALSE(decoded.isBlack(0, 0));
    EXPECT_TRUE(decoded.isBlack(1, 279));
}

TEST(FrameBitmap, HeaderHasTheFixedLayout) {
    const Bytes bytes = encodeFrame(Frame{});
    const Bytes expected{'B', 'M', 0x3E, 0x23, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, 250, 0, 0, 0, 0x18, 0x01, 0, 0,
                         1, 0, 1, 0, 0, 0, 0, 0, 0x00, 0x23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         0, 0, 0, 0, 255, 255, 255, 0};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 62), expected);
}

TEST(FrameBitmap, RowPaddingIsWrittenAsZeroAndIgnoredOnReading) {
    const Frame frame = markedFrame();
    Bytes bytes = encodeFrame(frame);
    for (std::size_t row = 0; row < 280; ++row) {
        const std::size_t start = 62 + row * 32;
        ASSERT_EQ(bytes[start + 31] & 0x3F, 0) << "last 6 bits of byte 31, row " << row;
        bytes[start + 31] |= 0x3F; // set the 6 padding bits
    }
    EXPECT_EQ(decodeFrame(bytes), frame);
}

struct Malformed {
    const char* what;
    std::function<void(Bytes&)> spoil;
    const char* message;
};

class MalformedBitmap : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedBitmap, IsRefusedNamingFieldFoundAndExpected) {
    Bytes bytes = encodeFrame(markedFrame());
    GetParam().spoil(bytes);
    try {
        decodeFrame(bytes);
        FAIL() << "accepted a bitmap with " << GetParam().what;
    } catch (const FrameFormatError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, MalformedBitmap,
    testing::Values(
        Malformed{"no data", [](Bytes& b) { b.clear(); }, "frame bitmap: length is 0 bytes, expected 9022"},
        Malformed{"a truncated body", [](Bytes& b) { b.resize(9021); }, "frame bitmap: length is 9021 bytes, expected 9022"},
        Malformed{"only a header", [](Bytes& b) { b.resize(30); }, "frame bitmap: length is 30 bytes, expected 9022"},
        Malformed{"trailing bytes", [](Bytes& b) { b.push_back(0); }, "frame bitmap: length is 9023 bytes, expected 9022"},
        Malformed{"a wrong signature", [](Bytes& b) { b[0] = 'P'; b[1] = 0; },
                  "frame bitmap: signature is \"P\\x00\", expected \"BM\""},
        Malformed{"a wrong file size", [](Bytes& b) { put32(b, 2, 9000); }, "frame bitmap: file size is 9000, expected 9022"},
        Malformed{"reserved bytes", [](Bytes& b) { b[8] = 1; }, "frame bitmap: reserved (offset 8) is 1, expected 0"},
        Malformed{"another pixel offset", [](Bytes& b) { put32(b, 10, 54); },
                  "frame bitmap: pixel data offset is 54, expected 62"},
        Malformed{"an OS/2 header", [](Bytes& b) { put32(b, 14, 12); }, "frame bitmap: info header size is 12, expected 40"},
        Malformed{"another width", [](Bytes& b) { put32(b, 18, 251); }, "frame bitmap: width is 251, expected 250"},
        Malformed{"a top-down height", [](Bytes& b) { put32(b, 22, static_cast<std::uint32_t>(-280)); },
                  "frame bitmap: height is -280, expected 280"},
        Malformed{"two planes", [](Bytes& b) { b[26] = 2; }, "frame bitmap: planes is 2, expected 1"},
        Malformed{"8 bits per pixel", [](Bytes& b) { b[28] = 8; }, "frame bitmap: bits per pixel is 8, expected 1"},
        Malformed{"RLE compression", [](Bytes& b) { put32(b, 30, 1); }, "frame bitmap: compression is 1, expected 0"},
        Malformed{"a wrong image size", [](Bytes& b) { put32(b, 34, 0); }, "frame bitmap: image size is 0, expected 8960"},
        Malformed{"a resolution", [](Bytes& b) { put32(b, 38, 3780); },
                  "frame bitmap: horizontal resolution is 3780, expected 0"},
        Malformed{"a colour count", [](Bytes& b) { put32(b, 46, 2); }, "frame bitmap: colours used is 2, expected 0"},
        Malformed{"a swapped palette", [](Bytes& b) { put32(b, 54, 0x00FFFFFF); put32(b, 58, 0); },
                  "frame bitmap: palette entry 0 (black) is 0x00FFFFFF, expected 0x00000000"},
        Malformed{"a grey palette entry", [](Bytes& b) { put32(b, 58, 0x00808080); },
                  "frame bitmap: palette entry 1 (white) is 0x00808080, expected 0x00FFFFFF"}),
    [](const testing::TestParamInfo<Malformed>& info) { return testName(info.param.what); });

} // namespace
} // namespace drovane
