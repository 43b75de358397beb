#pragma once

#include <cstdint>

namespace drovane {

// The numbers that decide which frame is on screen. The input handlers write
// them between ticks; the main loop runs one tick per frame.
struct AnimationState {
    static constexpr std::int16_t kFramesPerSet = 18;

    // Values of `n`: a pending command, or the running step.
    static constexpr std::int16_t kStepBack = -2;   // step one back, or stop where it is
    static constexpr std::int16_t kRunBackward = -1;
    static constexpr std::int16_t kStopped = 0;
    static constexpr std::int16_t kRunning = 1;
    static constexpr std::int16_t kStepForward = 2; // step one forward, or stop where it is
    static constexpr std::int16_t kRunForward = 3;

    float k = 0;          // pause count after each frame
    std::int16_t l = 0;   // position within the frame set, 0..17
    std::int16_t m = 0;   // 1 while running backwards
    std::int16_t mm = 0;  // 1 after a run-forward command
    std::int16_t n = 0;   // command or running step, see above
    std::int16_t m1 = 0;  // m, mm and n put aside while scrubbing with the mouse
    std::int16_t mm1 = 0;
    std::int16_t n1 = 0;
    std::int16_t nm = 0;  // 1 in scrub mode
    float yyy = 0;        // last vertical mouse position seen in scrub mode
    std::int16_t hl = 0;  // frame set: 0 large valve lift, 1 small valve lift

    // Applies the pending command and moves one step; returns the frame to
    // show, l + 18 * hl.
    int tick();

    // True when l, hl, m, mm and n hold values a tick can work with.
    bool invariantsHold() const;
};

} // namespace drovane
