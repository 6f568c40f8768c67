#include "modes/year/ZoneLocations.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

constexpr std::string_view Table =
    "# tzdb timezone descriptions\n"
    "#codes\tcoordinates\tTZ\tcomments\n"
    "AU\t-3352+15113\tAustralia/Sydney\tNew South Wales (most areas)\n"
    "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
    "IN\t+2232+08822\tAsia/Kolkata\n"
    "US\t+394421-1045903\tAmerica/Denver\tMountain (most areas)\n"
    "XX\t+5230\tBroken/Line\n";

TEST(ZoneLocations, TheTableGivesEachZonesPlaceInDegrees) {
    const struct {
        std::string_view zone;
        double latitude, longitude;
    } found[] = {
        {"Australia/Sydney", -(33 + 52 / 60.0), 151 + 13 / 60.0},
        {"Europe/Berlin", 52.5, 13 + 22 / 60.0},
        {"Asia/Kolkata", 22 + 32 / 60.0, 88 + 22 / 60.0},  // the last field of a line
        {"America/Denver", 39 + 44 / 60.0 + 21 / 3600.0, -(104 + 59 / 60.0 + 3 / 3600.0)},
    };
    const TempFolder folder;
    const std::string table = folder.Slash() + "zone1970.tab";
    WriteBytes(table, std::string(Table));
    for (const auto& f : found) {
        const auto at = ReadZoneLocation(table, f.zone);
        ASSERT_TRUE(at) << f.zone;
        EXPECT_DOUBLE_EQ(at->latitude, f.latitude) << f.zone;
        EXPECT_DOUBLE_EQ(at->longitude, f.longitude) << f.zone;
    }
    for (std::string_view missing : {"UTC", "Europe/Berl", "Broken/Line", ""})
        EXPECT_FALSE(ReadZoneLocation(table, missing)) << missing;
    EXPECT_FALSE(ReadZoneLocation("/nonexistent/zone1970.tab", "Europe/Berlin"));
}

TEST(ZoneLocations, APlaceFarFromItsZonesOffsetIsWarnedOf) {
    const struct {
        double longitude, offset;
        bool warned;
    } cases[] = {
        {13.4, 1, false},   // Berlin in its zone
        {-3.7, 1, false},   // Madrid, an hour west of its zone's meridian
        {-105.2, 1, true},  // Golden's coordinates with Berlin's zone
        {179, -11, false},  // across the date line: two hours apart
        {-172, 13, false},  // Samoa, east of the date line in a zone west of it
        {0, 2.5, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(!ZoneDistanceWarning(c.longitude, c.offset).empty(), c.warned) << c.longitude;
    EXPECT_EQ(ZoneDistanceWarning(-105.2, 1),
              "The longitude is 8.0 hours of sun time away from the time zone: check the place "
              "and the zone.");
}

}  // namespace
