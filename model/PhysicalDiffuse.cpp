#include "model/PhysicalDiffuse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include <boost/container/static_vector.hpp>
#include <boost/math/quadrature/gauss.hpp>

#include "model/DevicePlates.h"

// The weighted mean over directions of the shaded share of the window equals the mean over
// the window of the weighted share of directions in which each point sees the device
// (exchange of the two integrals). Seen from one point, each plate covers a convex cone of
// directions, and the weight cos^2(a) x cos(g) da dg is the projected solid angle, which has
// a closed form over a cone with plane faces. Only the integral over the window is numerical:
// a product Gauss-Legendre rule on panels cut where the view of the device changes.

namespace {

struct Vec {
    double x, y, z;
};

Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator*(double s, Vec a) {
    return {s * a.x, s * a.y, s * a.z};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec Cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(Vec a) {
    return std::sqrt(Dot(a, a));
}
Vec Unit(Vec a) {
    return (1 / Length(a)) * a;
}

// A cone of directions from the window point, as the unit directions of its edges in order.
// Each cut by a plane adds at most one edge: a plate (4) cut by the horizon and by the four
// or five planes of each of two other cones stays within 16.
struct Cone {
    // In place, and copied only as far as it is filled: cones are copied at every cut.
    boost::container::static_vector<Vec, 16> edge;
    int Count() const { return static_cast<int>(edge.size()); }
    void Add(Vec v) { edge.push_back(Unit(v)); }
    void AddUnit(Vec v) { edge.push_back(v); }
};

// The part of the cone on the side normal . v >= 0 of a plane through the window point.
Cone Cut(const Cone& c, Vec normal) {
    std::array<double, 16> side;
    bool anyCut = false;
    for (int i = 0; i < c.Count(); ++i) {
        side[i] = Dot(normal, c.edge[i]);
        anyCut = anyCut || side[i] < 0;
    }
    if (!anyCut)
        return c;
    Cone kept;
    for (int i = 0; i < c.Count(); ++i) {
        const int next = i + 1 < c.Count() ? i + 1 : 0;
        const Vec a = c.edge[i], b = c.edge[next];
        const double da = side[i], db = side[next];
        if (da >= 0)
            kept.AddUnit(a);
        if ((da > 0 && db < 0) || (da < 0 && db > 0))
            kept.Add(a + (da / (da - db)) * (b - a));
    }
    return kept;
}

// The integral of cos(angle to the wall normal) over the cone's solid angle (Lambert's
// formula: half the sum over the sides of the angle each subtends times the z component of
// the unit normal of its plane).
double ProjectedSolidAngle(const Cone& c) {
    double sum = 0;
    for (int i = 0; i < c.Count(); ++i) {
        const Vec a = c.edge[i], b = c.edge[(i + 1) % c.Count()];
        const Vec n = Cross(a, b);
        const double sine = Length(n);
        if (sine > 0)
            sum += std::atan2(sine, Dot(a, b)) * n.z / sine;
    }
    return std::abs(sum) / 2;
}

// The directions that lie in both cones: the first cut by every side plane of the second.
Cone Common(const Cone& a, const Cone& b) {
    if (b.Count() < 3)
        return {};
    Vec middle{0, 0, 0};
    for (int i = 0; i < b.Count(); ++i)
        middle = middle + b.edge[i];
    Cone common = a;
    for (int i = 0; i < b.Count() && common.Count() > 0; ++i) {
        Vec normal = Cross(b.edge[i], b.edge[(i + 1) % b.Count()]);
        if (Dot(normal, middle) < 0)
            normal = -1 * normal;
        common = Cut(common, normal);
    }
    return common;
}

using PlateCones = std::array<Cone, 3>;

// The cones in which a point of the window sees each plate.
PlateCones ConesFrom(const DevicePlateSet& device, double px, double py) {
    PlateCones cones;
    for (int i = 0; i < device.count; ++i) {
        for (const SpacePoint& corner : device.plates[i])
            cones[i].Add({corner.x - px, corner.y - py, corner.z});
    }
    return cones;
}

// The weighted share of the sky (up = 1) or ground (up = -1) half that the device hides from
// a point of the window: the cones of the plates united by inclusion and exclusion.
double HiddenShare(const DevicePlateSet& device, const PlateCones& whole, double up) {
    PlateCones cones;
    for (int i = 0; i < device.count; ++i)
        cones[i] = Cut(whole[i], {0, up, 0});
    double hidden = 0;
    for (int i = 0; i < device.count; ++i) {
        hidden += ProjectedSolidAngle(cones[i]);
        for (int j = i + 1; j < device.count; ++j) {
            const Cone both = Common(cones[i], cones[j]);
            hidden -= ProjectedSolidAngle(both);
            for (int k = j + 1; k < device.count; ++k)
                hidden += ProjectedSolidAngle(Common(both, cones[k]));
        }
    }
    return hidden / (std::numbers::pi / 2);
}

struct Node {
    double at, weight;
};

// Gauss-Legendre nodes and weights of order N moved to [0, 1], the nodes in rising order.
template <unsigned N>
std::vector<Node> GaussLegendre() {
    using Rule = boost::math::quadrature::gauss<double, N>;
    std::vector<Node> nodes;
    for (std::size_t i = Rule::abscissa().size(); i-- > 0;)
        nodes.push_back({(1 - Rule::abscissa()[i]) / 2, Rule::weights()[i] / 2});
    for (std::size_t i = N % 2; i < Rule::abscissa().size(); ++i)
        nodes.push_back({(1 + Rule::abscissa()[i]) / 2, Rule::weights()[i] / 2});
    return nodes;
}

// The rules tried in turn, each compared with the one before. Over the devices tried, each
// rule is at least ten times closer than the one before it, so a step below the tolerance
// leaves the finer result well inside it.
const std::array<std::vector<Node>, 7>& Rules() {
    static const std::array<std::vector<Node>, 7> rules = {
        GaussLegendre<10>(), GaussLegendre<16>(), GaussLegendre<24>(), GaussLegendre<32>(),
        GaussLegendre<48>(), GaussLegendre<64>(), GaussLegendre<128>()};
    return rules;
}

// Nodes over [from, to] split at the given cuts, crowded toward each piece's ends (the view
// from a point close to a plate's edge changes like d log d) by u -> u^2 (3 - 2u).
std::vector<Node> PanelNodes(double from, double to, std::vector<double> cuts,
                             const std::vector<Node>& rule) {
    std::erase_if(cuts, [&](double c) { return !(c > from && c < to); });
    cuts.push_back(from);
    cuts.push_back(to);
    std::sort(cuts.begin(), cuts.end());
    std::vector<Node> nodes;
    for (std::size_t p = 0; p + 1 < cuts.size(); ++p) {
        const double width = cuts[p + 1] - cuts[p];
        for (const Node& n : rule) {
            const double u = n.at;
            nodes.push_back(
                {cuts[p] + width * u * u * (3 - 2 * u), width * n.weight * 6 * u * (1 - u)});
        }
    }
    return nodes;
}

PhysicalDiffuseFactors Evaluate(const DeviceShape& d, const DevicePlateSet& device,
                                const std::vector<Node>& rule) {
    const PlateEnds ends = PlateEndsOf(d);
    const auto across = PanelNodes(0, d.W, {ends.finSide, ends.otherSide}, rule);
    const auto up = PanelNodes(0, d.H, {d.Lh, d.Lh + d.LhP}, rule);
    double sky = 0, ground = 0;
    for (const Node& x : across) {
        for (const Node& y : up) {
            const double w = x.weight * y.weight;
            const PlateCones cones = ConesFrom(device, x.at, y.at);
            sky += w * HiddenShare(device, cones, 1);
            ground += w * HiddenShare(device, cones, -1);
        }
    }
    const double area = d.W * d.H;
    // Rounding in the union can leave a share a few units of the last place outside 0 to 1.
    return {std::clamp(1 - sky / area, 0.0, 1.0), std::clamp(1 - ground / area, 0.0, 1.0)};
}

}  // namespace

PhysicalDiffuseFactors PhysicalDiffuse(const DeviceShape& d) {
    if (!(d.W > 0 && d.H > 0)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    // Fins cut off so far down that the directions left out weigh less than 1e-12.
    const double reach = std::abs(d.W) + std::abs(d.H) + std::abs(d.Lh) + std::abs(d.LhP) +
                         std::abs(d.WP) + std::abs(d.L);
    const DevicePlateSet device = DevicePlates(d, -1e6 * reach);
    PhysicalDiffuseFactors coarse = Evaluate(d, device, Rules().front());
    for (std::size_t r = 1; r < Rules().size(); ++r) {
        const PhysicalDiffuseFactors fine = Evaluate(d, device, Rules()[r]);
        const bool converged =
            std::abs(fine.sky - coarse.sky) < 1e-6 && std::abs(fine.ground - coarse.ground) < 1e-6;
        coarse = fine;
        if (converged)
            break;
    }
    return coarse;
}
