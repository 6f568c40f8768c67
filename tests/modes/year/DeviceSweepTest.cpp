#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "modes/year/DeviceSweep.h"
#include "modes/year/EpwText.h"
#include "modes/year/SweepTargets.h"
#include "output/SweepCsv.h"
#include "support/TempFolder.h"

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr int Summer = static_cast<int>(SweepPeriod::JuneToAugust);
constexpr int Winter = static_cast<int>(SweepPeriod::DecemberToFebruary);

// A dark year but for 11:00 to 12:00 on 21 July and on 21 January, clear sun without sky or
// ground: the beam alone reaches the window, and the device removes its shaded share.
class DeviceSweepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder_.Path() / "two-hours.epw",
                   JoinedEpw(EpwLines(false, [](int month, int day, int hour) {
                       const bool clear = (month == 7 || month == 1) && day == 21 && hour == 12;
                       return EpwHour{clear ? 500.0 : 0, clear ? 800.0 : 0, 0};
                   })));
        weather_ = ReadWeatherFile((folder_.Path() / "two-hours.epw").string());
        entries_.latitude = weather_.location.place.latitude;
        entries_.longitude = weather_.location.place.longitude;
        entries_.utcOffset = weather_.location.utcOffset;
        entries_.facing = {180, FinSide::Right};
        entries_.year = 2025;
        entries_.weather = &weather_;
        entries_.groundReflectance = 0;
        entries_.sky = SkyModel::Isotropic;
        // The plate level with the window's head and far wider than it, so that its shadow
        // spans the window: the shaded share is L tan(profile angle) / H.
        entries_.device = {Geometry::Awning, 1, 1, 5, 1, 0, 0.5, DeviceLayout::Mirrored};
    }

    // tan of the profile angle, tan(altitude) / cos(azimuth), of the clear hour in the month.
    double ProfileTangent(int month) const {
        double tangent = NAN;
        RunShadingYear(YearSettingsFrom(entries_), [&](const YearStep& step) {
            if (step.month == month && step.day == 21 && step.hour == 11)
                tangent = std::tan(step.window.altitude * Degree) /
                          std::cos(step.window.azimuth * Degree);
        });
        return tangent;
    }

    TempFolder folder_;
    WeatherYear weather_;
    YearEntries entries_;
};

TEST_F(DeviceSweepTest, SharesFollowTheShadowAndTheTargetsMeetWhereWorkedOut) {
    const double summer = ProfileTangent(7), winter = ProfileTangent(1);
    ASSERT_GT(summer, 2 * winter);
    const SweepRange range{SweptDimension::L, 0.05, 0.5, 10};
    const std::vector<SweepRow> rows = SweepDevice(entries_, range);
    ASSERT_EQ(rows.size(), 10u);
    for (const SweepRow& row : rows) {
        EXPECT_NEAR(row.removed[Summer], 100 * std::min(1.0, row.value * summer), 1e-9);
        EXPECT_NEAR(row.removed[Winter], 100 * std::min(1.0, row.value * winter), 1e-9);
    }
    EXPECT_EQ(rows.front().value, 0.05);
    EXPECT_EQ(rows.back().value, 0.5);

    // Each share is straight in L over the crossings, so the spans end where worked out:
    // summer removed at least p from L = p / summer, winter at most q up to L = q / winter.
    const SweepTarget summer40{true, SweepPeriod::JuneToAugust, true, 40};
    const SweepTarget summer60{true, SweepPeriod::JuneToAugust, true, 60};
    const SweepTarget summer5AtMost{true, SweepPeriod::JuneToAugust, false, 5};
    const SweepTarget winter10{true, SweepPeriod::DecemberToFebruary, false, 10};
    const SweepTarget winter50AtLeast{true, SweepPeriod::DecemberToFebruary, true, 50};
    const std::vector<ValueSpan> none;
    const struct {
        const char* name;
        SweepTargets targets;
        std::vector<ValueSpan> both;
        Binding binding;
        const char* words;
    } cases[] = {
        {"both met",
         {summer40, winter10},
         {{0.4 / summer, 0.1 / winter}},
         Binding::None,
         "L from 0.139 to 0.171 m meets both targets."},
        {"one target off",
         {SweepTarget{}, winter10},
         {{0.05, 0.1 / winter}},
         Binding::None,
         "L from 0.050 to 0.171 m meets the target."},
        {"never together",
         {summer60, winter10},
         none,
         Binding::Together,
         "No L from 0.050 to 0.500 m meets both targets: removing at least 60 % in June-August "
         "(summer) needs L from 0.209 to 0.500 m, removing at most 10 % in December-February "
         "(winter) needs L from 0.050 to 0.171 m."},
        {"winter share out of reach",
         {winter50AtLeast, summer40},
         none,
         Binding::First,
         "No L from 0.050 to 0.500 m meets both targets: removing at least 50 % in "
         "December-February (winter) binds."},
        {"neither in reach",
         {winter50AtLeast, summer5AtMost},
         none,
         Binding::Each,
         "No L from 0.050 to 0.500 m meets either target."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TargetsMet met = MeetTargets(rows, c.targets);
        ASSERT_EQ(met.both.size(), c.both.size());
        for (std::size_t i = 0; i < c.both.size(); ++i) {
            EXPECT_NEAR(met.both[i].from, c.both[i].from, 1e-12);
            EXPECT_NEAR(met.both[i].to, c.both[i].to, 1e-12);
        }
        EXPECT_EQ(met.binding, c.binding);
        EXPECT_EQ(TargetsInWords(met, c.targets, "L", "m", range, true), c.words);
    }
}

// The shared sun and the parallel years change nothing: each row is the single year's run of its
// device, to the bit.
TEST_F(DeviceSweepTest, RowsAreTheSingleYearsOfTheirDevices) {
    entries_.weather = nullptr;
    entries_.clearSky = true;
    entries_.sky = SkyModel::Perez;
    entries_.glazingPanes = 2;
    entries_.device = DeviceShape{};
    const SweepRange range{SweptDimension::WP, 2.5, 4, 3};
    const std::vector<SweepRow> rows = SweepDevice(entries_, range);
    ASSERT_EQ(rows.size(), 3u);
    for (const SweepRow& row : rows) {
        YearEntries e = entries_;
        e.device.WP = row.value;
        const YearTotals single = RunShadingYear(YearSettingsFrom(e));
        EXPECT_EQ(row.removed[0], RemovedThroughGlassPercent(single, WholeYear));
        EXPECT_EQ(row.removed[Summer], RemovedThroughGlassPercent(single, JuneToAugust));
        EXPECT_EQ(row.removed[Winter], RemovedThroughGlassPercent(single, DecemberToFebruary));
    }
}

TEST(SweepCsvTest, ShortestNumbersAndCrLfLines) {
    const std::vector<SweepRow> rows = {{0.1, {12.5, 0.30000000000000004, NAN}},
                                        {0.2, {100, 1e-300, 0}}};
    EXPECT_EQ(SweepCsvText("L", true, rows),
              "L,gain_removed_year_percent,gain_removed_june_august_percent,"
              "gain_removed_december_february_percent\r\n"
              "0.1,12.5,0.30000000000000004,nan\r\n"
              "0.2,100,1e-300,0\r\n");
}

}  // namespace
