#include "canvas.h"
#include "frame_bitmap.h"
#include "frame_set.h"
#include "mechanism.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

using namespace drovane;
namespace m = drovane::mechanism;

// Suite names start with the file's name so `ctest -R frame_drawing` finds them.

constexpr int kPerSet = frame_set::kFramesPerSet;
constexpr double kPi = 3.141592653589793;

using Pixel = std::pair<int, int>;

const std::vector<Frame>& assets() {
    static const std::vector<Frame> frames = [] {
        std::vector<Frame> all;
        for (int holder = 1; holder <= frame_set::kHolderCount; ++holder)
            all.push_back(decodeFrame(frame_set::holderBitmap(holder)));
        return all;
    }();
    return frames;
}

const Frame& holder(int set, int position) { return assets()[static_cast<std::size_t>(set * kPerSet + position)]; }

std::vector<Pixel> blackPixels(const Frame& f) {
    std::vector<Pixel> out;
    for (int y = 0; y < Frame::kHeight; ++y)
        for (int x = 0; x < Frame::kWidth; ++x)
            if (f.isBlack(x, y))
                out.emplace_back(x, y);
    return out;
}

std::vector<Pixel> differences(const Frame& a, const Frame& b) {
    std::vector<Pixel> out;
    for (int y = 0; y < Frame::kHeight; ++y)
        for (int x = 0; x < Frame::kWidth; ++x)
            if (a.isBlack(x, y) != b.isBlack(x, y))
                out.emplace_back(x, y);
    return out;
}

bool inCamArea(int x, int y) {
    const double dx = x - m::kCamCentre.x;
    const double dy = y - m::kCamCentre.y;
    const double r = m::camAreaRadius();
    return dx * dx + dy * dy <= r * r;
}

// The band between the two levers at rest where M stands, around x = s.
constexpr int kLeverGapTop = static_cast<int>(m::kFollowerPivot.y + m::kFollowerHalfWidth) + 3;
constexpr int kLeverGapBottom = static_cast<int>(m::kLongPivot.y - m::kLongHalfWidth) - 3;
bool inMemberBox(int x, int y, double s) {
    return std::abs(x - s) <= 12 && y >= kLeverGapTop - 4 && y <= kLeverGapBottom + 4;
}
int blackInMemberBand(const Frame& f, double s) {
    int n = 0;
    for (int y = kLeverGapTop; y <= kLeverGapBottom; ++y)
        for (int x = 0; x < Frame::kWidth; ++x)
            if (std::abs(x - s) <= 12 && f.isBlack(x, y))
                ++n;
    return n;
}

// Lowest black pixel in the stem's column below the levers: the head's bottom line.
int headBottomRow(const Frame& f) {
    const int x = static_cast<int>(m::kValveX);
    for (int y = 265; y >= 140; --y)
        if (f.isBlack(x, y))
            return y;
    return -1;
}

// Mean direction of the lobe's centre line, degrees counter-clockwise on screen.
double lobeDirection(const Frame& f) {
    double sx = 0, sy = 0;
    for (const auto& [x, y] : blackPixels(f)) {
        const double dx = x - m::kCamCentre.x;
        const double dy = m::kCamCentre.y - y;
        const double r = std::hypot(dx, dy);
        if (r >= m::kMarkInner && r <= m::kMarkOuter) {
            sx += dx / r;
            sy += dy / r;
        }
    }
    return std::atan2(sy, sx) * 180.0 / kPi;
}

double wrapDegrees(double a) {
    while (a > 180.0)
        a -= 360.0;
    while (a <= -180.0)
        a += 360.0;
    return a;
}

bool eightConnected(const std::vector<Pixel>& pixels) {
    if (pixels.empty())
        return false;
    const std::set<Pixel> all(pixels.begin(), pixels.end());
    std::set<Pixel> seen{pixels.front()};
    std::vector<Pixel> todo{pixels.front()};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (all.count({x + dx, y + dy}) && seen.insert({x + dx, y + dy}).second)
                    todo.push_back({x + dx, y + dy});
    }
    return seen.size() == all.size();
}

TEST(frame_drawing_canvas, LinesRunBetweenRoundedEndpointsWithoutGaps) {
    struct Case {
        Point a, b;
        Pixel first, last;
        int length;  // pixels drawn
    };
    const Case cases[] = {
        {{10, 10}, {40, 10}, {10, 10}, {40, 10}, 31},
        {{10.4, 10.6}, {20.2, 45.5}, {10, 11}, {20, 46}, 36},
        {{100, 50}, {60, 70}, {100, 50}, {60, 70}, 41},
        {{5, 5}, {5, 5}, {5, 5}, {5, 5}, 1},
    };
    for (const Case& c : cases) {
        Frame f;
        Canvas(f).line(c.a, c.b);
        const auto px = blackPixels(f);
        EXPECT_EQ(static_cast<int>(px.size()), c.length);
        EXPECT_TRUE(f.isBlack(c.first.first, c.first.second));
        EXPECT_TRUE(f.isBlack(c.last.first, c.last.second));
        EXPECT_TRUE(eightConnected(px));
    }
}

TEST(frame_drawing_canvas, ClipsAtTheFrameEdge) {
    Frame f;
    Canvas(f).line({-50, 10}, {Frame::kWidth + 50.0, 10});
    EXPECT_EQ(static_cast<int>(blackPixels(f).size()), Frame::kWidth);
    Canvas(f).circle({0, 0}, 1000.0);  // entirely outside
    EXPECT_EQ(static_cast<int>(blackPixels(f).size()), Frame::kWidth);
}

