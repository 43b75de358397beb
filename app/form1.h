#pragma once

#include "animation_state.h"
#include "counter.h"
#include "frame_set.h"
#include "window_services.h"

#include <array>
#include <memory>
#include <span>

namespace drovane {

// The main window: it owns the animation state, the 36 frame holders and the
// frame table, and handles the events of its picture surface.
class Form1 : public WindowEvents {
public:
    static constexpr int kFrameCount = 36;
    static constexpr float kStartPause = 1'000'000;
    static constexpr float kScrubPause = 80'000;
    static constexpr float kSpeedFactor = 70;

    // Makes the holders' pictures from the program's frame bitmaps; a frame
    // that cannot be decoded is fatal.
    Form1(WindowServices& window, Counter& counter,
          std::span<const frame_set::StoredBitmap> bitmaps = frame_set::storedBitmaps());

    AnimationState state;
    // Entry i is the picture of holder i + 1; filled when the window activates.
    std::array<const Picture*, kFrameCount> pic{};

    // The picture of frame holder `holder`, 1..36.
    const Picture& image(int holder) const;

    // Loads the frame table, then animates for the rest of the program's life.
    [[noreturn]] void Form_Activate() override;
    void Form_Close() override;
    void Picture1_KeyPress(std::int16_t keyAscii) override;
    void Picture1_Click() override;
    void Picture1_DblClick() override;
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    // The pause after each frame: k counts, then one event pass.
    void Delay();
    // Clears the window's own surface and ends the program at once.
    void quit();

    WindowServices& window_;
    Counter& counter_;
    std::array<std::unique_ptr<Picture>, kFrameCount> images_; // Image1 .. Image36
};

} // namespace drovane
