#include "model/ExactShadow.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>

#include "model/mduUmbravel.h"

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point, false>;  // counter-clockwise, closed
using MultiPolygon = bg::model::multi_polygon<Polygon>;
using Box = bg::model::box<Point>;

// Where a face's shadow falls: a point at depth z moves by z * (across, down).
struct RayShift {
    double across, down;
};

Polygon Quad(Point a, Point b, Point c, Point d) {
    Polygon p{{a, b, c, d, a}};
    bg::correct(p);
    return p;
}

// The plate's shadow: a parallelogram between its back edge on the wall and the shadow of
// its front edge.
Polygon PlateShadow(double xFrom, double xTo, const DeviceShape& d, RayShift s) {
    const double back = d.Lh + d.LhP;
    const double front = d.Lh - s.down;
    return Quad({xFrom, back}, {xTo, back}, {xTo - s.across, front}, {xFrom - s.across, front});
}

// A fin's shadow: the band between the fin's foot on the wall and the shadow of its front
// edge, below the shadow of its top edge. The fin reaches down without end; the band is cut
// off below the window, which is all that matters once it is clipped.
Polygon FinShadow(double x, const DeviceShape& d, RayShift s) {
    const double back = d.Lh + d.LhP;
    const double front = d.Lh - s.down;
    const double below = std::min({back, front, 0.0}) - d.H;
    return Quad({x, below}, {x, back}, {x - s.across, front}, {x - s.across, below});
}

// The shaded part of the window: every face's shadow clipped to the window, then united.
MultiPolygon ShadedRegion(const DeviceShape& d, double altitudeRad, double azimuthRad) {
    MultiPolygon shaded;
    if (d.L <= 0)
        return shaded;
    const RayShift s{d.L * std::tan(azimuthRad),
                     d.L * std::tan(altitudeRad) / std::cos(azimuthRad)};
    const double fin = d.WP;
    const double otherEnd = d.layout == DeviceLayout::Mirrored ? d.W - d.WP : 0.0;

    std::vector<Polygon> faces;
    if (d.geomMode != 2)
        faces.push_back(PlateShadow(otherEnd, fin, d, s));
    if (d.geomMode != 1) {
        faces.push_back(FinShadow(fin, d, s));
        if (d.layout == DeviceLayout::Mirrored)
            faces.push_back(FinShadow(otherEnd, d, s));
    }

    const Box window{{0, 0}, {d.W, d.H}};
    for (const Polygon& face : faces) {
        if (bg::area(face) <= 0 || bg::disjoint(face, window))
            continue;
        MultiPolygon clipped;
        bg::intersection(window, face, clipped);
        if (shaded.empty()) {
            shaded = std::move(clipped);
            continue;
        }
        MultiPolygon united;
        bg::union_(shaded, clipped, united);
        shaded = std::move(united);
    }
    return shaded;
}

double UnshadedFraction(const DeviceShape& d, const MultiPolygon& shaded) {
    const double windowArea = d.W * d.H;
    if (!(d.W > 0 && d.H > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return 1 - bg::area(shaded) / windowArea;
}

}  // namespace

DeviceShape DeviceShapeFromGeometry() {
    const auto& g = mduUmbravel::ShadeGeometry;
    return {mduUmbravel::GeomMode, g.W, g.H, g.WP, g.Lh, g.LhP, g.L, DeviceLayout::Drawn};
}

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
