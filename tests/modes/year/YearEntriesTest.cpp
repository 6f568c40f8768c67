#include <gtest/gtest.h>

#include <optional>

#include "model/PhysicalDiffuse.h"
#include "modes/year/YearEntries.h"

namespace {

TEST(YearEntriesTest, DefaultsAndDiffuseFactorsFollowTheWeatherFile) {
    WeatherYear weather;
    weather.location = {"Golden", {39.74, -105.18, 1829}, -7};
    YearEntries e;
    e.latitude = -33.9;
    e.longitude = 151.2;
    e.utcOffset = 10;
    e.facing = {20, FinSide::Left};
    e.year = 2024;
    e.stepMinutes = 15;
    e.device = DeviceShape{Geometry::AwningAndFins, 2, 4, 3, 3, 1, 3, DeviceLayout::Mirrored};
    e.groundReflectance = 0.35;
    const PhysicalDiffuseFactors diffuse = PhysicalDiffuse(e.device);
    ASSERT_LT(diffuse.sky, 1);
    ASSERT_LT(diffuse.ground, 1);

    const struct {
        const char* name;
        std::optional<double> elevation;
        const WeatherYear* weather;
        double placeElevation;
        PhysicalDiffuseFactors factors;
    } rows[] = {
        {"neither", std::nullopt, nullptr, 0, {1, 1}},
        {"elevation only", 1600, nullptr, 1600, {1, 1}},
        {"weather only", std::nullopt, &weather, 1829, diffuse},
        {"sea level given with weather", 0, &weather, 0, diffuse},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        e.elevation = row.elevation;
        e.weather = row.weather;
        const YearSettings s = YearSettingsFrom(e);
        EXPECT_EQ(s.place.latitude, -33.9);
        EXPECT_EQ(s.place.longitude, 151.2);
        EXPECT_EQ(s.place.elevation, row.placeElevation);
        EXPECT_EQ(s.utcOffset, 10);
        EXPECT_EQ(s.air.pressure, StandardAir(row.placeElevation).pressure);
        EXPECT_EQ(s.air.temperature, 10);
        EXPECT_EQ(s.facing.bearing, 20);
        EXPECT_EQ(s.facing.finSide, FinSide::Left);
        EXPECT_EQ(s.year, 2024);
        EXPECT_EQ(s.stepMinutes, 15);
        EXPECT_EQ(s.device.layout, DeviceLayout::Mirrored);
        EXPECT_EQ(s.weather, row.weather);
        EXPECT_EQ(s.groundReflectance, 0.35);
        EXPECT_EQ(s.skyFactor, row.factors.sky);
        EXPECT_EQ(s.groundFactor, row.factors.ground);
    }
}

}  // namespace
