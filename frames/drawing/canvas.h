#pragma once

#include "frame.h"

#include <span>

namespace drovane {

// A point in frame pixels, x to the right, y down.
struct Point {
    double x = 0;
    double y = 0;
};

// Draws 1-pixel black lines onto a frame: no fills, no anti-aliasing.
// Anything outside the frame is dropped silently.
class Canvas {
public:
    explicit Canvas(Frame& frame) : frame_(frame) {}

    void pixel(int x, int y);
    // The endpoints are rounded to the nearest pixel; the line is 8-connected.
    void line(Point a, Point b);
    void polyline(std::span<const Point> points, bool closed);
    void circle(Point centre, double radius);
    // Counter-clockwise on screen from angle `from` to `to` (radians, `to` >= `from`),
    // angle 0 pointing right and pi/2 pointing up.
    void arc(Point centre, double radius, double from, double to);

private:
    Frame& frame_;
};

// Nearest pixel; halves go up, the same on every machine.
int roundToPixel(double v);

// The point at `radius` from `centre` in direction `angle`, counter-clockwise on screen.
Point polar(Point centre, double radius, double angle);

} // namespace drovane
