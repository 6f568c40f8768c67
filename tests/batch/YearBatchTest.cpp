#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "base/CsvFields.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "modes/year/EpwText.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

class YearBatchTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes(folder_.Path() / "golden.epw", SteadyDaysEpw()); }
    std::vector<std::string> With(std::vector<std::string> more) const {
        std::vector<std::string> args{"--folder",    folder_.Slash(),
                                      "--mode",      "year",
                                      "--timestamp", "12-08-2026 13:05:09",
                                      "--facing",    "200",
                                      "--fin-side",  "right",
                                      "--year",      "2025",
                                      "--csv",       folder_.Slash() + "hours.csv"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    TempFolder folder_;
};

TEST_F(YearBatchTest, BadValuesAreRefusedWithTheirOption) {
    ASSERT_EQ(mkfifo((folder_.Slash() + "pipe.epw").c_str(), 0600), 0);
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"--latitude", "95", "--longitude", "0", "--utc-offset", "0"}, "--latitude must lie"},
        {{"--latitude", "4O", "--longitude", "0", "--utc-offset", "0"}, "--latitude must be a"},
        {{"--latitude", "nan", "--longitude", "0", "--utc-offset", "0"}, "--latitude must be a"},
        {{"--latitude", "40", "--utc-offset", "0"}, "needs --longitude"},
        {{"--weather", folder_.Slash() + "golden.epw", "--fin-side", "up"}, "--fin-side"},
        {{"--weather", folder_.Slash() + "golden.epw", "--step", "7"}, "--step"},
        {{"--weather", folder_.Slash() + "golden.epw", "--reflectance", "1.5"}, "--reflectance"},
        {{"--latitude", "40", "--longitude", "0", "--utc-offset", "0", "--monthly-csv", "m.csv"},
         "--monthly-csv needs --weather"},
        {{"--latitude", "40", "--longitude", "0", "--utc-offset", "0", "--glazing", "1"},
         "--glazing needs --weather or --clear-sky"},
        {{"--weather", folder_.Slash() + "golden.epw", "--clear-sky"},
         "--clear-sky and --weather exclude each other"},
        {{"--weather", folder_.Slash() + "golden.epw", "--sky", "tilted"}, "--sky must be"},
        {{"--weather", folder_.Slash() + "absent.epw"}, "absent.epw\": cannot be opened"},
        {{"--weather", folder_.Slash() + "pipe.epw"}, "pipe.epw\": this is a pipe"},
        {{"--weather", folder_.Slash()}, "this is a folder, not a file to read"},
        {{"--weather", folder_.Slash() + "golden.epw", "--energyplus-schedule", "s.csv"},
         "--energyplus-schedule and --surface go together"},
        {{"--weather", folder_.Slash() + "golden.epw", "--energyplus-schedule", "s.csv",
          "--surface", "South,1"},
         "--surface must not hold a comma"},
        {{"--weather", folder_.Slash() + "golden.epw", "--window", "W1"},
         "--energyplus-idf and --window go together"},
        {{"--weather", folder_.Slash() + "golden.epw", "--geometry", "3", "--energyplus-idf",
          "d.idf", "--window", "W1"},
         "--energyplus-idf needs --sill-height"},
    };
    for (const auto& [args, message] : rows) {
        try {
            ParseBatchOptions(With(args));
            ADD_FAILURE() << message << ": accepted";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
    auto malformed = EpwLines(false, [](int, int, int) { return EpwHour{0, 0, 0}; });
    malformed.resize(100);
    WriteBytes(folder_.Path() / "short.epw", JoinedEpw(malformed));
    EXPECT_THROW(ParseBatchOptions(With({"--weather", folder_.Slash() + "short.epw"})), UsageError);
}

TEST_F(YearBatchTest, WeatherRunWritesFilesSectionAndFigures) {
    const BatchOptions options =
        ParseBatchOptions(With({"--weather", folder_.Slash() + "golden.epw", "--monthly-csv",
                                folder_.Slash() + "months.csv"}));
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err), 0) << err.str();
    EXPECT_EQ(Lines(ReadBytes(folder_.Path() / "hours.csv")).size(), 8761u);
    EXPECT_EQ(Lines(ReadBytes(folder_.Path() / "months.csv")).size(), 14u);
    EXPECT_NE(err.str().find("month 12 of 12 done"), std::string::npos);
    const std::vector<std::string> figures = Lines(out.str());
    ASSERT_EQ(figures.size(), 4u);
    EXPECT_EQ(figures[1], "Hours without weather data: 0");
    EXPECT_EQ(figures[3].substr(0, 28), "Removed by the device: year ");

    const std::vector<std::string> section = Lines(ReadBytes(folder_.Path() / "Umbravel.prt"));
    ASSERT_EQ(section.size(), 1 + 9 + 15 + 1 + 25 + 2u);
    EXPECT_EQ(section[1], "UMBRAVEL 3.0 Shading Over the Year\r");
    EXPECT_EQ(section[2], "Date: 12-08-2026         Time: 13:05:09\r");
    EXPECT_EQ(section[6],
              "Place: latitude 39.74 deg, longitude -105.18 deg, elevation 1829 m, UTC offset "
              "-07:00\r");
    EXPECT_EQ(section[7],
              "Window facing 200 deg from north, clockwise; fin on the right seen "
              "from outside\r");
    EXPECT_EQ(section[27], "Weather file place: Golden, CO, USA\r");
    // The steady days' beam from 6 o'clock is beam before sunrise in winter, and above the
    // global at noon in summer.
    EXPECT_EQ(section[29].substr(0, 30), "Weather data checks: 251 hours");
    EXPECT_EQ(section[48].substr(0, 4), "Year");
    EXPECT_EQ(section.back(), std::string(82, '=') + "\r");
}

