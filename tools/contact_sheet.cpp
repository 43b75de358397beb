// Lays the 36 frame assets out as one PNG to look at:
//   contact_sheet ASSET_DIR OUT.png
// Six rows of three cam positions: setting 0 on the left, the same positions
// of setting 1 on the right.
#include "asset_name.h"
#include "frame_bitmap.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using drovane::frame_set::kFramesPerSet;
constexpr int kColumns = 3;  // per setting
constexpr int kRows = kFramesPerSet / kColumns;
constexpr int kBorder = 8;
constexpr int kGap = 4;
constexpr int kSetGap = 16;
constexpr std::uint8_t kWhite = 255;
constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kBackground = 150;

struct Failure {
    std::string message;
};

drovane::Frame readFrame(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Failure{"cannot read " + file.string()};
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        return drovane::decodeFrame(bytes);
    } catch (const drovane::FrameFormatError& e) {
        throw Failure{file.string() + " is not a frame bitmap: " + e.what()};
    }
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    putU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    putU32(out, static_cast<std::uint32_t>(crc));
}

// 8-bit greyscale PNG, one unfiltered scanline per row.
std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t>& grey, int width, int height) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(width + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = grey.begin() + static_cast<std::ptrdiff_t>(y) * width;
        raw.insert(raw.end(), row, row + width);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw Failure{"zlib could not compress the image"};
    packed.resize(packedSize);

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    putU32(header, static_cast<std::uint32_t>(width));
    putU32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 0, 0, 0, 0});  // 8 bits, greyscale, deflate, no filter choice, no interlace
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: contact_sheet ASSET_DIR OUT.png\n";
        return 2;
    }
    using drovane::Frame;
    const int width = 2 * kBorder + 2 * kColumns * Frame::kWidth + 2 * (kColumns - 1) * kGap + kSetGap;
    const int height = 2 * kBorder + kRows * Frame::kHeight + (kRows - 1) * kGap;
    try {
        std::vector<std::uint8_t> sheet(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                        kBackground);
        for (int set = 0; set < 2; ++set)
            for (int position = 0; position < kFramesPerSet; ++position) {
                const Frame frame = readFrame(std::filesystem::path(argv[1]) /
                                              drovane::frame_set::assetName(set * kFramesPerSet + position + 1));
                const int column = position % kColumns;
                const int row = position / kColumns;
                const int left = kBorder + set * (kColumns * Frame::kWidth + (kColumns - 1) * kGap + kSetGap) +
                                 column * (Frame::kWidth + kGap);
                const int top = kBorder + row * (Frame::kHeight + kGap);
                for (int y = 0; y < Frame::kHeight; ++y)
                    for (int x = 0; x < Frame::kWidth; ++x)
                        sheet[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(left + x)] = frame.isBlack(x, y) ? kBlack : kWhite;
            }
        const std::vector<std::uint8_t> png = encodePng(sheet, width, height);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
        out.close();
        if (!out)
            throw Failure{std::string("cannot write ") + argv[2]};
    } catch (const Failure& f) {
        std::cerr << "contact_sheet: " << f.message << "\n";
        return 1;
    }
    return 0;
}
