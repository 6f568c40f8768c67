#include "model/ExactShadow.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/geometry.hpp>
#include <boost/geometry/algorithms/point_on_surface.hpp>
#include <boost/geometry/geometries/point_xy.hpp>

#include "model/DevicePlates.h"

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point, false>;  // counter-clockwise, closed
using MultiPolygon = bg::model::multi_polygon<Polygon>;
using Box = bg::model::box<Point>;

// Where a plate's shadow falls: a point at depth z moves across by z * across and down by
// z * down.
struct RayShift {
    double across, down;
};

// A plate's shadow on the wall: the parallel projection of its corners along the ray.
Polygon ShadowOf(const Plate& plate, RayShift s) {
    Polygon p;
    for (const SpacePoint& c : plate)
        p.outer().push_back({c.x - c.z * s.across, c.y - c.z * s.down});
    p.outer().push_back(p.outer().front());
    bg::correct(p);
    return p;
}

bool Overlaps(const Box& a, const Box& b) {
    return a.min_corner().x() < b.max_corner().x() && b.min_corner().x() < a.max_corner().x() &&
           a.min_corner().y() < b.max_corner().y() && b.min_corner().y() < a.max_corner().y();
}

bool CoversWindow(const Polygon& face, const Box& window) {
    const Point low = window.min_corner(), high = window.max_corner();
    for (const Point corner : {low, high, Point{low.x(), high.y()}, Point{high.x(), low.y()}}) {
        if (!bg::covered_by(corner, face))
            return false;
    }
    return true;
}

// The overlays of this Boost.Geometry, run at full precision, now and then lose a piece or
// leave a ring without area where shadows share an edge, as the plate's and a fin's always do.
// Rings without area are dropped; a union that lost a shadow is caught here.
void DropEmptyHoles(MultiPolygon& region, double negligible) {
    for (Polygon& p : region) {
        std::erase_if(p.inners(),
                      [&](const auto& r) { return std::abs(bg::area(r)) <= negligible; });
    }
}

bool HoldsEveryShadow(const MultiPolygon& united, const std::vector<Polygon>& shadows) {
    double largest = 0, total = 0;
    for (const Polygon& s : shadows) {
        if (!bg::covered_by(bg::return_centroid<Point>(s), united))
            return false;
        largest = std::max(largest, bg::area(s));
        total += bg::area(s);
    }
    const double area = bg::area(united);
    return area >= largest * (1 - 1e-12) && area <= total * (1 + 1e-12);
}

// Every piece of a clipped region has a point inside it that the unclipped region covers.
bool LiesWithin(const MultiPolygon& clipped, const MultiPolygon& region) {
    for (const Polygon& piece : clipped) {
        if (!bg::covered_by(bg::return_point_on_surface(piece), region))
            return false;
    }
    return true;
}

MultiPolygon Unite(const std::vector<Polygon>& shadows, double negligible) {
    MultiPolygon united{shadows.front()};
    for (std::size_t i = 1; i < shadows.size(); ++i) {
        MultiPolygon next;
        bg::union_(united, shadows[i], next);
        DropEmptyHoles(next, negligible);
        united = std::move(next);
    }
    return united;
}

MultiPolygon Clip(const MultiPolygon& region, const Polygon& window) {
    MultiPolygon clipped;
    bg::intersection(window, region, clipped);
    return clipped;
}

// The shaded part of the window: the plates' shadows united, then clipped to the window; when
// the union fails its check, each shadow clipped first, then united. Overlays cost far more
// than the rest, so shadows that miss the window are dropped first, and a single shadow
// covering the whole window or lying inside it needs none.
MultiPolygon ShadedRegion(const DeviceShape& d, double altitudeRad, double azimuthRad) {
    const RayShift s{std::tan(azimuthRad), std::tan(altitudeRad) / std::cos(azimuthRad)};
    // The fins are cut off low enough for their shadows to reach below the window.
    const double finBottom = std::min({0.0, d.Lh, d.Lh + d.LhP}) - d.H - d.L * std::abs(s.down);
    const DevicePlateSet device = DevicePlates(d, finBottom);
    const double negligible = 1e-14 * d.W * d.H;

    const Box window{{0, 0}, {d.W, d.H}};
    Polygon windowPolygon;
    bg::convert(window, windowPolygon);
    std::vector<Polygon> shadows;
    Box bounds;
    bg::assign_inverse(bounds);
    for (int i = 0; i < device.count; ++i) {
        Polygon shadow = ShadowOf(device.plates[i], s);
        const Box shadowBounds = bg::return_envelope<Box>(shadow);
        // A plate seen edge on casts no shadow; rounding may leave it a sliver without area.
        if (!Overlaps(shadowBounds, window) || bg::area(shadow) <= negligible)
            continue;
        if (CoversWindow(shadow, window))
            return {windowPolygon};
        bg::expand(bounds, shadowBounds);
        shadows.push_back(std::move(shadow));
    }
    if (shadows.empty())
        return {};
    const bool inside = bg::covered_by(bounds, window);
    if (shadows.size() == 1)
        return inside ? MultiPolygon{shadows.front()} : Clip({shadows.front()}, windowPolygon);

    const MultiPolygon united = Unite(shadows, negligible);
    if (HoldsEveryShadow(united, shadows)) {
        if (inside)
            return united;
        MultiPolygon clipped = Clip(united, windowPolygon);
        // An empty result is taken only from the shadows clipped one by one.
        if (!clipped.empty() && LiesWithin(clipped, united))
            return clipped;
    }
    std::vector<Polygon> clipped;
    for (const Polygon& shadow : shadows) {
        for (Polygon& piece : Clip({shadow}, windowPolygon)) {
            if (bg::area(piece) > negligible)
                clipped.push_back(std::move(piece));
        }
    }
    return clipped.empty() ? MultiPolygon{} : Unite(clipped, negligible);
}

double UnshadedFraction(const DeviceShape& d, const MultiPolygon& shaded) {
    const double windowArea = d.W * d.H;
    if (!(d.W > 0 && d.H > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return 1 - bg::area(shaded) / windowArea;
}

}  // namespace

ShadowOnWindow ExactShadow(const DeviceShape& device, double altitudeRad, double azimuthRad) {
    const MultiPolygon shaded = ShadedRegion(device, altitudeRad, azimuthRad);
    ShadowOnWindow result{UnshadedFraction(device, shaded), {}};
    // The region has no holes: the plate is one piece and the fins reach down without end.
    for (const Polygon& p : shaded) {
        std::vector<WallPoint> corners;
        const auto& ring = p.outer();
        for (std::size_t i = 0; i + 1 < ring.size(); ++i)
            corners.push_back({ring[i].x(), ring[i].y()});
        result.shadow.push_back(std::move(corners));
    }
    return result;
}

double ExactUnshadedFraction(const DeviceShape& device, double altitudeRad, double azimuthRad) {
    return UnshadedFraction(device, ShadedRegion(device, altitudeRad, azimuthRad));
}
