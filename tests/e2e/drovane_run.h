#pragma once

// The real program on its own Xvfb, seen through its window's pixels.
// Xlib stays out of this header: its macros clash with GoogleTest.

#include "e2e_clock.h"

#include <X11/keysym.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace drovane::e2e {

using namespace std::chrono_literals;

class XvfbServer;
class XSession;
class ChildProcess;

using WindowId = unsigned long;
using KeySymbol = unsigned long;

inline const std::string kCaption = "Drovane  SpaceBar+-/*mouse,. ESC";
inline constexpr int kClientWidth = 253;
inline constexpr int kClientHeight = 282;
// Long enough to mean "it hangs", never a pace requirement.
inline constexpr Millis kPatience{10000};
// How long a frame must stay to count as stopped: many ticks at a fast pace.
inline constexpr Millis kQuiet{400};

// A pointer spot where the pace is about 70 µs: the loop runs flat out.
inline constexpr int kFastX = 17;
inline constexpr int kFastY = 26;

// The holder whose frame these pixels are (as XSession::pixels gives them
// for the frame's area); 0 if none.
int holderShowing(const std::string& pixels);

// The holder `positions` further on in the same set, wrapping within it.
int stepped(int holder, int positions);
// The holder at the same position in the other set.
int otherSet(int holder);

// One holder seen in consecutive samples (unreadable samples skipped).
struct Sighting {
    int holder = 0;
    int samples = 0;
    Clock::time_point first;
};

struct WindowFacts {
    int width = 0;
    int height = 0;
    bool viewable = false;
};

// WM_NORMAL_HINTS sizes; nothing where the flag is not set.
struct SizeHints {
    std::optional<std::pair<int, int>> min;
    std::optional<std::pair<int, int>> max;
};

class DrovaneRun {
public:
    // Starts a server, parks the pointer away from the window, starts the
    // program and waits for its window. Throws when any of that fails.
    DrovaneRun();
    ~DrovaneRun();
    DrovaneRun(const DrovaneRun&) = delete;
    DrovaneRun& operator=(const DrovaneRun&) = delete;

    WindowId window() const { return window_; }

    // --- the window as the server sees it
    std::vector<WindowId> topLevelsWithCaption() const;
    std::optional<WindowFacts> facts() const;
    std::optional<SizeHints> sizeHints() const;
    std::optional<std::vector<unsigned long>> property32(const char* name) const;
    unsigned long atom(const char* name) const;
    bool windowGone(Millis timeout = kPatience) const;

    // --- the frame on screen
    // The holder shown now; 0 when the picture is no frame (mid-repaint, gone).
    int shown();
    // The first readable holder other than `from`; 0 if none came in time.
    int changeFrom(int from, Millis timeout = kPatience);
    // The holder once it stayed unchanged for `quiet`; 0 if it never did.
    int settle(Millis quiet = kQuiet, Millis timeout = kPatience);
    // The holder a change from `from` settles on; 0 if none.
    int settledChangeFrom(int from);
    // The next `count` different holders after `from`, in order (fewer on timeout).
    std::vector<int> nextHolders(int from, std::size_t count, Millis timeout = kPatience);
    // Consecutive sightings until `count` different holders were seen.
    std::vector<Sighting> watch(std::size_t count, Millis timeout);

    // --- input
    void tap(KeySymbol keysym);
    void pointAt(int x, int y);
    void click();
    void doubleClick();
    void requestClose();
    // Once the loop runs, the pointer to window (x, y), then waits for five
    // quick changes: true when the pace there is fast.
    bool paceAt(int x, int y);
    // Pointer to the fast spot, then "/": stopped at a fast pace. Returns the
    // holder it stopped on (0 if it did not stop).
    int stopAtFastPace();

    // --- the process
    // Exit status, or nothing while it still runs after `timeout`.
    std::optional<int> exitStatus(Millis timeout = kPatience);

private:
    std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<XSession> x_;
    std::unique_ptr<ChildProcess> process_;
    WindowId window_ = 0;
};

} // namespace drovane::e2e
