#include "mechanism_drawing.h"

#include "canvas.h"
#include "mechanism.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace drovane {
namespace {

namespace m = mechanism;

constexpr double kPi = 3.141592653589793;

// Where a rigid part is: local coordinates (y down) turned by `angle`
// (clockwise on screen) and moved to `origin`.
struct Placement {
    Point origin;
    double angle = 0.0;

    Point operator()(Point local) const {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        return {origin.x + c * local.x - s * local.y, origin.y + s * local.x + c * local.y};
    }
};

// Arc in a part's own coordinates, parameter t measured with y down.
void localArc(Canvas& canvas, const Placement& at, Point centre, double radius, double from, double to) {
    const double span = to - from;
    const int steps = 1 + static_cast<int>(std::ceil(std::abs(span) * radius / 0.5));
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double t = from + span * i / steps;
        points.push_back(at({centre.x + radius * std::cos(t), centre.y + radius * std::sin(t)}));
    }
    canvas.polyline(points, false);
}

void localLine(Canvas& canvas, const Placement& at, Point a, Point b) { canvas.line(at(a), at(b)); }

// Pixel centres inside the polygon (even-odd), for hatching fixed parts.
bool inside(const std::vector<Point>& polygon, double x, double y) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y))
            in = !in;
    }
    return in;
}

// Fixed material in section: outline and 45-degree hatching.
void hatchedBlock(Canvas& canvas, const std::vector<Point>& polygon) {
    canvas.polyline(polygon, true);
    double x0 = polygon[0].x, x1 = x0, y0 = polygon[0].y, y1 = y0;
    for (const Point& p : polygon) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    for (int y = roundToPixel(y0); y <= roundToPixel(y1); ++y)
        for (int x = roundToPixel(x0); x <= roundToPixel(x1); ++x)
            if ((x + y) % 4 == 0 && inside(polygon, x, y))
                canvas.pixel(x, y);
}

// A fixed base: a line with short strokes on the side away from the part.
void ground(Canvas& canvas, double x0, double x1, double y, bool strokesBelow) {
    canvas.line({x0, y}, {x1, y});
    const double dy = strokesBelow ? 4.0 : -4.0;
    for (double x = x0 + 4.0; x <= x1; x += 4.0)
        canvas.line({x, y}, {x - 4.0, y + dy});
}

void centreCross(Canvas& canvas, Point c, double arm) {
    canvas.line({c.x - arm, c.y}, {c.x + arm, c.y});
    canvas.line({c.x, c.y - arm}, {c.x, c.y + arm});
}

void drawCam(Canvas& canvas, const m::Pose& pose) {
    const double h = m::calibration().lobeHeight;
    constexpr int kSamples = 720;
    std::vector<Point> profile;
    for (int i = 0; i < kSamples; ++i) {
        const double psi = -kPi + 2.0 * kPi * i / kSamples;
        profile.push_back(polar(m::kCamCentre, m::camRadius(psi, h), pose.lobeAngle + psi));
    }
    canvas.polyline(profile, true);
    canvas.circle(m::kCamCentre, m::kShaftRadius);
    centreCross(canvas, m::kCamCentre, m::kShaftCrossArm);
    canvas.line(polar(m::kCamCentre, m::kLobeLineInner, pose.lobeAngle),
                polar(m::kCamCentre, m::kLobeLineOuter, pose.lobeAngle));
}

void drawFollower(Canvas& canvas, const m::Pose& pose) {
    const Point a = m::kFollowerPivot;
    const double length = m::rollerRest().x - a.x;
    const double w = m::kFollowerHalfWidth;
    const Placement at{a, pose.followerAngle};
    // The bar runs under the roller; its lines stop at the roller's rim.
    const double hidden = std::sqrt(m::kRollerRadius * m::kRollerRadius - w * w);
    localLine(canvas, at, {0, -w}, {length - hidden, -w});
    localLine(canvas, at, {0, w}, {length - hidden, w});
    localArc(canvas, at, {0, 0}, w, kPi / 2, 3 * kPi / 2);
    canvas.circle(a, 3.0);
    canvas.pixel(roundToPixel(a.x), roundToPixel(a.y));

    canvas.circle(pose.roller, m::kRollerRadius);
    canvas.circle(pose.roller, 3.0);
    centreCross(canvas, pose.roller, 2.0);

    // Hanging bracket that carries the pivot pin.
    ground(canvas, a.x - 16, a.x + 16, 40.0, false);
    const double eye = 9.0;
    const Point feet[2] = {{a.x - 12, 40.0}, {a.x + 12, 40.0}};
    double touch[2];
    for (int side = 0; side < 2; ++side) {
        const double dx = feet[side].x - a.x;
        const double dy = feet[side].y - a.y;
        const double d = std::sqrt(dx * dx + dy * dy);
        const double toward = std::atan2(dy, dx);
        const double off = std::acos(eye / d);
        touch[side] = side == 0 ? toward - off : toward + off;
        canvas.line(feet[side], {a.x + eye * std::cos(touch[side]), a.y + eye * std::sin(touch[side])});
    }
    // Lower half of the eye, from the right side round the bottom to the left.
    localArc(canvas, Placement{a, 0.0}, {0, 0}, eye, touch[1], touch[0] + 2 * kPi);
}

