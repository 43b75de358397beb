#pragma once

#include "canvas.h"

namespace drovane::mechanism {

// The cam-driven valve gear, in frame pixels (y down). The cam turns the
// follower lever L1 through its roller; L1 presses the arc-shaped member M
// down onto the long lever L2, which pushes the valve open. M slides to a
// different place along the levers for each setting, which changes the lift.

inline constexpr int kPositions = 18;  // cam angles per turn, one per frame
inline constexpr int kSettings = 2;    // 0: large valve lift, 1: small
inline constexpr double kCamStepDegrees = 20.0;
inline constexpr int kPeakPosition = 13;      // the lobe's peak points at the roller
inline constexpr int kLastRestPosition = 8;   // 0..8: roller on the base circle

// Cam.
inline constexpr Point kCamCentre{204.0, 44.0};
inline constexpr double kShaftRadius = 7.0;
inline constexpr double kShaftCrossArm = 4.0;
inline constexpr double kBaseRadius = 24.0;
inline constexpr double kLobeHalfAngleDegrees = 86.0;
// At the peak position the lobe aims at the lifted roller, which sits this
// much further round than at rest; it keeps the lift curve centred on the peak.
inline constexpr double kPeakLeadDegrees = 5.5;
// The lobe's centre line runs between these radii; between kMarkInner and
// kMarkOuter nothing else is drawn, so its direction can be read off the pixels.
inline constexpr double kLobeLineInner = 12.0;
inline constexpr double kLobeLineOuter = kBaseRadius - 3.0;
inline constexpr double kMarkInner = 12.0;
inline constexpr double kMarkOuter = 20.0;

// Follower lever L1 and its roller.
inline constexpr Point kFollowerPivot{40.0, 75.0};
inline constexpr double kFollowerHalfWidth = 6.0;
inline constexpr double kRollerRadius = 9.0;

// Arc-shaped member M.
inline constexpr double kMemberEndRadius = 4.0;
inline constexpr double kMemberSettingLarge = 150.0;  // x of M in setting 0

// Long lever L2 and the valve.
inline constexpr Point kLongPivot{225.0, 116.0};
inline constexpr double kLongHalfWidth = 5.0;
inline constexpr double kValveX = 40.0;
inline constexpr double kPadRadius = 5.0;
inline constexpr double kPadDepth = 3.0;  // how far the pad stands below L2
inline constexpr double kValveTopRestY = kLongPivot.y + kLongHalfWidth + kPadDepth;
inline constexpr int kHeadBottomRestY = 215;  // integer, so drawn travel is exact

inline constexpr double kTravelLarge = 32.0;  // valve travel at the peak, setting 0
inline constexpr double kTravelSmall = 5.0;   // and setting 1

// The one pixel every frame carries.
inline constexpr int kMarkerX = 2;
inline constexpr int kMarkerY = 273;

// Numbers worked out from the geometry above, once per run.
struct Calibration {
    double lobeHeight;       // H, the lobe's rise over the base circle
    double settingX[kSettings];  // x of M per setting
};
const Calibration& calibration();

// The cam's profile radius at `psi` radians from the lobe's peak.
double camRadius(double psi, double lobeHeight);

// Rest position of the roller axle, on the base circle.
Point rollerRest();

// Everything that moves with the cam and the setting lies inside this circle
// around the cam centre; M and the parts below never reach it.
double camAreaRadius();

// Direction of the lobe's peak at `position` (radians, counter-clockwise on screen).
double lobeAngle(int position);

struct Pose {
    double lobeAngle;        // direction of the lobe's peak
    double followerAngle;    // L1's downward turn about its pivot, 0 at rest
    Point roller;            // roller axle
    Point memberTop;         // centre of M's upper end circle
    Point memberBottom;      // centre of M's lower end circle
    double longAngle;        // L2's turn about its pivot, left end down, 0 at rest
    double valveTravel;      // the stem's downward travel
};

Pose pose(int setting, int position);

} // namespace drovane::mechanism
