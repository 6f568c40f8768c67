#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/JsonText.h"
#include "output/ProjectFile.h"
#include "support/BatchProgram.h"
#include "support/ExpectedReports.h"
#include "support/TempFolder.h"

namespace {

TEST(BatchOptions, TextsAreKeptAsTypedAndDefaultsMirrorTheWizard) {
    const BatchOptions o =
        ParseBatchOptions({"--awning-width", "2.5 m", "--mode", "diffuse", "--geometry", "3",
                           "--timestamp", "12-08-2026 13:05:09", "--append"});
    EXPECT_EQ(o.awningWidth, "2.5 m");
    EXPECT_EQ(o.windowWidth, "2");
    EXPECT_EQ(o.sourceMode, SourceMode::Diffuse);
    EXPECT_EQ(o.geometry, Geometry::AwningAndFins);
    EXPECT_TRUE(o.append);
    ASSERT_TRUE(o.timestamp);
    EXPECT_EQ(o.timestamp->year, 2026);
    EXPECT_EQ(o.timestamp->second, 9);
    EXPECT_EQ(o.printFile, "Umbravel.prt");
    EXPECT_EQ(o.caseText, "Default Dimensions");
    EXPECT_EQ(ParseBatchOptions({"--timestamp", "02-29-2024 23:59:59"}).timestamp->day, 29);
}

TEST(BatchOptions, UnusableInputNamesItsOption) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"--geometry", "4"}, "--geometry"},
        {{"--mode", "sky"}, "--mode"},
        {{"--timestamp", "2026-12-08 13:05:09"}, "--timestamp"},
        {{"--timestamp", "13-08-2026 13:05:09"}, "--timestamp"},
        {{"--altitude"}, "--altitude"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--window-height", "none"}, "--window-height"},
        {{"--window-width", "0"}, "--window-width"},
        {{"--projection", ""}, "--projection"},
        {{"--altitude", "1e999"}, "--altitude"},
        {{"--window-width", "1e999"}, "--window-width"},
        {{"--azimuth", "-1e400"}, "--azimuth"},
        {{"--header", "two\r\nlines"}, "--header"},
        {{"--case", "tab\there"}, "--case"},
        {{"--timestamp", "01-02--001 13:05:09"}, "--timestamp"},
        {{"--timestamp", "02-31-2026 13:05:09"}, "--timestamp"},
        {{"--timestamp", "02-29-2026 13:05:09"}, "--timestamp"},
        {{"--timestamp", "12-08-2026 24:00:00"}, "--timestamp"},
        {{"--timestamp", "12-08-2026 13:05:9 "}, "--timestamp"},
        {{"--layout", "left"}, "--layout"},
        {{"--mode", "year", "--json"}, "--json"},
        {{"--cases", "c.csv", "--results", "r.csv", "--csv", "h.csv"}, "--csv, --monthly-csv"},
        {{"--cases", "c.csv", "--results", "r.csv", "--json"}, "--json does not go with --cases"},
        {{"--layout", "mirrored", "--awning-width", "0.9"},
         "the two ends of the plate would cross"},
    };
    for (const auto& [args, option] : rows) {
        try {
            ParseBatchOptions(args);
            ADD_FAILURE() << option << " accepted";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(option), std::string::npos) << error.what();
        }
    }
}

class BatchProgram : public ::testing::Test {
  protected:
    std::string Err() const { return ReadBytes(folder.Path() / "err.txt"); }
    Outcome Run(const std::string& arguments) {
        return RunBatchProgram(
            "--folder " + data.Slash() + " --timestamp '12-08-2026 13:05:09' " + arguments,
            (folder.Path() / "err.txt").string());
    }
    TempFolder folder;
    TempFolder data;
};