TEST(frame_drawing_canvas, CirclesAndArcsAreConnectedAndOnTheirRadius) {
    for (const double r : {3.0, 9.0, 40.0}) {
        Frame f;
        const Point c{120.3, 130.7};
        Canvas canvas(f);
        canvas.circle(c, r);
        const auto px = blackPixels(f);
        EXPECT_TRUE(eightConnected(px)) << r;
        for (const auto& [x, y] : px)
            EXPECT_NEAR(std::hypot(x - c.x, y - c.y), r, 1.0) << r;
        Frame half;
        Canvas(half).arc(c, r, 0.0, kPi);
        for (const auto& [x, y] : blackPixels(half)) {
            EXPECT_LE(y, c.y + 1.0) << "an upper half arc stays above its centre";
        }
        EXPECT_TRUE(eightConnected(blackPixels(half)));
    }
}

TEST(frame_drawing, AllFramesDiffer) {
    const auto& f = assets();
    for (std::size_t i = 0; i < f.size(); ++i)
        for (std::size_t j = i + 1; j < f.size(); ++j)
            EXPECT_FALSE(f[i] == f[j]) << "holders " << i + 1 << " and " << j + 1;
}

TEST(frame_drawing, MarkerPixelAndNothingElseAtTheBottom) {
    for (std::size_t i = 0; i < assets().size(); ++i) {
        EXPECT_TRUE(assets()[i].isBlack(m::kMarkerX, m::kMarkerY)) << "holder " << i + 1;
        for (const auto& [x, y] : blackPixels(assets()[i])) {
            if (y >= 250) {
                EXPECT_TRUE(x == m::kMarkerX && y == m::kMarkerY) << "holder " << i + 1 << " at " << x << "," << y;
            }
        }
    }
}

TEST(frame_drawing, RestFramesDifferOnlyInsideTheCamArea) {
    for (int set = 0; set < m::kSettings; ++set)
        for (int position = 1; position <= m::kLastRestPosition; ++position)
            for (const auto& [x, y] : differences(holder(set, 0), holder(set, position))) {
                EXPECT_TRUE(inCamArea(x, y)) << "set " << set << " frame " << position + 1 << " at " << x << "," << y;
            }
}

TEST(frame_drawing, CamAreaIsTheSameInBothSettings) {
    for (int position = 0; position < m::kPositions; ++position)
        for (const auto& [x, y] : differences(holder(0, position), holder(1, position))) {
            EXPECT_FALSE(inCamArea(x, y)) << "frame " << position + 1 << " at " << x << "," << y;
        }
}

TEST(frame_drawing, AtRestTheSettingsDifferOnlyWhereTheMemberStands) {
    const auto& c = m::calibration();
    for (int position = 0; position <= m::kLastRestPosition; ++position) {
        for (const auto& [x, y] : differences(holder(0, position), holder(1, position))) {
            EXPECT_TRUE(inMemberBox(x, y, c.settingX[0]) || inMemberBox(x, y, c.settingX[1]))
                << "frame " << position + 1 << " at " << x << "," << y;
            EXPECT_LE(y, kLeverGapBottom + 4) << "long lever, valve and post are the same in both settings";
        }
        // Each setting shows M in its own place and only there.
        for (int set = 0; set < m::kSettings; ++set) {
            EXPECT_GT(blackInMemberBand(holder(set, position), c.settingX[set]), 20);
            EXPECT_EQ(blackInMemberBand(holder(set, position), c.settingX[1 - set]), 0);
        }
    }
}

TEST(frame_drawing, ValveTravelFromThePixels) {
    struct Case {
        int set;
        int peakTravel;
    };
    for (const Case c : {Case{0, 32}, Case{1, 5}}) {
        const int rest = headBottomRow(holder(c.set, 0));
        EXPECT_EQ(rest, m::kHeadBottomRestY);
        for (int position = 0; position < m::kPositions; ++position) {
            const int travel = headBottomRow(holder(c.set, position)) - rest;
            if (position <= m::kLastRestPosition) {
                EXPECT_EQ(travel, 0) << "set " << c.set << " frame " << position + 1;
            } else if (position == m::kPeakPosition) {
                EXPECT_EQ(travel, c.peakTravel) << "set " << c.set;
            } else {
                EXPECT_TRUE(travel >= 0 && travel < c.peakTravel)
                    << "set " << c.set << " frame " << position + 1 << ": " << travel;
            }
        }
    }
}

TEST(frame_drawing, LobeTurnsCounterClockwiseTwentyDegreesPerFrame) {
    for (int set = 0; set < m::kSettings; ++set)
        for (int position = 0; position < m::kPositions; ++position) {
            const int next = (position + 1) % m::kPositions;
            const double step = wrapDegrees(lobeDirection(holder(set, next)) - lobeDirection(holder(set, position)));
            EXPECT_NEAR(step, 20.0, 3.0) << "set " << set << " frame " << position + 1;
        }
    // At the peak the lobe points at the roller.
    const Point r = m::rollerRest();
    const double towardRoller = std::atan2(m::kCamCentre.y - r.y, r.x - m::kCamCentre.x) * 180.0 / kPi;
    EXPECT_NEAR(wrapDegrees(lobeDirection(holder(0, m::kPeakPosition)) - towardRoller), 0.0, 10.0);
}

} // namespace
