#include <gtest/gtest.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "support/ExpectedReports.h"
#include "support/TempFolder.h"

namespace {

struct Outcome {
    int status;
    std::string out;
};

// Runs the real executable through the shell; standard error goes to errFile.
Outcome RunBatchProgram(const std::string& arguments, const std::string& errFile) {
    const std::string command =
        std::string(UMBRAVEL_BATCH_PATH) + " " + arguments + " 2>" + errFile;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(BatchOptions, TextsAreKeptAsTypedAndDefaultsMirrorTheWizard) {
    const BatchOptions o =
        ParseBatchOptions({"--awning-width", "2.5 m", "--mode", "diffuse", "--geometry", "3",
                           "--timestamp", "12-08-2026 13:05:09", "--append"});
    EXPECT_EQ(o.awningWidth, "2.5 m");
    EXPECT_EQ(o.windowWidth, "2");
    EXPECT_EQ(o.sourceMode, 2);
    EXPECT_EQ(o.geometry, 3);
    EXPECT_TRUE(o.append);
    ASSERT_TRUE(o.timestamp);
    EXPECT_EQ(o.timestamp->year, 2026);
    EXPECT_EQ(o.timestamp->second, 9);
    EXPECT_EQ(o.printFile, "Umbravel.prt");
    EXPECT_EQ(o.caseText, "Default Dimensions");
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
        {{"--layout", "left"}, "--layout"},
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

    EXPECT_EQ(Run("--mode diffuse --front-height -2").status, 1);
    EXPECT_EQ(Err(), "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW.\n");

    const Outcome missing = RunBatchProgram("--folder " + data.Slash() + "missing/",
                                            (folder.Path() / "err.txt").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(Err().find(data.Slash() + "missing/Umbravel.prt"), std::string::npos) << Err();

    EXPECT_EQ(RunBatchProgram("--help", "/dev/null").status, 0);
}

// The JSON results carry what the text lines do and more, and the print file stays the same.
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

}  // namespace
