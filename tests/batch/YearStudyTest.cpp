#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/CaseTable.h"
#include "batch/Study.h"
#include "modes/year/EpwText.h"
#include "support/TempFolder.h"

namespace {

// Year rows of a study against single year runs of the same inputs, which work out their own
// sun and read their own weather.
class YearStudyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.Path() / "golden.epw", SteadyDaysEpw());
        // A southern place whose weather changes with the month and the hour.
        WriteBytes(folder.Path() / "south.epw",
                   JoinedEpw(EpwLines(
                       false,
                       [](int month, int, int hour) {
                           const bool day = hour > 6 && hour < 19;
                           const double m = month;
                           return EpwHour{day ? 300 + 20 * m : 0, day ? 700 - 30 * m : 0,
                                          day ? 60 + hour * 2.5 : 0};
                       },
                       "LOCATION,South,WA,AUS,Test,946100,-31.95,115.86,8.0,20")));
    }

    std::string File(const std::string& name) const { return folder.Slash() + name; }

    // The single run of a row, its print-file section appended to single.prt, with the monthly
    // file when it has weather; returns what it shows.
    std::string RunSingle(const std::vector<std::string>& columns,
                          const std::vector<std::string>& cells, bool append) {
        std::vector<std::string> args = {"--folder",   folder.Slash(),   "--print-file",
                                         "single.prt", "--timestamp",    "12-08-2026 13:05:09",
                                         "--csv",      File("hours.csv")};
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (cells[k].empty())
                continue;
            args.insert(args.end(), {"--" + columns[k], cells[k]});
            if (columns[k] == "weather")
                args.insert(args.end(), {"--monthly-csv", File("months.csv")});
        }
        BatchOptions o = ParseBatchOptions(args);
        o.append = append;
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(o, out, err), 0) << err.str();
        return out.str();
    }

    TempFolder folder;
};

double Number(const std::string& text) {
    return std::stod(text);
}

