#pragma once

namespace drovane {

// The picture surface's coordinate scale: its interior is this many user
// units wide and high, whatever its size in pixels.
struct UserScale {
    static constexpr float kWidth = 14.88273f;
    static constexpr float kHeight = 29.84375f;

    // A position in interior pixels as user units; positions outside the
    // interior (a button held while leaving it) scale the same way.
    static float x(double pixels, int interiorWidth) {
        return static_cast<float>(pixels * kWidth / interiorWidth);
    }
    static float y(double pixels, int interiorHeight) {
        return static_cast<float>(pixels * kHeight / interiorHeight);
    }
};

} // namespace drovane