TEST_F(BatchProgram, BeamRunStartsTheFileAfreshAndWritesTheSection) {
    WriteBytes(data.Path() / "Umbravel.prt", "old\r\n");
    const Outcome o = Run("--azimuth 0");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "Beam USF = 0.31699\nShadow Case ID: CASE 1A\n");
    EXPECT_EQ(Err(), "Azimuth angle cannot be exactly zero.  0.0001 deg used instead\n");
    EXPECT_EQ(ReadBytes(data.Path() / "Umbravel.prt"), "\r\n" + ExpectedDefaultBeamSection());
}

TEST_F(BatchProgram, AppendKeepsTheFileAndMatrixWritesItsDataFiles) {
    WriteBytes(data.Path() / "Umbravel.prt", "old\r\n");
    const Outcome o = Run("--append --mode matrix --geometry 2 --print-file run.prt");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("AWNING SHADING ALGORITHM VERSION 3.0 -- BEAM MATRIX RESULTS\r\n", 0),
              0u);
    EXPECT_EQ(ReadBytes(data.Path() / "Umbravel.prt"), "old\r\n");
    EXPECT_EQ(ReadBytes(data.Path() / "run.prt")
                  .rfind("UMBRAVEL VERSION 3.0 -- BEAM MATRIX RESULTS\r\n", 0),
              0u);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(
            std::filesystem::exists(data.Path() / ("SIDEFIN" + std::to_string(k) + ".DAT")));
    }
}

TEST_F(BatchProgram, ExitStatusTellsBadOptionsFromStoppedRuns) {
    EXPECT_EQ(Run("--geometry 9").status, 2);
    EXPECT_NE(Err().find("--geometry"), std::string::npos);
    EXPECT_EQ(Run("--altitude 1e999").status, 2);
    EXPECT_NE(Err().find("--altitude"), std::string::npos);

    EXPECT_EQ(Run("--mode diffuse --front-height -2").status, 1);
    EXPECT_EQ(Err(), "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW.\n");

    WriteBytes(data.Path() / "plain", "x");
    const Outcome unmade = RunBatchProgram("--folder " + data.Slash() + "plain/sub/",
                                           (folder.Path() / "err.txt").string());
    EXPECT_EQ(unmade.status, 1);
    EXPECT_NE(Err().find(data.Slash() + "plain/sub/"), std::string::npos) << Err();

    EXPECT_EQ(RunBatchProgram("--help", "/dev/null").status, 0);
}

// What is found before writing leaves every file as it was, and the results of a run that
// fails are not shown.
TEST_F(BatchProgram, ARunThatFailsLeavesEveryFileAsItWas) {
    const struct {
        const char* name;
        std::string arguments;
        std::string named;  // in the message
    } failures[] = {
        {"awning below the window", "--mode diffuse --front-height -2", "AWNING CAN'T EXTEND"},
        {"matrix with the awning below", "--mode matrix --front-height -2", "AWNING CAN'T EXTEND"},
        {"a folder named as a data file", "--mode matrix --geometry 2", "SIDEFIN3.DAT"},
        {"a folder named as the print file", "--print-file sub", "\"sub\" is a folder"},
    };
    std::filesystem::create_directory(data.Path() / "SIDEFIN3.DAT");
    std::filesystem::create_directory(data.Path() / "sub");
    for (const auto& failure : failures) {
        WriteBytes(data.Path() / "Umbravel.prt", "old\r\n");
        WriteBytes(data.Path() / "AWNONLY1.DAT", "earlier\r\n");
        WriteBytes(data.Path() / "SIDEFIN1.DAT", "earlier\r\n");
        const Outcome o = Run(failure.arguments);
        EXPECT_EQ(o.status, 1) << failure.name;
        EXPECT_EQ(o.out, "") << failure.name;
        EXPECT_NE(Err().find(failure.named), std::string::npos) << failure.name << ": " << Err();
        EXPECT_EQ(ReadBytes(data.Path() / "Umbravel.prt"), "old\r\n") << failure.name;
        EXPECT_EQ(ReadBytes(data.Path() / "AWNONLY1.DAT"), "earlier\r\n") << failure.name;
        EXPECT_EQ(ReadBytes(data.Path() / "SIDEFIN1.DAT"), "earlier\r\n") << failure.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.Path()), {}), 5)
            << failure.name;
    }
}

