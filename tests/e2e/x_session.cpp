#include "x_session.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace drovane::e2e {
namespace {

using namespace std::chrono_literals;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()));
}

void sleepABit() { std::this_thread::sleep_for(2ms); }

// Reading a window that has just gone away must not end the test process.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

int statusOf(int raw) {
    if (WIFEXITED(raw)) {
        return WEXITSTATUS(raw);
    }
    return 128 + WTERMSIG(raw);
}

void reap(pid_t pid) {
    ::kill(pid, SIGKILL);
    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
}

std::string textProperty(Display* dpy, Window w, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(dpy, w, property, 0, 1024, False, type, &actualType, &format, &count, &after, &data) ==
            Success &&
        data != nullptr) {
        if (actualType == type && format == 8) {
            text.assign(reinterpret_cast<const char*>(data), count);
        }
        XFree(data);
    }
    return text;
}

} // namespace

// --- XvfbServer ---------------------------------------------------------

XvfbServer::XvfbServer() {
    int fds[2];
    if (::pipe(fds) != 0) {
        fail("pipe");
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        fail("fork");
    }
    if (pid_ == 0) {
        ::close(fds[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + 20s;
    while (number.empty() || number.back() != '\n') {
        pollfd p{fds[0], POLLIN, 0};
        const auto left = std::chrono::duration_cast<Millis>(deadline - Clock::now()).count();
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        char c = 0;
        if (::read(fds[0], &c, 1) != 1) {
            break;
        }
        number += c;
    }
    ::close(fds[0]);
    if (number.empty() || number.back() != '\n') {
        reap(pid_);
        errno = 0;
        fail("Xvfb did not report its display");
    }
    number.pop_back();
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    ::kill(pid_, SIGTERM);
    int raw = 0;
    for (int i = 0; i < 2500; ++i) {
        if (::waitpid(pid_, &raw, WNOHANG) == pid_) {
            return;
        }
        sleepABit();
    }
    reap(pid_);
}

// --- ChildProcess ---------------------------------------------------------

ChildProcess::ChildProcess(const std::string& path, const std::string& display) {
    pid_ = ::fork();
    if (pid_ < 0) {
        fail("fork");
    }
    if (pid_ == 0) {
        ::setenv("DISPLAY", display.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::unsetenv("WAYLAND_DISPLAY");
        ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (!status_) {
        reap(pid_);
    }
}

std::optional<int> ChildProcess::waitExit(Millis timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!status_) {
        int raw = 0;
        const pid_t got = ::waitpid(pid_, &raw, WNOHANG);
        if (got == pid_) {
            status_ = statusOf(raw);
        } else if (Clock::now() >= deadline) {
            break;
        } else {
            sleepABit();
        }
    }
    return status_;
}

bool ChildProcess::running() { return !waitExit(Millis(0)); }

// --- XSession ---------------------------------------------------------------

XSession::XSession(const std::string& display) {
    dpy_ = XOpenDisplay(display.c_str());
    if (dpy_ == nullptr) {
        errno = 0;
        fail("cannot open display " + display);
    }
    XSetErrorHandler(ignoreXError);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(dpy_, &event, &error, &major, &minor)) {
        errno = 0;
        fail("no XTest on " + display);
    }
}

XSession::~XSession() { XCloseDisplay(dpy_); }

Window XSession::root() const { return DefaultRootWindow(dpy_); }

Atom XSession::atom(const char* name) const { return XInternAtom(dpy_, name, False); }

std::vector<Window> XSession::topLevelsNamed(const std::string& caption) const {
    std::vector<Window> found;
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(dpy_, root(), &rootReturn, &parent, &children, &count) == 0) {
        return found;
    }
    const Atom utf8 = atom("UTF8_STRING");
    for (unsigned int i = 0; i < count; ++i) {
        const Window w = children[i];
        if (textProperty(dpy_, w, XA_WM_NAME, XA_STRING) == caption ||
            textProperty(dpy_, w, atom("_NET_WM_NAME"), utf8) == caption) {
            found.push_back(w);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Window XSession::waitForWindow(const std::string& caption, Millis timeout) const {
    const auto deadline = Clock::now() + timeout;
    do {
        for (const Window w : topLevelsNamed(caption)) {
            if (viewable(w)) {
                return w;
            }
        }
        std::this_thread::sleep_for(1ms);
    } while (Clock::now() < deadline);
    return 0;
}

bool XSession::waitForNoWindow(const std::string& caption, Millis timeout) const {
    const auto deadline = Clock::now() + timeout;
    while (!topLevelsNamed(caption).empty()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        sleepABit();
    }
    return true;
}

std::optional<XWindowAttributes> XSession::attributes(Window w) const {
    XWindowAttributes a{};
    if (XGetWindowAttributes(dpy_, w, &a) == 0) {
        return std::nullopt;
    }
    return a;
}

bool XSession::viewable(Window w) const {
    const auto a = attributes(w);
    return a && a->map_state == IsViewable;
}

std::optional<XSizeHints> XSession::normalHints(Window w) const {
    XSizeHints hints{};
    long supplied = 0;
    if (XGetWMNormalHints(dpy_, w, &hints, &supplied) == 0) {
        return std::nullopt;
    }
    return hints;
}

std::optional<std::vector<unsigned long>> XSession::property32(Window w, const char* name) const {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy_, w, atom(name), 0, 256, False, AnyPropertyType, &actualType, &format, &count, &after,
                           &data) != Success ||
        actualType == None) {
        return std::nullopt;
    }
    std::optional<std::vector<unsigned long>> items;
    if (format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.emplace(values, values + count);
    }
    XFree(data);
    return items;
}

std::string XSession::pixels(Window w, int width, int height) const {
    XImage* image = XGetImage(dpy_, w, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes,
                              ZPixmap);
    if (image == nullptr) {
        return {};
    }
    std::string out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), '?');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long rgb = XGetPixel(image, x, y) & 0xFFFFFFUL;
            out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                rgb == 0 ? 'b' : (rgb == 0xFFFFFFUL ? 'w' : '?');
        }
    }
    XDestroyImage(image);
    return out;
}

