#pragma once

// Plain Xlib + XTest plumbing for driving the real program: a private Xvfb,
// a child process, and a client connection that reads pixels and fakes input.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/types.h>

#include "e2e_clock.h"

#include <optional>
#include <string>
#include <vector>

namespace drovane::e2e {

// An Xvfb on a display number it picks itself; stopped when destroyed.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// A program started with DISPLAY set; killed when destroyed if still alive.
class ChildProcess {
public:
    ChildProcess(const std::string& path, const std::string& display);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The exit status (128 + signal when killed by one), or nothing if the
    // process is still running after `timeout`.
    std::optional<int> waitExit(Millis timeout);
    bool running();
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// One client connection to the server.
class XSession {
public:
    explicit XSession(const std::string& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    Display* display() const { return dpy_; }
    Window root() const;
    Atom atom(const char* name) const;

    // Children of the root whose WM_NAME or _NET_WM_NAME is `caption`.
    std::vector<Window> topLevelsNamed(const std::string& caption) const;
    // Polls until a viewable top-level with that caption exists; 0 if none.
    Window waitForWindow(const std::string& caption, Millis timeout) const;
    bool waitForNoWindow(const std::string& caption, Millis timeout) const;

    bool viewable(Window w) const;
    std::optional<XWindowAttributes> attributes(Window w) const;
    std::optional<XSizeHints> normalHints(Window w) const;
    // A 32-bit property's items, or nothing if it is not set.
    std::optional<std::vector<unsigned long>> property32(Window w, const char* name) const;

    // The area's pixels, one char per pixel: 'b' black, 'w' white, '?' other.
    // Empty when the window cannot be read (gone, unmapped).
    std::string pixels(Window w, int width, int height) const;

    // Input, all through XTest. `keysym` gets Shift when its key needs it.
    void tapKey(KeySym keysym) const;
    void moveTo(Window w, int x, int y) const;
    void moveToRoot(int x, int y) const;
    void click() const;
    void doubleClick() const;
    // The window manager's close request: WM_PROTOCOLS / WM_DELETE_WINDOW.
    void requestClose(Window w) const;

private:
    Display* dpy_ = nullptr;
};

} // namespace drovane::e2e