// The schedule EnergyPlus imports: a full year of rows at the step, stamped at each step's end,
// every value the hourly file's beam USF of the same step (0 where it has none).
TEST_F(YearBatchTest, EnergyPlusScheduleHasARowPerStepOfTheHourlyFile) {
    struct Row {
        std::string step, year;
        std::size_t rows;
        std::string first, last;
    };
    const Row rows[] = {
        {"60", "2025", 8760, "01/01 01:00", "12/31 24:00"},
        {"15", "2025", 8760 * 4, "01/01 00:15", "12/31 24:00"},
        {"10", "2025", 8760 * 6, "01/01 00:10", "12/31 24:00"},
        {"60", "2024", 8784, "01/01 01:00", "12/31 24:00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step + " minutes, " + row.year);
        const std::string schedulePath = folder_.Slash() + "shading.csv";
        std::vector<std::string> args =
            With({"--latitude", "47.4", "--longitude", "8.5", "--utc-offset", "1", "--step",
                  row.step, "--energyplus-schedule", schedulePath, "--surface", "South Window"});
        *(std::find(args.begin(), args.end(), "--year") + 1) = row.year;
        std::ostringstream out, err;
        ASSERT_EQ(RunBatch(ParseBatchOptions(args), out, err), 0) << err.str();
        const std::vector<std::string> lines = Lines(ReadBytes(schedulePath));
        const std::vector<std::string> hours = Lines(ReadBytes(folder_.Path() / "hours.csv"));
        ASSERT_EQ(lines.size(), row.rows + 1);
        ASSERT_EQ(hours.size(), row.rows + 1);
        EXPECT_EQ(lines[0], "Surface Name,South Window");
        EXPECT_EQ(lines[1].substr(0, 11), row.first);
        EXPECT_EQ(lines.back().substr(0, 11), row.last);
        std::size_t leapDays = 0, sunlit = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::vector<std::string> fields = CsvFields(lines[i]);
            const std::vector<std::string> hour =
                CsvFields(std::string_view(hours[i]).substr(0, hours[i].size() - 1));
            ASSERT_EQ(fields.size(), 2u) << lines[i];
            const double value = std::stod(fields[1]);
            ASSERT_TRUE(value >= 0 && value <= 1) << lines[i];
            EXPECT_EQ(fields[1], hour[5] == "yes" ? hour[6] : "0") << lines[i];
            leapDays += fields[0].starts_with("02/29") ? 1 : 0;
            sunlit += value > 0 ? 1 : 0;
        }
        EXPECT_EQ(leapDays, row.year == "2024" ? row.rows / 366 : 0u);
        EXPECT_GT(sunlit, row.rows / 4);
    }
}

// A CSV row's fields as numbers, 0 for a text or an empty one.
std::vector<double> Numbers(const std::string& line) {
    std::vector<double> numbers;
    for (const std::string& field : CsvFields(std::string_view(line).substr(0, line.size() - 1)))
        numbers.push_back(std::strtod(field.c_str(), nullptr));
    return numbers;
}

