#include "canvas.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace drovane {

int roundToPixel(double v) { return static_cast<int>(std::floor(v + 0.5)); }

Point polar(Point centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle)};
}

void Canvas::pixel(int x, int y) {
    if (Frame::contains(x, y))
        frame_.setBlack(x, y);
}

void Canvas::line(Point a, Point b) {
    int x0 = roundToPixel(a.x);
    int y0 = roundToPixel(a.y);
    const int x1 = roundToPixel(b.x);
    const int y1 = roundToPixel(b.y);
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixel(x0, y0);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::polyline(std::span<const Point> points, bool closed) {
    if (points.empty())
        return;
    if (points.size() == 1)
        line(points[0], points[0]);
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
    if (closed && points.size() > 2)
        line(points.back(), points.front());
}

void Canvas::circle(Point centre, double radius) {
    constexpr double kTwoPi = 6.283185307179586;
    arc(centre, radius, 0.0, kTwoPi);
}

void Canvas::arc(Point centre, double radius, double from, double to) {
    // Samples well under a pixel apart, joined by lines, so the curve never breaks.
    const double span = to - from;
    const int steps = 1 + static_cast<int>(std::ceil(std::abs(span) * radius / 0.5));
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(polar(centre, radius, from + span * i / steps));
    polyline(points, false);
}

} // namespace drovane