void XSession::tapKey(KeySym keysym) const {
    const KeyCode code = XKeysymToKeycode(dpy_, keysym);
    if (code == 0) {
        errno = 0;
        fail(std::string("no key types ") + XKeysymToString(keysym));
    }
    const bool shifted = XkbKeycodeToKeysym(dpy_, code, 0, 0) != keysym && XkbKeycodeToKeysym(dpy_, code, 0, 1) == keysym;
    const KeyCode shift = XKeysymToKeycode(dpy_, XK_Shift_L);
    if (shifted) {
        XTestFakeKeyEvent(dpy_, shift, True, CurrentTime);
    }
    XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
    if (shifted) {
        XTestFakeKeyEvent(dpy_, shift, False, CurrentTime);
    }
    XSync(dpy_, False);
}

void XSession::moveTo(Window w, int x, int y) const {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(dpy_, w, root(), x, y, &rootX, &rootY, &child);
    moveToRoot(rootX, rootY);
}

void XSession::moveToRoot(int x, int y) const {
    XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), x, y, CurrentTime);
    XSync(dpy_, False);
}

void XSession::click() const {
    XTestFakeButtonEvent(dpy_, Button1, True, CurrentTime);
    XTestFakeButtonEvent(dpy_, Button1, False, CurrentTime);
    XSync(dpy_, False);
}

void XSession::doubleClick() const {
    click();
    // Well inside any double-click interval, but two separate clicks.
    std::this_thread::sleep_for(40ms);
    click();
}

void XSession::requestClose(Window w) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = atom("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(atom("WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy_, w, False, NoEventMask, &event);
    XSync(dpy_, False);
}

} // namespace drovane::e2e
