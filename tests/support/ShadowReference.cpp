#include "support/ShadowReference.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;  // clockwise, closed
using Box = bg::model::box<Point>;

struct Corner {
    double x, y, z;
};

// The plates as the device's description has them: an awning plate from the wall at height
// h + h' out to depth L at height h, across from x = 0 (or W - W' mirrored) to x = W'; fins in
// the planes of the plate's ends, from the plate's side edge down.
std::vector<std::array<Corner, 4>> Plates(const DeviceShape& d, double bottom) {
    std::vector<std::array<Corner, 4>> plates;
    if (!(d.L > 0))
        return plates;
    const double back = d.Lh + d.LhP;
    const double far = d.WP;
    const double near = d.layout == DeviceLayout::Mirrored ? d.W - d.WP : 0.0;
    if (d.geometry != Geometry::Fins && far > near)
        plates.push_back({{{near, back, 0}, {far, back, 0}, {far, d.Lh, d.L}, {near, d.Lh, d.L}}});
    if (d.geometry != Geometry::Awning) {
        for (double x : {far, near}) {
            plates.push_back({{{x, back, 0}, {x, d.Lh, d.L}, {x, bottom, d.L}, {x, bottom, 0}}});
            if (d.layout != DeviceLayout::Mirrored)
                break;
        }
    }
    return plates;
}

struct WallPointXY {
    double x, y;
};

// The shadow of a plate: its corners moved along the ray to the wall, in an order that turns
// clockwise.
std::vector<WallPointXY> ShadowOf(const std::array<Corner, 4>& plate, double alt, double azi) {
    const double across = std::cos(alt) * std::sin(azi), up = std::sin(alt),
                 out = std::cos(alt) * std::cos(azi);
    std::vector<WallPointXY> shadow;
    for (const Corner& c : plate)
        shadow.push_back({c.x - c.z * across / out, c.y - c.z * up / out});
    double twice = 0;
    for (std::size_t i = 0; i < shadow.size(); ++i) {
        const WallPointXY a = shadow[i], b = shadow[(i + 1) % shadow.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    if (twice > 0)
        std::reverse(shadow.begin(), shadow.end());
    return shadow;
}

double AreaInWindow(const std::vector<WallPointXY>& shadow, double W, double H) {
    Polygon p;
    for (const WallPointXY& c : shadow)
        bg::append(p.outer(), Point(c.x, c.y));
    bg::correct(p);
    std::vector<Polygon> inside;
    bg::intersection(p, Box(Point(0, 0), Point(W, H)), inside);
    double area = 0;
    for (const Polygon& piece : inside)
        area += bg::area(piece);
    return area;
}

// Where the vertical line at x meets the convex shadow, as a span of heights within the window.
struct Span {
    double low, high;
};

Span SpanAt(const std::vector<WallPointXY>& shadow, double x, double H) {
    double low = INFINITY, high = -INFINITY;
    for (std::size_t i = 0; i < shadow.size(); ++i) {
        const WallPointXY a = shadow[i], b = shadow[(i + 1) % shadow.size()];
        // The line never runs along an edge: x is always between two corners' x.
        if ((a.x < x && x < b.x) || (b.x < x && x < a.x)) {
            const double y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
            low = std::min(low, y);
            high = std::max(high, y);
        }
    }
    return {std::clamp(low, 0.0, H), std::clamp(high, 0.0, H)};
}

// The length of the union of the spans.
double UnionLength(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.low < b.low; });
    double length = 0, reached = -INFINITY;
    for (const Span& s : spans) {
        const double from = std::max(s.low, reached);
        if (s.high > from)
            length += s.high - from;
        reached = std::max(reached, s.high);
    }
    return length;
}

// Across the window the union's height is linear between the x where a corner lies, two edges
// cross or an edge crosses the window's top or sill; the midpoint of each stretch gives its
// area exactly.
double UnitedAreaBySweep(const std::vector<std::vector<WallPointXY>>& shadows, double W, double H) {
    std::vector<double> at{0, W};
    std::vector<std::pair<WallPointXY, WallPointXY>> edges;
    for (const auto& s : shadows) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            at.push_back(s[i].x);
            edges.push_back({s[i], s[(i + 1) % s.size()]});
        }
    }
    for (const auto& [a, b] : edges) {
        for (double level : {0.0, H}) {
            if ((a.y - level) * (b.y - level) < 0)
                at.push_back(a.x + (b.x - a.x) * (level - a.y) / (b.y - a.y));
        }
        for (const auto& [c, d] : edges) {
            const double denominator = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
            if (denominator == 0)
                continue;
            const double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / denominator;
            if (t > 0 && t < 1)
                at.push_back(a.x + t * (b.x - a.x));
        }
    }
    std::erase_if(at, [&](double x) { return !(x >= 0 && x <= W); });
    std::sort(at.begin(), at.end());
    double area = 0;
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
        const double x = (at[i] + at[i + 1]) / 2;
        std::vector<Span> spans;
        for (const auto& s : shadows)
            spans.push_back(SpanAt(s, x, H));
        area += (at[i + 1] - at[i]) * UnionLength(spans);
    }
    return area;
}

}  // namespace

ReferenceShadow ReferenceShadowOf(const DeviceShape& d, double alt, double azi) {
    const double size = std::abs(d.W) + std::abs(d.H) + std::abs(d.WP) + std::abs(d.Lh) +
                        std::abs(d.LhP) + std::abs(d.L);
    std::vector<std::vector<WallPointXY>> shadows;
    ReferenceShadow result{{}, 1};
    for (const auto& plate : Plates(d, -1e3 * size)) {
        shadows.push_back(ShadowOf(plate, alt, azi));
        result.pieceAreas.push_back(AreaInWindow(shadows.back(), d.W, d.H));
    }
    result.unshadedFraction = 1 - UnitedAreaBySweep(shadows, d.W, d.H) / (d.W * d.H);
    return result;
}
