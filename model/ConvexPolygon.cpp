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

enum class Axis { X, Y };

double& Coordinate(ProjectivePoint& p, Axis axis) {
    return axis == Axis::X ? p.x : p.y;
}

// Sutherland-Hodgman: the corners on the side of the line x = bound (or y = bound) where
// side x (x - bound) >= 0, with a corner added where an edge crosses the line. An edge is every
// positive combination of its ends, so the crossing stays right when one end is far out; the
// crossing is put on the line exactly, as a corner far out would round it well off the line.
ProjectiveRing KeepSide(const ProjectiveRing& ring, Axis axis, double side, double bound) {
    ProjectiveRing kept;
    for (int i = 0; i < ring.count; ++i) {
        ProjectivePoint p = ring.corner[i], q = ring.corner[(i + 1) % ring.count];
        const double dp = side * (Coordinate(p, axis) - bound * p.w);
        const double dq = side * (Coordinate(q, axis) - bound * q.w);
        if (dp >= 0)
            kept.Add(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double s = std::abs(dq) / (std::abs(dp) + std::abs(dq)), t = 1 - s;
            ProjectivePoint crossing{s * p.x + t * q.x, s * p.y + t * q.y, s * p.w + t * q.w};
            Coordinate(crossing, axis) = bound * crossing.w;
            kept.Add(crossing);
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
    ring = KeepSide(ring, Axis::X, 1, 0);
    ring = KeepSide(ring, Axis::X, -1, width);
    ring = KeepSide(ring, Axis::Y, 1, 0);
    ring = KeepSide(ring, Axis::Y, -1, height);
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
