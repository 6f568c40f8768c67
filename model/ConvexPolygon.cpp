#include "model/ConvexPolygon.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct ProjectiveRing {
    boost::container::static_vector<ProjectivePoint, ConvexPolygon::Capacity> corner;
    int Count() const { return static_cast<int>(corner.size()); }
    void Add(ProjectivePoint p) {
        if (corner.size() < ConvexPolygon::Capacity)
            corner.push_back(p);
    }
};

enum class Axis { X, Y };

template <Axis axis>
double& Coordinate(ProjectivePoint& p) {
    if constexpr (axis == Axis::X)
        return p.x;
    else
        return p.y;
}

// Sutherland-Hodgman: the corners on the side of the line x = bound (or y = bound) where
// side x (x - bound) >= 0, with a corner added where an edge crosses the line. An edge is every
// positive combination of its ends, so the crossing stays right when one end is far out; the
// crossing is put on the line exactly, as a corner far out would round it well off the line.
// The result goes to spare, which then changes place with ring; a ring wholly on the kept side
// is left as it is, as most are for most sides.
template <Axis axis>
void KeepSide(ProjectiveRing*& ring, ProjectiveRing*& spare, double side, double bound) {
    std::array<double, ConvexPolygon::Capacity> distance;
    bool anyCut = false;
    for (int i = 0; i < ring->Count(); ++i) {
        ProjectivePoint c = ring->corner[i];
        distance[i] = side * (Coordinate<axis>(c) - bound * c.w);
        anyCut = anyCut || distance[i] < 0;
    }
    if (!anyCut)
        return;
    ProjectiveRing& kept = *spare;
    kept.corner.clear();
    for (int i = 0; i < ring->Count(); ++i) {
        const int next = i + 1 < ring->Count() ? i + 1 : 0;
        const ProjectivePoint p = ring->corner[i], q = ring->corner[next];
        const double dp = distance[i], dq = distance[next];
        if (dp >= 0)
            kept.Add(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double s = std::abs(dq) / (std::abs(dp) + std::abs(dq)), t = 1 - s;
            ProjectivePoint crossing{s * p.x + t * q.x, s * p.y + t * q.y, s * p.w + t * q.w};
            Coordinate<axis>(crossing) = bound * crossing.w;
            kept.Add(crossing);
        }
    }
    std::swap(ring, spare);
}

// The part of the polygon left of the line.
void KeepLeft(const ConvexPolygon& polygon, Line line, ConvexPolygon& kept) {
    kept.Clear();
    if (polygon.Size() == 0)
        return;
    const auto side = [&](PlanePoint p) { return line.a * p.x + line.b * p.y + line.c; };
    PlanePoint p = polygon[0];
    double dp = side(p);
    for (int i = 0; i < polygon.Size(); ++i) {
        const PlanePoint q = polygon[i + 1 < polygon.Size() ? i + 1 : 0];
        const double dq = side(q);
        if (dp >= 0)
            kept.Add(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double s = std::abs(dq) / (std::abs(dp) + std::abs(dq)), t = 1 - s;
            kept.Add({s * p.x + t * q.x, s * p.y + t * q.y});
        }
        p = q;
        dp = dq;
    }
}

}  // namespace

void ConvexPolygon::Reverse() {
    std::reverse(corner_.begin(), corner_.end());
}

double SignedArea(const ConvexPolygon& p) {
    double twice = 0;
    for (int i = 0; i < p.Size(); ++i) {
        const PlanePoint a = p[i], b = p[i + 1 < p.Size() ? i + 1 : 0];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

ConvexPolygon ClipToRectangle(std::span<const ProjectivePoint> corners, double width,
                              double height) {
    ProjectiveRing first, second;
    for (const ProjectivePoint& c : corners)
        first.Add(c);
    ProjectiveRing *ring = &first, *spare = &second;
    KeepSide<Axis::X>(ring, spare, 1, 0);
    KeepSide<Axis::X>(ring, spare, -1, width);
    KeepSide<Axis::Y>(ring, spare, 1, 0);
    KeepSide<Axis::Y>(ring, spare, -1, height);
    // What is left lies in the window; rounding cannot take a corner out of it.
    ConvexPolygon inside;
    for (int i = 0; i < ring->Count(); ++i) {
        const ProjectivePoint c = ring->corner[i];
        if (c.w > 0)
            inside.Add({std::clamp(c.x / c.w, 0.0, width), std::clamp(c.y / c.w, 0.0, height)});
    }
    return inside;
}

Line LineThrough(ProjectivePoint p, ProjectivePoint q) {
    return {p.y * q.w - p.w * q.y, p.w * q.x - p.x * q.w, p.x * q.y - p.y * q.x};
}

ConvexPolygon KeepLeftOf(const ConvexPolygon& polygon, std::span<const Line> lines) {
    ConvexPolygon first = polygon, second;
    ConvexPolygon *kept = &first, *next = &second;
    for (const Line& line : lines) {
        if (kept->Size() == 0)
            break;
        KeepLeft(*kept, line, *next);
        std::swap(kept, next);
    }
    return *kept;
}
