#include "animation_state.h"

namespace drovane {
namespace {

// All dividends are non-negative, so this is the plain remainder.
std::int16_t wrap(int position) { return static_cast<std::int16_t>(position % AnimationState::kFramesPerSet); }

constexpr int kOneBack = AnimationState::kFramesPerSet - 1;

} // namespace

int AnimationState::tick() {
    if (n == kRunBackward) {
        l = wrap(l + kOneBack);
        mm = 0;
        m = 1;
        n = kRunning;
    }
    if (n == kRunForward) {
        l = wrap(l + 1);
        m = 0;
        mm = 1;
        n = kRunning;
    }
    // A step command issued while running only cancels the run: the set
    // direction flag makes up for the step.
    if (n == kStepBack) {
        l = wrap(l + kOneBack + m + mm);
        mm = 0;
        m = 0;
        n = kStopped;
    }
    if (n == kStepForward) {
        l = wrap(l + 1 - m - mm + kFramesPerSet);
        mm = 0;
        m = 0;
        n = kStopped;
    }
    if (m == 0 && n != kStopped)
        l = wrap(l + n);
    if (m == 1)
        l = wrap(l + kOneBack);
    return l + kFramesPerSet * hl;
}

bool AnimationState::invariantsHold() const {
    const bool flagsValid = (m == 0 || m == 1) && (mm == 0 || mm == 1) && !(m == 1 && mm == 1);
    return l >= 0 && l < kFramesPerSet && (hl == 0 || hl == 1) && flagsValid && n >= kStepBack && n <= kRunForward;
}

} // namespace drovane