// A reader that has gone away costs the screen text only: every file is written first.
TEST_F(BatchProgram, AClosedStandardOutputIsReportedAfterTheFiles) {
    const int status = RunIntoClosedPipe(
        "--folder " + data.Slash() + " --mode matrix --case '" + std::string(2000, 'c') + "'",
        (folder.Path() / "err.txt").string());
    EXPECT_EQ(status, 1);
    EXPECT_NE(Err().find("standard output"), std::string::npos) << Err();
    const std::string print = ReadBytes(data.Path() / "Umbravel.prt");
    ASSERT_GE(print.size(), 84u);
    EXPECT_EQ(print.substr(print.size() - 84), std::string(82, '=') + "\r\n");
    for (int k = 1; k <= 5; ++k) {
        const std::string file = ReadBytes(data.Path() / ("AWNONLY" + std::to_string(k) + ".DAT"));
        EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 27) << k;
    }
}

// The JSON results carry what the text lines do and more, and the print file stays the same.
// From behind the wall or past the zenith there is no exact fraction: JSON says why, standard
// error says it in words, the section says it in its line; from below the horizon in front of
// the wall JSON keeps the direction from the ground.
TEST_F(BatchProgram, DirectionsWithoutDirectSunAreSaidSo) {
    const struct {
        const char* angles;
        const char* reason;  // null: JSON gives the exact fraction
    } rows[] = {
        {"--altitude 30 --azimuth 120",
         "The sun is behind the wall: no direct sun reaches the window"},
        {"--altitude 95 --azimuth 20",
         "The sun is past the zenith: no direct sun reaches the window"},
        {"--altitude -10 --azimuth 20", nullptr},
    };
    for (const auto& row : rows) {
        const Outcome json = Run(std::string("--json ") + row.angles);
        ASSERT_EQ(json.status, 0) << Err();
        const auto b = nlohmann::json::parse(json.out);
        if (row.reason) {
            EXPECT_TRUE(b["exactUsf"].is_null()) << row.angles;
            EXPECT_EQ(b["exactReason"], row.reason);
            EXPECT_NE(Err().find(row.reason), std::string::npos) << Err();
        } else {
            EXPECT_TRUE(b["exactUsf"].is_number()) << row.angles;
            EXPECT_NE(Err().find("below the horizon"), std::string::npos) << Err();
        }
        EXPECT_NE(ReadBytes(data.Path() / "Umbravel.prt")
                      .find("\r\nNo direct sun reaches the window from this direction.\r\n"),
                  std::string::npos)
            << row.angles;
    }
}

TEST_F(BatchProgram, JsonResultsForEveryMode) {
    const Outcome beam = Run("--json --layout mirrored");
    ASSERT_EQ(beam.status, 0);
    const auto b = nlohmann::json::parse(beam.out);
    EXPECT_EQ(b["case"], "CASE 1A");
    EXPECT_NEAR(b["usf"].get<double>(), 0.31699, 5e-6);
    EXPECT_NEAR(b["exactUsf"].get<double>(), b["usf"].get<double>(), 1e-12);
    EXPECT_EQ(b["layout"], "mirrored");
    ASSERT_EQ(b["shadow"].size(), 1u);
    EXPECT_EQ(b["shadow"][0].size(), 4u);
    EXPECT_EQ(ReadBytes(data.Path() / "Umbravel.prt"), "\r\n" + ExpectedDefaultBeamSection());

    const auto diffuse = nlohmann::json::parse(Run("--json --mode diffuse").out);
    EXPECT_EQ(diffuse["skyDirections"], 400);
    int skyCount = 0;
    for (const auto& [name, count] : diffuse["skyCases"].items())
        skyCount += count.get<int>();
    EXPECT_EQ(skyCount, 400);
    EXPECT_GT(diffuse["physicalSky"].get<double>(), 0);
    EXPECT_LT(diffuse["physicalSky"].get<double>(), 1);

    const auto matrix = nlohmann::json::parse(Run("--json --mode matrix").out);
    ASSERT_EQ(matrix["usf"].size(), 25u);
    EXPECT_EQ(matrix["usf"][24].size(), 7u);
    EXPECT_EQ(matrix["azimuths"].size(), 7u);
}