// The Perez sky's three parts make up the sky column, step by step and month by month; the
// glazing passes less than reaches the window, and the files agree on the year.
TEST_F(YearBatchTest, PerezSkyAndGlazingColumnsAddUp) {
    const BatchOptions options = ParseBatchOptions(
        With({"--weather", folder_.Slash() + "golden.epw", "--sky", "perez", "--glazing", "2",
              "--monthly-csv", folder_.Slash() + "months.csv"}));
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err), 0) << err.str();
    const std::vector<std::string> hours = Lines(ReadBytes(folder_.Path() / "hours.csv"));
    const std::vector<std::string> months = Lines(ReadBytes(folder_.Path() / "months.csv"));
    EXPECT_TRUE(hours[0].ends_with(
        ",sky_isotropic_without_Wh_m2,sky_circumsolar_without_Wh_m2,sky_horizon_without_Wh_m2,"
        "sky_isotropic_with_Wh_m2,sky_circumsolar_with_Wh_m2,sky_horizon_with_Wh_m2,"
        "through_glass_without_Wh_m2,through_glass_with_Wh_m2\r"))
        << hours[0];
    EXPECT_TRUE(months[0].ends_with(",through_glass_without_kWh_m2,through_glass_with_kWh_m2\r"));
    double circumsolar = 0, throughGlass = 0;
    for (std::size_t i = 1; i < hours.size(); ++i) {
        const std::vector<double> h = Numbers(hours[i]);
        ASSERT_EQ(h.size(), 21u) << hours[i];
        EXPECT_NEAR(h[8], h[13] + h[14] + h[15], 1e-9) << hours[i];
        EXPECT_NEAR(h[11], h[16] + h[17] + h[18], 1e-9) << hours[i];
        EXPECT_LE(h[19], h[7] + h[8] + h[9] + 1e-9) << hours[i];
        EXPECT_LE(h[20], h[19] + 1e-9) << hours[i];
        circumsolar += h[14];
        throughGlass += h[19];
    }
    EXPECT_GT(circumsolar, 0);
    std::vector<double> sum(17, 0);
    for (std::size_t m = 1; m <= 12; ++m) {
        const std::vector<double> month = Numbers(months[m]);
        ASSERT_EQ(month.size(), 17u) << months[m];
        EXPECT_NEAR(month[2], month[9] + month[10] + month[11], 1e-9);
        for (std::size_t k = 1; k < 17; ++k)
            sum[k] += month[k];
    }
    const std::vector<double> year = Numbers(months[13]);
    for (std::size_t k = 1; k < 17; ++k)
        EXPECT_NEAR(year[k], sum[k], 1e-9 * std::fabs(sum[k]) + 1e-12) << k;
    EXPECT_NEAR(year[15], throughGlass / 1000, 1e-9 * year[15]);
    EXPECT_NE(out.str().find("Solar gain through 2 panes of clear glass: "), std::string::npos);
    EXPECT_NE(ReadBytes(folder_.Path() / "Umbravel.prt")
                  .find("\r\nRemoved from the solar gain by the device: year "),
              std::string::npos);
}

TEST_F(YearBatchTest, ClearSkyGivesTheIrradiationWithoutAWeatherFile) {
    const BatchOptions options =
        ParseBatchOptions(With({"--latitude", "40", "--longitude", "-105", "--utc-offset", "-7",
                                "--clear-sky", "--monthly-csv", folder_.Slash() + "months.csv"}));
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err), 0) << err.str();
    EXPECT_EQ(Lines(out.str())[1], "Weather: clear sky (ASHRAE 1972 clear-sky model)");
    const std::vector<std::string> months = Lines(ReadBytes(folder_.Path() / "months.csv"));
    ASSERT_EQ(months.size(), 14u);
    EXPECT_GT(Numbers(months[13])[4], 100);
    EXPECT_NE(ReadBytes(folder_.Path() / "Umbravel.prt")
                  .find("\r\nWeather: clear sky (ASHRAE 1972 clear-sky model)\r\n"),
              std::string::npos);
}

TEST_F(YearBatchTest, LayoutReachesTheYearWithoutWeather) {
    const BatchOptions options = ParseBatchOptions(
        With({"--latitude", "-33.9", "--longitude", "151.2", "--utc-offset", "10", "--layout",
              "mirrored", "--energyplus-idf", folder_.Slash() + "device.idf", "--window", "W1"}));
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err), 0) << err.str();
    EXPECT_EQ(Lines(out.str()).size(), 1u);
    const std::vector<std::string> section = Lines(ReadBytes(folder_.Path() / "Umbravel.prt"));
    ASSERT_EQ(section.size(), 1 + 9 + 16 + 2u);
    EXPECT_EQ(section[8], "Device the same on both sides of the window\r");
    const std::string idf = ReadBytes(folder_.Path() / "device.idf");
    EXPECT_TRUE(idf.starts_with("Shading:Overhang,\n  W1 Awning,")) << idf;
    EXPECT_NE(idf.find("  1,                        !- Left extension"), std::string::npos) << idf;
    EXPECT_NE(idf.find("  1,                        !- Right extension"), std::string::npos) << idf;
}

}  // namespace