void drawMember(Canvas& canvas, const m::Pose& pose) {
    const Point top = pose.memberTop;
    const Point bottom = pose.memberBottom;
    const double rho = m::kMemberEndRadius;
    // The centre line is a circular arc through both end centres, bowing left.
    const double halfChord = 0.5 * (bottom.y - top.y);
    const double sagitta = 5.0;
    const double radius = (halfChord * halfChord + sagitta * sagitta) / (2.0 * sagitta);
    const Point centre{top.x + radius - sagitta, 0.5 * (top.y + bottom.y)};
    const Placement at{centre, 0.0};
    const double tBottom = std::atan2(bottom.y - centre.y, bottom.x - centre.x);
    const double tTop = std::atan2(top.y - centre.y, top.x - centre.x) + 2 * kPi;
    localArc(canvas, at, {0, 0}, radius + rho, tBottom, tTop);
    localArc(canvas, at, {0, 0}, radius - rho, tBottom, tTop);
    const Placement topEnd{top, 0.0};
    const Placement bottomEnd{bottom, 0.0};
    localArc(canvas, topEnd, {0, 0}, rho, tTop, tTop + kPi);
    localArc(canvas, bottomEnd, {0, 0}, rho, tBottom - kPi, tBottom);
}

void drawLongLever(Canvas& canvas, const m::Pose& pose) {
    const Point q = m::kLongPivot;
    const double w = m::kLongHalfWidth;
    const double reach = m::kValveX - q.x;  // negative: the lever runs left
    const Placement at{q, -pose.longAngle};
    localLine(canvas, at, {reach, -w}, {0, -w});
    localLine(canvas, at, {reach, w}, {0, w});
    localArc(canvas, at, {reach, 0}, w, kPi / 2, 3 * kPi / 2);
    localArc(canvas, at, {0, 0}, w, -kPi / 2, kPi / 2);
    // The pad: the part of its circle that stands out below the lever.
    const double padY = w + m::kPadDepth - m::kPadRadius;
    const double from = std::asin((w - padY) / m::kPadRadius);
    localArc(canvas, at, {reach, padY}, m::kPadRadius, from, kPi - from);

    // Ball on the post, inside the post's forked head.
    canvas.circle(q, 3.0);
    canvas.pixel(roundToPixel(q.x), roundToPixel(q.y));
    const double head = 8.0;
    const double postHalf = 6.0;
    const double neck = std::sqrt(head * head - postHalf * postHalf);
    const double open = std::atan2(neck, postHalf);
    localArc(canvas, Placement{q, 0.0}, {0, 0}, head, kPi - open, 2 * kPi + open);
    const double baseY = 236.0;
    canvas.line({q.x - postHalf, q.y + neck}, {q.x - postHalf, baseY});
    canvas.line({q.x + postHalf, q.y + neck}, {q.x + postHalf, baseY});
    ground(canvas, q.x - 18, q.x + 18, baseY, true);
}

void drawValve(Canvas& canvas, const m::Pose& pose) {
    const double x = m::kValveX;
    const double d = pose.valveTravel;
    const double top = m::kValveTopRestY + d;
    const double bottom = m::kHeadBottomRestY + d;
    const double stemHalf = 3.0;
    const double neckY = bottom - 13.0;  // where the head's cone starts
    const double rimY = bottom - 3.0;
    const double headHalf = 13.0;

    canvas.line({x - stemHalf, top}, {x + stemHalf, top});
    canvas.line({x - stemHalf, top}, {x - stemHalf, neckY});
    canvas.line({x + stemHalf, top}, {x + stemHalf, neckY});
    const std::vector<Point> head{{x - stemHalf, neckY}, {x - headHalf, rimY}, {x - headHalf, bottom},
                                  {x + headHalf, bottom}, {x + headHalf, rimY}, {x + stemHalf, neckY}};
    canvas.polyline(head, false);

    // Spring retainer on the stem, spring down to the guide.
    const double retainerTop = top + 6.0;
    const double retainerBottom = top + 9.0;
    canvas.polyline(std::vector<Point>{{x - 14, retainerTop}, {x + 14, retainerTop}, {x + 14, retainerBottom},
                                       {x - 14, retainerBottom}},
                    true);
    const double guideTop = 180.0;
    const double guideBottom = 192.0;
    constexpr int kTurns = 5;
    for (const double side : {-1.0, 1.0}) {
        std::vector<Point> zigzag;
        for (int i = 0; i <= 2 * kTurns; ++i) {
            const double y = retainerBottom + (guideTop - retainerBottom) * i / (2 * kTurns);
            zigzag.push_back({x + side * (i % 2 == 0 ? 7.0 : 13.0), y});
        }
        canvas.polyline(zigzag, false);
    }

    // Fixed guide round the stem and the seat the head closes against.
    hatchedBlock(canvas, {{x - 16, guideTop}, {x - 4, guideTop}, {x - 4, guideBottom}, {x - 16, guideBottom}});
    hatchedBlock(canvas, {{x + 4, guideTop}, {x + 16, guideTop}, {x + 16, guideBottom}, {x + 4, guideBottom}});
    const double seatTop = m::kHeadBottomRestY - 19.0;
    const double seatBottom = m::kHeadBottomRestY - 4.0;
    const double bore = 7.0;
    const double bevel = bore + (seatBottom - seatTop - 10.0);
    for (const double side : {-1.0, 1.0}) {
        hatchedBlock(canvas, {{x + side * 34, seatTop},
                              {x + side * bore, seatTop},
                              {x + side * bore, seatBottom - 5.0},
                              {x + side * bevel, seatBottom},
                              {x + side * 34, seatBottom}});
    }
}

} // namespace

Frame drawMechanismFrame(int set, int position) {
    const m::Pose pose = m::pose(set, position);
    Frame frame;
    Canvas canvas(frame);
    drawCam(canvas, pose);
    drawFollower(canvas, pose);
    drawMember(canvas, pose);
    drawLongLever(canvas, pose);
    drawValve(canvas, pose);
    canvas.pixel(m::kMarkerX, m::kMarkerY);
    return frame;
}

} // namespace drovane