// dump() writes 355.84181967340197 for the double whose shortest text is 355.841819673402.
TEST(JsonText, ShortestNumbersInTheLayoutOfDump) {
    const nlohmann::json value = {{"usf", 355.841819673402},
                                  {"sum", 0.1 + 0.2},
                                  {"whole", 2.0},
                                  {"count", 7},
                                  {"none", std::numeric_limits<double>::quiet_NaN()},
                                  {"reason", "the \"sun\"\n"},
                                  {"rows", {{0.5, -1e-300}, nlohmann::json::array()}},
                                  {"empty", nlohmann::json::object()},
                                  {"flag", true}};
    EXPECT_EQ(JsonText(value),
              R"({"count":7,"empty":{},"flag":true,"none":null,"reason":"the \"sun\"\n",)"
              R"("rows":[[0.5,-1e-300],[]],"sum":0.30000000000000004,"usf":355.841819673402,)"
              R"("whole":2})");
}

}  // namespace

namespace {

TEST(BatchOptions, AProjectGivesItsValuesAndLaterOptionsOverrideThem) {
    const TempFolder folder;
    Project p;
    p.geometry = Geometry::AwningAndFins;
    p.layout = DeviceLayout::Mirrored;
    p.dimensions = {"3.5", "2", "", "1.5", "0.25", "-0.5", "0.75"};
    p.mode = SourceMode::Diffuse;
    p.solarAltitude = "41.5";
    p.place = {51.25, 7.5, "Europe/Berlin", 1, {135.5, FinSide::Left}};
    p.year = {2024, "", 0.35, SkyModel::Isotropic, 2, true};
    p.dataFolder = folder.Slash();
    const std::string path = folder.Slash() + "design.umbravel";
    SaveProject(path, p);

    const BatchOptions o = ParseBatchOptions(
        {"--projection", "2", "--project", path, "--window-height", "4", "--mode", "beam"});
    EXPECT_EQ(o.geometry, Geometry::AwningAndFins);
    EXPECT_EQ(o.layout, DeviceLayout::Mirrored);
    EXPECT_EQ(o.awningWidth, "3.5");
    EXPECT_EQ(o.heightDifference, "-0.5");
    EXPECT_EQ(o.projection, "0.75");  // the project's, given after --projection
    EXPECT_EQ(o.windowHeight, "4");   // the option's, given after the project
    EXPECT_EQ(o.sourceMode, SourceMode::Beam);
    EXPECT_EQ(o.altitude, "41.5");
    EXPECT_EQ(o.folder, folder.Slash());
    EXPECT_EQ(o.year.latitude, 51.25);
    EXPECT_EQ(o.year.facing, 135.5);
    EXPECT_EQ(o.year.finSide, FinSide::Left);
    EXPECT_EQ(o.year.year, 2024);
    EXPECT_EQ(o.year.reflectance, 0.35);
    EXPECT_EQ(o.year.sky, SkyModel::Isotropic);
    EXPECT_EQ(o.year.glazingPanes, 2);
    EXPECT_TRUE(o.year.clearSky);

    std::ofstream(folder.Slash() + "broken.umbravel") << "{\"format\": \"Umbravel project\",\n{";
    try {
        ParseBatchOptions({"--project", folder.Slash() + "broken.umbravel"});
        ADD_FAILURE() << "a broken project was taken";
    } catch (const UsageError& refused) {
        EXPECT_NE(std::string(refused.what()).find("--project: "), std::string::npos);
        EXPECT_NE(std::string(refused.what()).find("line 2"), std::string::npos);
    }
}

}  // namespace
