#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>

#include "model/ExactShadow.h"
#include "support/ShadowReference.h"

namespace {

constexpr double Degree = std::numbers::pi / 180;

struct Draw {
    DeviceShape device;
    double alt, azi;
    bool dyadic;
};

// Devices of every kind and layout and directions up to 80 degrees high and 85 to the side,
// half of them with lengths of a few quarters and angles of whole tens and 45, where shadow
// corners land exactly on the window's edges and on each other.
Draw RandomDraw(std::mt19937_64& random) {
    const auto uniform = [&](double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random);
    };
    const auto pick = [&](auto... values) {
        const std::array<double, sizeof...(values)> all{values...};
        return all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(random)];
    };
    Draw d;
    d.device.geometry = static_cast<Geometry>(1 + random() % 3);
    d.device.layout = random() % 2 ? DeviceLayout::Mirrored : DeviceLayout::Drawn;
    d.dyadic = random() % 2;
    if (d.dyadic) {
        const auto length = [&] { return pick(0.25, 0.5, 0.75, 1.0, 1.5, 2.0); };
        d.device.W = length(), d.device.H = length(), d.device.WP = length();
        d.device.Lh = pick(0.0, 0.25, 0.5, 1.0, 2.0), d.device.LhP = pick(0.0, 0.25, 0.5, 1.0);
        d.device.L = length();
        d.alt = pick(0.0, 10.0, 30.0, 45.0, 60.0, -30.0, -45.0) * Degree;
        d.azi = pick(0.0, 10.0, 30.0, 45.0, 60.0, -30.0, -45.0) * Degree;
    } else {
        d.device.W = uniform(0.2, 5), d.device.H = uniform(0.2, 5);
        d.device.WP = uniform(0.1, 2 * d.device.W);
        d.device.Lh = uniform(-1, d.device.H + 2), d.device.LhP = uniform(-1, 2);
        d.device.L = uniform(0.05, 4);
        d.alt = uniform(-80, 80) * Degree, d.azi = uniform(-85, 85) * Degree;
    }
    return d;
}

// The engine against the shadow worked out a second way, on many random devices and
// directions with a fixed seed: each plate's shadow inside the window against Boost.Geometry
// (on the undegenerate draws, where that library is sure), and the united shadow against a
// sweep across the window.
TEST(ExactShadow, AgreesWithAnIndependentReference) {
    std::mt19937_64 random(20261209);
    int compared = 0;
    for (int i = 0; i < UMBRAVEL_CROSS_CHECK_CASES; ++i) {
        const Draw d = RandomDraw(random);
        const ShadowOnWindow engine = ExactShadow(d.device, d.alt, d.azi);
        const ReferenceShadow reference = ReferenceShadowOf(d.device, d.alt, d.azi);
        const auto where = [&] {
            const DeviceShape& s = d.device;
            return testing::Message()
                   << "geometry " << static_cast<int>(s.geometry) << " layout "
                   << static_cast<int>(s.layout) << " W " << s.W << " H " << s.H << " W' " << s.WP
                   << " h " << s.Lh << " h' " << s.LhP << " L " << s.L << " alt " << d.alt / Degree
                   << " azi " << d.azi / Degree;
        };
        ASSERT_NEAR(engine.unshadedFraction, reference.unshadedFraction, 1e-9) << where();
        if (d.dyadic)
            continue;
        double referenceArea = 0, engineArea = 0;
        for (double a : reference.pieceAreas)
            referenceArea += a;
        for (const auto& piece : engine.shadow) {
            for (std::size_t c = 0; c < piece.size(); ++c) {
                const WallPoint p = piece[c], q = piece[(c + 1) % piece.size()];
                engineArea += (p.x * q.y - q.x * p.y) / 2;
            }
        }
        ASSERT_NEAR(engineArea, referenceArea, 1e-9 * d.device.W * d.device.H) << where();
        ++compared;
    }
    EXPECT_GT(compared, UMBRAVEL_CROSS_CHECK_CASES / 3);
}

}  // namespace
