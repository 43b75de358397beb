#pragma once

#include <cstdint>
#include <vector>

namespace drovane {

// A black-and-white picture of the frame size, row 0 at the top.
class Frame {
public:
    static constexpr int kWidth = 250;
    static constexpr int kHeight = 280;

    // A new frame is all white.
    Frame();

    bool isBlack(int x, int y) const { return black_[index(x, y)] != 0; }
    void setBlack(int x, int y, bool black = true) { black_[index(x, y)] = black ? 1 : 0; }

    static bool contains(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

    friend bool operator==(const Frame&, const Frame&) = default;

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x); }

    std::vector<std::uint8_t> black_;
};

} // namespace drovane
