#include "model/ConvexPolygon.h"

#include <algorithm>
#include <cmath>

namespace {

struct ProjectiveRing {
    std::array<ProjectivePoint, ConvexPolygon::Capacity> corner{};
    int count = 0;
    void Add(ProjectivePoint p) {
        if (count < ConvexPolygon::Capacity)
            corner[count++] = p;
    }
};

// Sutherland-Hodgman: the corners on the side where a x + b y + c w >= 0, with a corner added
// where an edge crosses the line. An edge is every positive combination of its ends, so the
// crossing stays right when one end is far out.
ProjectiveRing KeepSide(const ProjectiveRing& ring, double a, double b, double c) {
    ProjectiveRing kept;
    for (int i = 0; i < ring.count; ++i) {
        const ProjectivePoint p = ring.corner[i], q = ring.corner[(i + 1) % ring.count];
        const double dp = a * p.x + b * p.y + c * p.w, dq = a * q.x + b * q.y + c * q.w;
        if (dp >= 0)
            kept.Add(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double s = std::abs(dq) / (std::abs(dp) + std::abs(dq)), t = 1 - s;
            kept.Add({s * p.x + t * q.x, s * p.y + t * q.y, s * p.w + t * q.w});
        }
    }
    return kept;
}

double Cross(PlanePoint o, PlanePoint a, PlanePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The part of the polygon left of the line from a to b.
ConvexPolygon KeepLeft(const ConvexPolygon& polygon, PlanePoint a, PlanePoint b) {
    ConvexPolygon kept;
    for (int i = 0; i < polygon.Size(); ++i) {
        const PlanePoint p = polygon[i], q = polygon[(i + 1) % polygon.Size()];
        const double dp = Cross(a, b, p), dq = Cross(a, b, q);
        if (dp >= 0)
            kept.Add(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double s = std::abs(dq) / (std::abs(dp) + std::abs(dq)), t = 1 - s;
            kept.Add({s * p.x + t * q.x, s * p.y + t * q.y});
        }
    }
    return kept;
}

}  // namespace

void ConvexPolygon::Reverse() {
    std::reverse(corner_.begin(), corner_.begin() + count_);
}

double SignedArea(const ConvexPolygon& p) {
    double twice = 0;
    for (int i = 0; i < p.Size(); ++i) {
        const PlanePoint a = p[i], b = p[(i + 1) % p.Size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

ConvexPolygon ClipToRectangle(std::span<const ProjectivePoint> corners, double width,
                              double height) {
    ProjectiveRing ring;
    for (const ProjectivePoint& c : corners)
        ring.Add(c);
    ring = KeepSide(ring, 1, 0, 0);
    ring = KeepSide(ring, -1, 0, width);
    ring = KeepSide(ring, 0, 1, 0);
    ring = KeepSide(ring, 0, -1, height);
    // What is left lies in the window; rounding cannot take a corner out of it.
    ConvexPolygon inside;
    for (int i = 0; i < ring.count; ++i) {
        const ProjectivePoint c = ring.corner[i];
        if (c.w > 0)
            inside.Add({std::clamp(c.x / c.w, 0.0, width), std::clamp(c.y / c.w, 0.0, height)});
    }
    return inside;
}

ConvexPolygon Intersection(const ConvexPolygon& subject, const ConvexPolygon& clip) {
    ConvexPolygon kept = subject;
    for (int i = 0; i < clip.Size() && kept.Size() > 0; ++i)
        kept = KeepLeft(kept, clip[i], clip[(i + 1) % clip.Size()]);
    return kept;
}
