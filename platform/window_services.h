#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace drovane {

class Frame;

// A picture kept by the window system, made once from a frame. The program
// shows it by reference; showing never copies or converts it.
class Picture {
public:
    virtual ~Picture() = default;
};

// The events of the main window and its picture surface, as the program
// handles them. The window system calls them only inside an event pass, except
// Form_Activate, which it raises once when the window first becomes active.
class WindowEvents {
public:
    // The character code that Escape types.
    static constexpr std::int16_t kEscape = 27;

    virtual ~WindowEvents() = default;

    virtual void Form_Activate() = 0;
    // The window system closes the window (a close shortcut, a task bar).
    virtual void Form_Close() = 0;
    // The character code of a typed character.
    virtual void Picture1_KeyPress(std::int16_t keyAscii) = 0;
    virtual void Picture1_Click() = 0;
    virtual void Picture1_DblClick() = 0;
    // x, y in the picture surface's user scale; button and shift are bit sets
    // (left 1, right 2, middle 4; shift 1, control 2, alt 4).
    virtual void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
};

// What the program asks of the window system.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual std::unique_ptr<Picture> makePicture(const Frame& frame) = 0;
    // Makes `picture` the picture surface's picture and puts it on the screen
    // before returning.
    virtual void showPicture(const Picture& picture) = 0;
    // Handles every pending event (input and repaint) once; never waits.
    virtual void processEvents() = 0;
    // Erases the main window's own surface.
    virtual void clear() = 0;
    // Ends the program at once with exit status 0; the window disappears.
    [[noreturn]] virtual void end() = 0;
    // Ends the program at once after one line on standard error saying what
    // failed, with a non-zero exit status.
    [[noreturn]] virtual void fail(const std::string& what) = 0;
};

} // namespace drovane
