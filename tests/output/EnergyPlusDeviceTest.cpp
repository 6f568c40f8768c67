#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "model/DevicePlates.h"
#include "output/EnergyPlusDevice.h"

namespace {

// The values of the object of that kind in field order, blanks trimmed; none when the text has
// no such object.
std::vector<std::string> Values(const std::string& text, const std::string& kind) {
    const std::size_t start = ("\n" + text).find("\n" + kind + ",\n");
    if (start == std::string::npos)
        return {};
    std::istringstream lines(text.substr(start));
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> values;
    while (std::getline(lines, line)) {
        const std::size_t end = line.find_first_of(",;");
        const std::size_t first = line.find_first_not_of(' ');
        values.push_back(first < end ? line.substr(first, end - first) : "");
        if (line[end] == ';')
            break;
    }
    return values;
}

// The numbers of an attached shading object: every field after its name and its window's.
std::vector<double> Fields(const std::string& text, const std::string& kind) {
    const std::vector<std::string> values = Values(text, kind);
    std::vector<double> numbers;
    for (std::size_t i = 2; i < values.size(); ++i)
        numbers.push_back(std::stod(values[i]));
    return numbers;
}

struct Point {
    double x, y, z;
};

// Corners seen from outside, x from the window's left edge: the plates' wall coordinates run
// from the edge away from the fin.
std::vector<Point> SeenFromOutside(const Plate& plate, const DeviceShape& d, FinSide side) {
    std::vector<Point> corners;
    for (const SpacePoint& p : plate)
        corners.push_back({side == FinSide::Right ? p.x : d.W - p.x, p.y, p.z});
    return corners;
}

void ExpectSameCorners(std::vector<Point> a, std::vector<Point> b) {
    const auto order = [](const Point& p, const Point& q) {
        return std::tie(p.x, p.y, p.z) < std::tie(q.x, q.y, q.z);
    };
    std::sort(a.begin(), a.end(), order);
    std::sort(b.begin(), b.end(), order);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].x, b[i].x, 1e-5) << i;
        EXPECT_NEAR(a[i].y, b[i].y, 1e-5) << i;
        EXPECT_NEAR(a[i].z, b[i].z, 1e-5) << i;
    }
}

// EnergyPlus's overhang from its fields: along the window's top at the height above it, from
// the left extension to the right one, turned out from the wall by the tilt angle (90 level,
// less rising outward) over its depth.
std::vector<Point> OverhangCorners(const std::vector<double>& f, double W, double H) {
    const double y = H + f[0], a = f[1] * std::numbers::pi / 180, depth = f[4];
    const double left = -f[2], right = W + f[3];
    const double frontY = y + depth * std::cos(a), frontZ = depth * std::sin(a);
    return {{left, y, 0}, {right, y, 0}, {right, frontY, frontZ}, {left, frontY, frontZ}};
}

// A fin from its fields (extension, above, below, tilt, depth) at x beyond the window's edge.
std::vector<Point> FinCorners(double x, const double* f, double H) {
    const double top = H + f[1], bottom = -f[2];
    return {{x, bottom, 0}, {x, top, 0}, {x, top, f[4]}, {x, bottom, f[4]}};
}

