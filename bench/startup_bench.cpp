// Time from starting the program to its first frame on the screen, and its
// peak memory once animating. Needs DISPLAY (the benchmark script starts Xvfb).
#include "frame_bitmap.h"
#include "frame_set.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kCaption = "Drovane  SpaceBar+-/*mouse,. ESC";

Window findWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            if (XFetchName(display, children[i], &name) && name) {
                if (std::strcmp(name, kCaption) == 0)
                    found = children[i];
                XFree(name);
            }
        }
        XFree(children);
    }
    return found;
}

// True once the window shows one of the frames, whole.
bool showsAFrame(Display* display, Window window, const std::vector<drovane::Frame>& frames) {
    XImage* image = XGetImage(display, window, 0, 0, drovane::Frame::kWidth, drovane::Frame::kHeight, AllPlanes,
                              ZPixmap);
    if (!image)
        return false;
    bool found = false;
    for (const drovane::Frame& frame : frames) {
        bool same = true;
        for (int y = 0; y < drovane::Frame::kHeight && same; ++y)
            for (int x = 0; x < drovane::Frame::kWidth && same; ++x)
                same = ((XGetPixel(image, x, y) & 0xFFFFFF) == 0) == frame.isBlack(x, y);
        found = found || same;
    }
    XDestroyImage(image);
    return found;
}

long peakMemoryKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

int ignoreXErrors(Display*, XErrorEvent*) { return 0; } // the window may vanish between calls

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_bench PATH-TO-DROVANE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_bench: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    std::vector<drovane::Frame> frames;
    for (int holder = 1; holder <= drovane::frame_set::kHolderCount; ++holder)
        frames.push_back(drovane::decodeFrame(drovane::frame_set::holderBitmap(holder)));

    constexpr int kRuns = 5;
    std::vector<double> toWindow, toFrame, peak;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(argv[1], argv[1], static_cast<char*>(nullptr));
            _exit(127);
        }
        Window window = 0;
        const auto deadline = start + std::chrono::seconds(20);
        while (!(window = findWindow(display)) && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        toWindow.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        while (window && !showsAFrame(display, window, frames) && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        toFrame.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::seconds(3)); // well into the animation
        peak.push_back(static_cast<double>(peakMemoryKiB(pid)) / 1024.0);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (findWindow(display)) // the next run must not find this window
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::printf("%d runs, median: window mapped after %.1f ms, first frame on screen after %.1f ms, "
                "peak memory (VmHWM) %.1f MiB\n",
                kRuns, median(toWindow), median(toFrame), median(peak));
    XCloseDisplay(display);
    return 0;
}
