#include "form1.h"

#include "frame_bitmap.h"

#include <cmath>
#include <exception>
#include <string>

namespace drovane {

Form1::Form1(WindowServices& window, Counter& counter, std::span<const frame_set::StoredBitmap> bitmaps)
    : window_(window), counter_(counter) {
    for (int holder = 1; holder <= kFrameCount; ++holder) {
        try {
            images_[holder - 1] = window_.makePicture(decodeFrame(frame_set::holderBitmap(holder, bitmaps)));
        } catch (const std::exception& error) {
            window_.fail("cannot load frame Image" + std::to_string(holder) + ": " + error.what());
        }
    }
}

const Picture& Form1::image(int holder) const { return *images_.at(static_cast<std::size_t>(holder - 1)); }

void Form1::Form_Activate() {
    pic[0] = &image(1);
    window_.showPicture(*pic[0]);
    // Input is live while loading: a click may turn scrub mode on for good.
    for (int i = 1; i < kFrameCount; ++i) {
        pic[i] = &image(i + 1);
        window_.processEvents();
    }
    state.n = AnimationState::kRunning;
    state.k = kStartPause;
    state.hl = 0;

    for (;;) {
        const int i = state.tick();
        if (i < 0 || i >= kFrameCount)
            window_.fail("frame index " + std::to_string(i) + " is outside the frame table 0..35");
        window_.showPicture(*pic[i]);
        Delay();
    }
}

void Form1::Delay() {
    counter_.count(pauseCounts(state.k));
    window_.processEvents();
}

void Form1::quit() {
    window_.clear();
    window_.end();
}

void Form1::Form_Close() { quit(); }

void Form1::Picture1_KeyPress(std::int16_t keyAscii) {
    if (keyAscii == kEscape)
        quit();
    const auto typed = static_cast<char16_t>(keyAscii);
    if (typed == u'-')
        state.n = AnimationState::kRunBackward;
    if (typed == u'+' || typed == u',')
        state.n = AnimationState::kRunForward;
    if (typed == u'/')
        state.n = AnimationState::kStepBack;
    if (typed == u'*' || typed == u'.')
        state.n = AnimationState::kStepForward;
    if (typed == u' ')
        state.hl = static_cast<std::int16_t>((state.hl + 1) % 2);
}

void Form1::Picture1_Click() {
    if (state.nm == 0) {
        state.n1 = state.n;
        state.mm1 = state.mm;
        state.m1 = state.m;
    }
    state.nm = static_cast<std::int16_t>((state.nm + 1) % 2);
    if (state.nm == 0) {
        state.n = state.n1;
        state.mm = state.mm1;
        state.m = state.m1;
    }
}

void Form1::Picture1_DblClick() { quit(); }

void Form1::Picture1_MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y) {
    if (state.nm == 0) {
        const float speed = x * kSpeedFactor * y;
        if (!std::isfinite(speed))
            window_.fail("mouse speed " + std::to_string(x) + " x 70 x " + std::to_string(y) +
                         " overflows or is not a number");
        state.k = speed;
    } else {
        state.k = kScrubPause;
        state.n = y >= state.yyy ? AnimationState::kStepForward : AnimationState::kStepBack;
        state.yyy = y;
    }
}

} // namespace drovane
