#include "model/ExactShadow.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "model/ConvexPolygon.h"
#include "model/DevicePlates.h"

// Each plate is flat and convex, so its shadow along the parallel rays is convex; the window
// is convex too. The shaded area is then the union of at most three convex polygons clipped
// to the window, measured by inclusion and exclusion of their common parts.

namespace {

// The direction toward the sun: across, up and out of the wall. Out is never below zero: a
// ray along the wall is taken as the limit of rays nearly along it.
struct Ray {
    double across, up, out;
};

// A corner of a plate carried along the ray onto the wall: a corner on the wall stays; one at
// depth z moves by -z (across, up) / out, far out along -(across, up) when the ray grazes the
// wall, where it is kept as that direction instead of a huge point.
ProjectivePoint OnWall(double x, double y, double z, Ray r) {
    if (z == 0)
        return {x, y, 1};
    return {x * r.out - z * r.across, y * r.out - z * r.up, r.out};
}

// A fin reaches down without end; its lower corners are the one direction straight down.
constexpr ProjectivePoint FarBelow{0, -1, 0};

// A plate's shadow: its part in the window, counter-clockwise, and the lines of its sides
// with the shadow on their left.
struct ShadowPiece {
    ConvexPolygon inWindow;
    double area;
    std::array<Line, 4> sides;
    int sideCount;
    std::span<const Line> Sides() const {
        return {sides.data(), static_cast<std::size_t>(sideCount)};
    }
};

struct ShadowPieces {
    std::array<ShadowPiece, 3> piece;
    int count = 0;
};

// Each plate's shadow clipped to the window; a plate seen edge on leaves none.
ShadowPieces ShadowsOnWindow(const DeviceShape& d, double altitudeRad, double azimuthRad) {
    ShadowPieces s;
    if (!(d.L > 0))
        return s;
    const Ray r{std::cos(altitudeRad) * std::sin(azimuthRad), std::sin(altitudeRad),
                std::max(0.0, std::cos(altitudeRad) * std::cos(azimuthRad))};
    const double negligible = 1e-14 * d.W * d.H;
    const auto add = [&](std::span<const ProjectivePoint> corners) {
        ShadowPiece& piece = s.piece[s.count];
        piece.inWindow = ClipToRectangle(corners, d.W, d.H);
        const double area = SignedArea(piece.inWindow);
        if (!(std::abs(area) > negligible))
            return;
        const double inward = area < 0 ? -1 : 1;
        if (area < 0)
            piece.inWindow.Reverse();
        piece.area = std::abs(area);
        piece.sideCount = static_cast<int>(corners.size());
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Line l = LineThrough(corners[i], corners[(i + 1) % corners.size()]);
            piece.sides[i] = {inward * l.a, inward * l.b, inward * l.c};
        }
        ++s.count;
    };
    const double back = d.Lh + d.LhP;
    const auto [finSide, otherSide] = PlateEndsOf(d);
    if (HasAwningPlate(d)) {
        const ProjectivePoint plate[] = {OnWall(otherSide, back, 0, r), OnWall(finSide, back, 0, r),
                                         OnWall(finSide, d.Lh, d.L, r),
                                         OnWall(otherSide, d.Lh, d.L, r)};
        add(plate);
    }
    if (d.geometry != Geometry::Awning) {
        const auto fin = [&](double x) {
            const ProjectivePoint corners[] = {OnWall(x, back, 0, r), OnWall(x, d.Lh, d.L, r),
                                               FarBelow};
            add(corners);
        };
        fin(finSide);
        if (d.layout == DeviceLayout::Mirrored)
            fin(otherSide);
    }
    return s;
}

// Inclusion and exclusion over the pieces: a common part is one piece in the window cut by the
// sides of the others.
double UnitedArea(const ShadowPieces& s) {
    double area = 0;
    for (int i = 0; i < s.count; ++i) {
        area += s.piece[i].area;
        for (int j = i + 1; j < s.count; ++j) {
            const ConvexPolygon both = KeepLeftOf(s.piece[i].inWindow, s.piece[j].Sides());
            area -= SignedArea(both);
            for (int k = j + 1; k < s.count; ++k)
                area += SignedArea(KeepLeftOf(both, s.piece[k].Sides()));
        }
    }
    return area;
}

double UnshadedFraction(const DeviceShape& d, const ShadowPieces& s) {
    if (!(d.W > 0 && d.H > 0))
        return std::numeric_limits<double>::quiet_NaN();
    const double fraction = 1 - UnitedArea(s) / (d.W * d.H);
    assert(fraction > -1e-9 && fraction < 1 + 1e-9);
    return std::clamp(fraction, 0.0, 1.0);
}

}  // namespace

ShadowOnWindow ExactShadow(const DeviceShape& device, double altitudeRad, double azimuthRad) {
    const ShadowPieces pieces = ShadowsOnWindow(device, altitudeRad, azimuthRad);
    ShadowOnWindow result{UnshadedFraction(device, pieces), {}};
    for (int i = 0; i < pieces.count; ++i) {
        const ConvexPolygon& piece = pieces.piece[i].inWindow;
        std::vector<WallPoint> corners;
        for (int c = 0; c < piece.Size(); ++c)
            corners.push_back({piece[c].x, piece[c].y});
        result.shadow.push_back(std::move(corners));
    }
    return result;
}

double ExactUnshadedFraction(const DeviceShape& device, double altitudeRad, double azimuthRad) {
    return UnshadedFraction(device, ShadowsOnWindow(device, altitudeRad, azimuthRad));
}
