#pragma once

#include "counter.h"
#include "form1.h"
#include "window_services.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace drovane {

// Thrown by the stand-in's end(): the program ended with status 0.
struct ProgramEnded {};
// Thrown by the stand-in's fail(): the program ended with an error.
struct ProgramFailed {
    std::string what;
};
// Thrown when the script has run out of passes.
struct ScriptFinished {};

// A stand-in for the window services with no display: it records what the
// program asks of it, in order, and runs scripted input in chosen event passes.
class ScriptedWindow : public WindowServices, public Counter {
public:
    // Holder numbers (1..36) of the pictures shown, found from their pixels.
    std::vector<int> shown;
    // Everything in order: "show 3", "pass 7", "count 1000001", "clear", "end".
    std::vector<std::string> log;
    int passes = 0;

    // Runs `input` inside event pass number `pass` (1-based, counting from
    // the first pass of loading); passes 1..35 are the loading passes.
    void inPass(int pass, std::function<void(Form1&)> input) { script_[pass] = std::move(input); }

    // Runs the window's Activate handler until the program ends or `lastPass`
    // event passes have run.
    void activate(Form1& form, int lastPass);

    // The holders shown by the animation loop, after loading.
    std::vector<int> shownAfterLoading() const { return {shown.begin() + 1, shown.end()}; }

    std::unique_ptr<Picture> makePicture(const Frame& frame) override;
    void showPicture(const Picture& picture) override;
    void processEvents() override;
    void clear() override { log.push_back("clear"); }
    [[noreturn]] void end() override;
    [[noreturn]] void fail(const std::string& what) override;
    void count(std::int64_t counts) override;

private:
    Form1* form_ = nullptr;
    int lastPass_ = 0;
    std::map<int, std::function<void(Form1&)>> script_;
};

// The event passes of loading: one after each frame but the first.
inline constexpr int kLoadingPasses = Form1::kFrameCount - 1;

// A main window on the stand-in, run until the script or the program ends.
struct ScriptedRun {
    ScriptedWindow window;
    Form1 form{window, window};

    void until(int lastPass) {
        try {
            window.activate(form, lastPass);
        } catch (const ScriptFinished&) {
        }
    }
};

} // namespace drovane
