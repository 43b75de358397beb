// The cost of one pass of the animation loop outside the pause: a tick, the
// frame put on the screen, and one event pass. Run it on a real display
// (the benchmark script starts Xvfb).
#include "animation_state.h"
#include "frame_bitmap.h"
#include "frame_set.h"
#include "qt_window_services.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The window's events are not needed here.
struct NoEvents : drovane::WindowEvents {
    void Form_Activate() override {}
    void Form_Close() override {}
    void Picture1_KeyPress(std::int16_t) override {}
    void Picture1_Click() override {}
    void Picture1_DblClick() override {}
    void Picture1_MouseMove(std::int16_t, std::int16_t, float, float) override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    NoEvents events;
    drovane::QtWindowServices window;
    window.show(events);
    std::array<std::unique_ptr<drovane::Picture>, drovane::frame_set::kHolderCount> pictures;
    for (int holder = 1; holder <= drovane::frame_set::kHolderCount; ++holder)
        pictures[holder - 1] = window.makePicture(drovane::decodeFrame(drovane::frame_set::holderBitmap(holder)));
    for (int i = 0; i < 200; ++i) // let the window map and settle
        window.processEvents();

    using Clock = std::chrono::steady_clock;
    drovane::AnimationState state;
    state.n = drovane::AnimationState::kRunning;
    constexpr int kPasses = 5000;
    std::vector<double> lasted;
    lasted.reserve(kPasses);
    for (int pass = 0; pass < kPasses; ++pass) {
        const auto start = Clock::now();
        window.showPicture(*pictures[static_cast<std::size_t>(state.tick())]);
        window.processEvents();
        lasted.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(lasted.begin(), lasted.end());
    const auto at = [&](double share) { return lasted[static_cast<std::size_t>(share * (kPasses - 1))]; };
    std::printf("loop pass (tick, show, event pass), %d passes on %s:\n", kPasses,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  median %.1f us, 90%% %.1f us, 99%% %.1f us, worst %.1f us (goal: median <= 100 us: %s)\n", at(0.5),
                at(0.9), at(0.99), lasted.back(), at(0.5) <= 100 ? "met" : "MISSED");
    return 0;
}