// Rebuilt from the fields as EnergyPlus places them, the objects are the device's plates, fins
// cut at the ground below the sill, for every geometry, layout, fin side and slope.
TEST(EnergyPlusDevice, ObjectsRebuildTheDevicePlates) {
    const double sill = 0.9;
    for (Geometry g : {Geometry::Awning, Geometry::Fins, Geometry::AwningAndFins}) {
        for (DeviceLayout layout : {DeviceLayout::Drawn, DeviceLayout::Mirrored}) {
            for (FinSide side : {FinSide::Left, FinSide::Right}) {
                for (double slope : {0.0, 0.6, -0.45}) {
                    SCOPED_TRACE(::testing::Message()
                                 << static_cast<int>(g) << " " << static_cast<int>(layout) << " "
                                 << static_cast<int>(side) << " " << slope);
                    const DeviceShape d{g, 2, 1.5, 2.7, 1.8, slope, 1.2, layout};
                    const std::string text = EnergyPlusDeviceText(d, {"W1", side, sill}, {1, 1});
                    const DevicePlateSet plates = DevicePlates(d, -sill);
                    int plate = 0;
                    const std::vector<double> overhang = Fields(text, "Shading:Overhang");
                    ASSERT_EQ(overhang.empty(), g == Geometry::Fins);
                    if (!overhang.empty()) {
                        ExpectSameCorners(OverhangCorners(overhang, d.W, d.H),
                                          SeenFromOutside(plates.plates[plate++], d, side));
                    }
                    const std::vector<double> fins = Fields(text, "Shading:Fin");
                    ASSERT_EQ(fins.empty(), g == Geometry::Awning);
                    if (fins.empty())
                        continue;
                    ASSERT_EQ(fins.size(), 10u);
                    EXPECT_EQ(fins[3], 90);
                    EXPECT_EQ(fins[8], 90);
                    const bool both = layout == DeviceLayout::Mirrored;
                    for (bool right : {side == FinSide::Right, side != FinSide::Right}) {
                        const double* f = &fins[right ? 5 : 0];
                        const bool present = both || right == (side == FinSide::Right);
                        if (!present) {
                            EXPECT_EQ(f[4], 0);
                            continue;
                        }
                        // Ours has its top along the plate; EnergyPlus's at the same mean height.
                        std::vector<Point> ours = SeenFromOutside(plates.plates[plate++], d, side);
                        const double meanTop = (ours[1].y + ours[2].y) / 2;
                        ours[1].y = ours[2].y = meanTop;
                        ExpectSameCorners(FinCorners(right ? d.W + f[0] : -f[0], f, d.H), ours);
                    }
                }
            }
        }
    }
}

TEST(EnergyPlusDevice, SlopingOverhangTiltAndDepth) {
    struct Row {
        double slope, tilt, depth;
    };
    const Row rows[] = {{0, 90, 1}, {1, 135, std::sqrt(2.0)}, {-1, 45, std::sqrt(2.0)}};
    for (const Row& row : rows) {
        const DeviceShape d{Geometry::Awning, 2, 1.5, 2, 2, row.slope, 1, DeviceLayout::Drawn};
        const std::vector<double> f =
            Fields(EnergyPlusDeviceText(d, {"W1", FinSide::Right, 0}, {1, 1}), "Shading:Overhang");
        ASSERT_EQ(f.size(), 5u) << row.slope;
        EXPECT_NEAR(f[1], row.tilt, 1e-6) << row.slope;
        EXPECT_NEAR(f[4], row.depth, 1e-6) << row.slope;
    }
}

// Half the window's view is sky and half ground; the device takes its weighted shares.
TEST(EnergyPlusDevice, ViewFactorsAreHalfThePhysicalFactors) {
    const DeviceShape d{Geometry::Awning, 2, 1.5, 2, 2, 0, 1, DeviceLayout::Drawn};
    const std::string text =
        EnergyPlusDeviceText(d, {"South Window", FinSide::Left, 0}, {0.7, 0.9});
    const std::vector<std::string> local = Values(text, "SurfaceProperty:LocalEnvironment");
    const std::vector<std::string> around = Values(text, "SurfaceProperty:SurroundingSurfaces");
    ASSERT_EQ(local.size(), 4u);
    EXPECT_EQ(local[1], "South Window");
    EXPECT_EQ(local[3], around.at(0));
    ASSERT_EQ(around.size(), 8u);
    EXPECT_NEAR(std::stod(around[1]), 0.35, 1e-9);
    EXPECT_NEAR(std::stod(around[3]), 0.45, 1e-9);
    EXPECT_NEAR(std::stod(around[6]), 0.2, 1e-9);
}

}  // namespace
