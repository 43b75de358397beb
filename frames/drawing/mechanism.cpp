#include "mechanism.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace drovane::mechanism {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
constexpr double kLobeHalfAngle = kLobeHalfAngleDegrees * kDegree;
// Lobe sampled this finely, the roller sits on the true curve to well under a pixel.
constexpr int kLobeSamplesPerSide = 1840;

double followerLength() { return rollerRest().x - kFollowerPivot.x; }

// M's end circle centres are this far apart; levers are parallel at rest, so
// the same member fits at any x.
constexpr double kMemberLength = (kLongPivot.y - kLongHalfWidth - kMemberEndRadius) -
                                 (kFollowerPivot.y + kFollowerHalfWidth + kMemberEndRadius);

// Smallest downward turn of L1 at which the roller clears every lobe point.
// The roller only moves away from the cam centre as L1 turns down, so the
// turns at which it would overlap the cam form one range starting at rest;
// each lobe point closes off the part of the range up to where the roller
// just leaves it. Base-circle points never need checking: the roller rests
// tangent to the base circle and moves away from it.
double followerAngle(double lobeHeight, double peak) {
    const double length = followerLength();
    const double step = kLobeHalfAngle / kLobeSamplesPerSide;
    double angle = 0.0;
    for (int i = -kLobeSamplesPerSide + 1; i < kLobeSamplesPerSide; ++i) {
        const double psi = i * step;
        const Point p = polar(kCamCentre, camRadius(psi, lobeHeight), peak + psi);
        const double dx = p.x - kFollowerPivot.x;
        const double dy = p.y - kFollowerPivot.y;
        const double d = std::sqrt(dx * dx + dy * dy);
        // The turns at which the axle is exactly one roller radius from the
        // point: the two crossings of the axle's circle with the point's.
        const double c = (length * length + d * d - kRollerRadius * kRollerRadius) / (2.0 * length * d);
        if (c >= 1.0)
            continue;
        angle = std::max(angle, std::atan2(dy, dx) + std::acos(c));
    }
    return angle;
}

// L2's turn at which its top face is tangent to M's lower end circle.
double longAngle(Point memberBottom) {
    const double clearance = kLongHalfWidth + kMemberEndRadius;
    auto gap = [&](double beta) {
        // Distance of the circle centre from the top face, along its upward normal.
        return -std::sin(beta) * (memberBottom.x - kLongPivot.x) - std::cos(beta) * (memberBottom.y - kLongPivot.y) -
               clearance;
    };
    double lo = -0.3;
    double hi = 0.6;
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        (gap(mid) < 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

Pose solve(double lobeHeight, double settingX, double peak) {
    Pose p{};
    p.lobeAngle = peak;
    p.followerAngle = followerAngle(lobeHeight, peak);
    const double length = followerLength();
    p.roller = {kFollowerPivot.x + length * std::cos(p.followerAngle),
                kFollowerPivot.y + length * std::sin(p.followerAngle)};
    // M's upper end circle tangent to L1's underside, M moving only vertically.
    const double t = p.followerAngle;
    const double topY = kFollowerPivot.y +
                        (kFollowerHalfWidth + kMemberEndRadius + std::sin(t) * (settingX - kFollowerPivot.x)) / std::cos(t);
    p.memberTop = {settingX, topY};
    p.memberBottom = {settingX, topY + kMemberLength};
    p.longAngle = longAngle(p.memberBottom);
    // The pad is a circle on L2; the stem's flat top stays on its lowest point.
    const double padX = kValveX - kLongPivot.x;
    const double padY = kLongHalfWidth + kPadDepth - kPadRadius;
    const double padCentreY = kLongPivot.y - std::sin(p.longAngle) * padX + std::cos(p.longAngle) * padY;
    p.valveTravel = padCentreY - (kLongPivot.y + padY);
    return p;
}

// Bisection on a quantity that grows with `x`.
template <class F> double solveIncreasing(F f, double target, double lo, double hi) {
    for (int i = 0; i < 200 && hi - lo > 1e-13; ++i) {
        const double mid = 0.5 * (lo + hi);
        (f(mid) < target ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

Calibration calibrate() {
    Calibration c{};
    const double peak = lobeAngle(kPeakPosition);
    c.settingX[0] = kMemberSettingLarge;
    c.lobeHeight = solveIncreasing([&](double h) { return solve(h, kMemberSettingLarge, peak).valveTravel; },
                                   kTravelLarge, 4.0, 30.0);
    c.settingX[1] = solveIncreasing([&](double s) { return solve(c.lobeHeight, s, peak).valveTravel; },
                                    kTravelSmall, kFollowerPivot.x + 5.0, kMemberSettingLarge);
    return c;
}

} // namespace

const Calibration& calibration() {
    static const Calibration c = calibrate();
    return c;
}

double camRadius(double psi, double lobeHeight) {
    if (std::abs(psi) >= kLobeHalfAngle)
        return kBaseRadius;
    const double c = std::cos(kPi * psi / (2.0 * kLobeHalfAngle));
    return kBaseRadius + lobeHeight * c * c;
}

Point rollerRest() {
    // L1 is horizontal at rest, so the axle sits at the pivot's height.
    const double reach = kBaseRadius + kRollerRadius;
    const double dy = kFollowerPivot.y - kCamCentre.y;
    return {kCamCentre.x - std::sqrt(reach * reach - dy * dy), kFollowerPivot.y};
}

double camAreaRadius() { return kBaseRadius + calibration().lobeHeight + 2.0 * kRollerRadius + 2.0; }

double lobeAngle(int position) {
    const Point r = rollerRest();
    const double towardRoller = std::atan2(-(r.y - kCamCentre.y), r.x - kCamCentre.x);
    return towardRoller + (kPeakLeadDegrees + (position - kPeakPosition) * kCamStepDegrees) * kDegree;
}

Pose pose(int setting, int position) {
    if (setting < 0 || setting >= kSettings || position < 0 || position >= kPositions)
        throw std::out_of_range("no mechanism pose for setting " + std::to_string(setting) + ", position " +
                                std::to_string(position));
    const Calibration& c = calibration();
    return solve(c.lobeHeight, c.settingX[setting], lobeAngle(position));
}

} // namespace drovane::mechanism
