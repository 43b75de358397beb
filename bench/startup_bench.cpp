// Time from starting the program to its window and its first frame on the
// screen, and its peak memory once animating, on a private Xvfb.
#include "drovane_run.h"
#include "x_session.h"

#include "frame.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace drovane::e2e;

long peakMemoryKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_bench PATH-TO-DROVANE\n");
        return 2;
    }
    XvfbServer server;
    XSession x(server.display());
    x.moveToRoot(1200, 1000); // away from the window

    constexpr int kRuns = 5;
    std::vector<double> toWindow, toFrame, peakMiB;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        ChildProcess program(argv[1], server.display());
        const Window window = x.waitForWindow(kCaption, std::chrono::seconds(20));
        toWindow.push_back(millisSince(start));
        while (window && holderShowing(x.pixels(window, drovane::Frame::kWidth, drovane::Frame::kHeight)) == 0 &&
               millisSince(start) < 20'000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        toFrame.push_back(millisSince(start));
        std::this_thread::sleep_for(std::chrono::seconds(3)); // well into the animation
        peakMiB.push_back(static_cast<double>(peakMemoryKiB(program.pid())) / 1024.0);
        // Ending the program here removes its window before the next run.
        x.tapKey(XK_Escape);
        program.waitExit(std::chrono::seconds(10));
        x.waitForNoWindow(kCaption, std::chrono::seconds(10));
    }
    std::printf("%d runs, median: window mapped after %.1f ms, first frame on screen after %.1f ms, "
                "peak memory (VmHWM) %.1f MiB\n",
                kRuns, median(toWindow), median(toFrame), median(peakMiB));
    return 0;
}