TEST_F(YearStudyTest, RowsGiveTheSingleRunsFiguresAndEachWeatherFileIsReadOnce) {
    const std::vector<std::string> columns = {
        "mode",     "weather",    "latitude", "longitude", "utc-offset", "facing", "fin-side",
        "geometry", "projection", "layout",   "year",      "step",       "sky",    "glazing"};
    const std::string golden = File("golden.epw"), south = File("south.epw");
    const std::vector<std::vector<std::string>> rows = {
        {"year", golden, "", "", "", "200", "right", "1", "2.5", "drawn", "2025", "", "isotropic",
         ""},
        {"year", golden, "", "", "", "180", "left", "3", "1.5", "mirrored", "2025", "30", "", "2"},
        {"year", south, "", "", "", "0", "right", "2", "", "", "2024", "", "", ""},
        {"year", "", "40", "-105", "-7", "200", "right", "1", "", "", "2025", "", "", ""},
        {"year", File("absent.epw"), "", "", "", "200", "right", "1", "", "", "2025", "", "", ""},
        {"year", golden, "", "", "", "", "right", "1", "", "", "2025", "", "", ""},
        {"beam", "", "", "", "", "", "", "1", "2", "", "", "", "", ""},
        {"year", south, "", "", "", "350", "left", "3", "0.8", "drawn", "2025", "", "perez", "1"},
        {"year", golden, "", "", "", "135", "right", "2", "", "", "2025", "", "", ""},
    };
    const std::vector<std::string> errors = {
        "", "", "", "", "absent.epw\": cannot be opened", "'--mode year needs --facing",
        "", "", ""};
    std::string cases;
    const auto addLine = [&](const std::vector<std::string>& cells) {
        for (const std::string& cell : cells)
            cases += cell + ",";
        cases.back() = '\n';
    };
    addLine(columns);
    for (const auto& row : rows)
        addLine(row);
    WriteBytes(folder.Path() / "cases.csv", cases);
    const BatchOptions options = ParseBatchOptions(
        {"--cases", File("cases.csv"), "--results", File("results.csv"), "--folder", folder.Slash(),
         "--print-file", "study.prt", "--timestamp", "12-08-2026 13:05:09"});
    std::ostringstream err;
    ASSERT_EQ(RunStudy(options, err), 0) << err.str();
    EXPECT_EQ(options.year.weatherFiles->Made(), 3u);

    const CaseTable results = ReadCaseTable(ReadBytes(folder.Path() / "results.csv"));
    ASSERT_EQ(results.rows.size(), rows.size());
    const auto at = [&](const std::string& name) {
        const auto found = std::find(results.columns.begin(), results.columns.end(), name);
        EXPECT_NE(found, results.columns.end()) << name;
        return static_cast<std::size_t>(found - results.columns.begin());
    };
    const std::size_t firstYear = at("annual-beam-without-kwh-m2");
    bool appended = false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string>& got = results.rows[r];
        const std::string label = "row " + std::to_string(r + 1);
        EXPECT_NE(got[at("error")].find(errors[r]), std::string::npos) << label;
        EXPECT_EQ(got[at("error")].empty(), errors[r].empty()) << label << got[at("error")];
        if (!errors[r].empty())
            continue;
        const std::string shown = RunSingle(columns, rows[r], appended);
        appended = true;
        if (rows[r][0] != "year") {
            EXPECT_EQ(got[firstYear], "") << label;
            continue;
        }
        // Hours with sun on the window, as the hourly file marks the steps.
        const std::string hours = ReadBytes(folder.Path() / "hours.csv");
        std::size_t sunSteps = 0;
        for (std::size_t p = hours.find(",yes,"); p != std::string::npos;
             p = hours.find(",yes,", p + 1))
            ++sunSteps;
        const int step = rows[r][11].empty() ? 60 : std::stoi(rows[r][11]);
        EXPECT_EQ(Number(got[at("sun-hours")]), sunSteps * step / 60.0) << label;
        if (rows[r][1].empty()) {
            for (std::size_t k = firstYear; k < at("sun-hours"); ++k)
                EXPECT_EQ(got[k], "") << label << " " << results.columns[k];
            EXPECT_EQ(got[at("missing-hours")], "") << label;
            continue;
        }
        EXPECT_NE(shown.find("Hours without weather data: " + got[at("missing-hours")] + "\n"),
                  std::string::npos)
            << label << shown;
        // The monthly file: month or "year", then beam, sky, ground and total without the
        // device and with it, as the columns of each period stand.
        const CaseTable months = ReadCaseTable(ReadBytes(folder.Path() / "months.csv"));
        ASSERT_EQ(months.rows.size(), 13u);
        for (std::size_t k = 0; k < 8; ++k)
            EXPECT_EQ(got[firstYear + k], months.rows[12][k + 1]) << label << " " << k;
        const struct {
            std::string period;
            std::vector<int> months;
        } periods[] = {{"jun-aug", {6, 7, 8}}, {"dec-feb", {12, 1, 2}}, {"annual", {}}};
        for (const auto& p : periods) {
            double sums[8] = {};
            for (int month = 1; month <= 12; ++month) {
                if (p.months.empty() || std::count(p.months.begin(), p.months.end(), month)) {
                    for (std::size_t k = 0; k < 8; ++k)
                        sums[k] += Number(months.rows[month - 1][k + 1]);
                }
            }
            const std::size_t first = at(p.period + "-beam-without-kwh-m2");
            for (std::size_t k = 0; k < 8; ++k) {
                EXPECT_NEAR(Number(got[first + k]), sums[k], 1e-9 * (1 + sums[k]))
                    << label << " " << results.columns[first + k];
            }
            EXPECT_NEAR(Number(got[at(p.period + "-removed-percent")]),
                        (sums[3] - sums[7]) / sums[3] * 100, 1e-9)
                << label << " " << p.period;
        }
        // The solar gain through the glass: the monthly file's last two columns for the year.
        const std::string& glassWithout = got[at("annual-through-glass-without-kwh-m2")];
        if (rows[r][13].empty()) {
            EXPECT_EQ(glassWithout, "") << label;
            continue;
        }
        const std::vector<std::string>& year = months.rows[12];
        EXPECT_EQ(glassWithout, year[year.size() - 2]) << label;
        EXPECT_EQ(got[at("annual-through-glass-with-kwh-m2")], year.back()) << label;
        EXPECT_NEAR(Number(got[at("annual-through-glass-removed-percent")]),
                    (Number(glassWithout) - Number(year.back())) / Number(glassWithout) * 100, 1e-9)
            << label;
    }
    // Each computed row's section, in input order, as its single run writes it.
    EXPECT_EQ(ReadBytes(folder.Path() / "study.prt"), ReadBytes(folder.Path() / "single.prt"));
}

}  // namespace
