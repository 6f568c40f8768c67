#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

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
        {{"--weather", folder_.Slash() + "absent.epw"}, "absent.epw\": cannot be opened"},
        {{"--weather", folder_.Slash() + "pipe.epw"}, "pipe.epw\": this is a pipe"},
        {{"--weather", folder_.Slash()}, "this is a folder, not a file to read"},
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
    ASSERT_EQ(section.size(), 1 + 9 + 15 + 1 + 22 + 2u);
    EXPECT_EQ(section[1], "UMBRAVEL 3.0 Shading Over the Year\r");
    EXPECT_EQ(section[2], "Date: 12-08-2026         Time: 13:05:09\r");
    EXPECT_EQ(section[6],
              "Place: latitude 39.74 deg, longitude -105.18 deg, elevation 1829 m, UTC offset "
              "-07:00\r");
    EXPECT_EQ(section[7],
              "Window facing 200 deg from north, clockwise; fin on the right seen "
              "from outside\r");
    EXPECT_EQ(section[27], "Weather file place: Golden, CO, USA\r");
    EXPECT_EQ(section[46].substr(0, 4), "Year");
    EXPECT_EQ(section.back(), std::string(82, '=') + "\r");
}

TEST_F(YearBatchTest, LayoutReachesTheYearWithoutWeather) {
    const BatchOptions options =
        ParseBatchOptions(With({"--latitude", "-33.9", "--longitude", "151.2", "--utc-offset", "10",
                                "--layout", "mirrored"}));
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err), 0) << err.str();
    EXPECT_EQ(Lines(out.str()).size(), 1u);
    const std::vector<std::string> section = Lines(ReadBytes(folder_.Path() / "Umbravel.prt"));
    ASSERT_EQ(section.size(), 1 + 9 + 16 + 2u);
    EXPECT_EQ(section[8], "Device the same on both sides of the window\r");
}

}  // namespace
