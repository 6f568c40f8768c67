#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/InputLines.h"
#include "batch/BatchRun.h"
#include "batch/CaseRun.h"
#include "batch/CaseTable.h"
#include "batch/Study.h"
#include "batch/StudyCase.h"
#include "model/DimensionEntry.h"
#include "model/SkyDirection.h"
#include "modes/diffuse/DiffuseIntegration.h"
#include "modes/matrix/BeamMatrixSweep.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(CaseTable, ReadsQuotedFieldsBothLineEndsAndSkipsEmptyLines) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> columns;
        std::vector<std::vector<std::string>> rows;
    } tables[] = {
        {"plain LF", "a,b\n1,2\n3,4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}},
        {"CR LF", "a,b\r\n1,2\r\n\r\n3,\r\n", {"a", "b"}, {{"1", "2"}, {"3", ""}}},
        {"quoted",
         "a,b\n\"x, \"\"y\"\"\",\"two\r\nlines\"\n",
         {"a", "b"},
         {{"x, \"y\"", "two\r\nlines"}}},
        {"mark and blanks", "\xEF\xBB\xBF a , b\n1", {"a", "b"}, {{"1"}}},
    };
    for (const auto& t : tables) {
        const CaseTable table = ReadCaseTable(t.text);
        EXPECT_EQ(table.columns, t.columns) << t.name;
        EXPECT_EQ(table.rows, t.rows) << t.name;
    }
    EXPECT_THROW(ReadCaseTable("a\n\"open\n1\n"), CaseTableError);
    EXPECT_THROW(ReadCaseTable("\r\n\n"), CaseTableError);
}

TEST(CaseTable, FieldsReadBackAsWritten) {
    for (const std::string text : {"plain", "", "a, b", "say \"hi\"", " padded", "two\r\nlines"}) {
        const CaseTable table = ReadCaseTable("c\n" + CsvField(text) + ",end\n");
        ASSERT_EQ(table.rows.size(), 1u) << text;
        EXPECT_EQ(table.rows[0][0], text);
    }
}

// A case built from the options reads its numbers as the wizard's boxes do (W' - W from its
// shown text), so its results have the very bits of the procedures on those readings.
TEST(StudyCase, ResultsHaveTheBitsOfTheWizardsReadings) {
    const std::vector<std::vector<std::string>> geometries = {
        {"3", "2", "4", "3", "1", "3"},
        {"2.5", "1.2", "3.3", "2.9", "0.7", "0.45"},
        {"1", "2", "1.5", "0.2", "0.1", "7"},
    };
    for (const auto& dims : geometries) {
        for (const Geometry geometry :
             {Geometry::Awning, Geometry::Fins, Geometry::AwningAndFins}) {
            BatchOptions o;
            o.geometry = static_cast<Geometry>(geometry);
            o.awningWidth = dims[0];
            o.windowWidth = dims[1];
            o.windowHeight = dims[2];
            o.frontHeight = dims[3];
            o.heightDifference = dims[4];
            o.projection = dims[5];
            o.altitude = "41.5";
            o.azimuth = "-23";
            const ShadeGeometryRecord g = ReadDimensions(
                {dims[0], dims[1], DelWText(dims[0], dims[1]), dims[2], dims[3], dims[4], dims[5]});
            const auto mode = static_cast<std::int16_t>(geometry);
            const std::string label = dims[5] + " geometry " + std::to_string(mode);

            o.sourceMode = SourceMode::Beam;
            const CaseResult beam = EvaluateCase(CaseOf(o, {}));
            ASSERT_TRUE(beam.beam) << label;
            const SkyShading expected =
                EvaluateSkyDirection(g, DegToRad(41.5), DegToRad(-23), mode);
            EXPECT_TRUE(SameBits(beam.beam->usf, expected.usf)) << label;
            EXPECT_EQ(beam.beam->shadowCase, expected.shadowCase) << label;

            for (const SourceMode source : {SourceMode::Diffuse, SourceMode::Matrix}) {
                o.sourceMode = source;
                const CaseResult r = EvaluateCase(CaseOf(o, {}));
                ASSERT_TRUE(r.diffuse) << label;
                const DiffuseShading d =
                    EvaluateDiffuse(g, mode, source == SourceMode::Diffuse ? 20 : 25);
                EXPECT_TRUE(SameBits(r.diffuse->skyUSF, d.skyUSF)) << label;
                EXPECT_TRUE(SameBits(r.diffuse->groundUSF, d.groundUSF)) << label;
                EXPECT_EQ(r.diffuse->skyCaseCount, d.skyCaseCount) << label;
                EXPECT_EQ(r.diffuse->groundCaseCount, d.groundCaseCount) << label;
                if (source == SourceMode::Matrix) {
                    ASSERT_TRUE(r.matrix) << label;
                    EXPECT_EQ(r.matrix->report.usf, EvaluateBeamMatrix(g, mode, 25, 7).usf)
                        << label;
                }
            }
        }
    }
}

class Study : public ::testing::Test {
  protected:
    // Runs the study of the cases text with the extra arguments; returns the results.
    CaseTable Run(const std::string& cases, std::vector<std::string> args = {}) {
        WriteBytes(folder.Path() / "cases.csv", cases);
        args.insert(args.end(), {"--cases", folder.Slash() + "cases.csv", "--results",
                                 folder.Slash() + "results.csv", "--folder", folder.Slash(),
                                 "--timestamp", "12-08-2026 13:05:09"});
        std::ostringstream err;
        status = RunStudy(ParseBatchOptions(args), err);
        messages = err.str();
        return ReadCaseTable(ReadBytes(folder.Path() / "results.csv"));
    }
    static std::size_t Column(const CaseTable& results, const std::string& name) {
        const auto at = std::find(results.columns.begin(), results.columns.end(), name);
        EXPECT_NE(at, results.columns.end()) << name;
        return static_cast<std::size_t>(at - results.columns.begin());
    }
    TempFolder folder;
    int status = -1;
    std::string messages;
};

TEST_F(Study, ThreadsKeepTheInputOrderAndNumbersReadBackExactly) {
    std::string cases = "projection,mode\r\n";
    for (int k = 1; k <= 300; ++k)
        cases += std::to_string(1 + k / 100.0) + ",diffuse\r\n";
    const CaseTable results = Run(cases);
    ASSERT_EQ(status, 0) << messages;
    ASSERT_EQ(results.rows.size(), 300u);
    const std::size_t projection = Column(results, "projection");
    const std::size_t sky = Column(results, "sky-usf");
    for (int k = 1; k <= 300; ++k) {
        const std::vector<std::string>& row = results.rows[k - 1];
        ASSERT_EQ(row[0], std::to_string(k));
        ASSERT_EQ(row[projection], std::to_string(1 + k / 100.0));
        BatchOptions o;
        o.projection = row[projection];
        o.sourceMode = SourceMode::Diffuse;
        ASSERT_TRUE(SameBits(std::strtod(row[sky].c_str(), nullptr),
                             EvaluateCase(CaseOf(o, {})).diffuse->skyUSF))
            << k;
    }
}

TEST_F(Study, RowsThatCannotBeComputedCarryTheReasonAndTheOthersGoOn) {
    const struct {
        std::string row;
        std::string error;  // empty: computed
    } table[] = {
        {"1,2.5,beam,-2", ""},
        {"1,abc,beam,", "projection must be a number, not \"abc\""},
        {"1,2.5 m,beam,", "projection must be a number, not \"2.5 m\""},
        {"4,2.5,beam,", "'--geometry must be 1, 2 or 3"},
        {"1,0,diffuse,", "'--projection reads as zero"},
        {"1,2.5", "the row has 2 fields, the header 4"},
        {"1,2.5,diffuse,-2", "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW."},
        {"1,,matrix,-2", "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW."},
        {"2,,matrix,", ""},
    };
    std::string cases = "geometry,projection,mode,front-height\n";
    for (const auto& t : table)
        cases += t.row + "\n";
    // Columns the file leaves out take the study's value, else the wizard's.
    const CaseTable results = Run(cases, {"--window-height", "5"});
    ASSERT_EQ(status, 0) << messages;
    const std::size_t error = Column(results, "error");
    const std::size_t sky = Column(results, "sky-usf");
    ASSERT_EQ(results.rows.size(), std::size(table) - 1 + 25 * 7);
    for (std::size_t k = 0; k < std::size(table); ++k) {
        const std::vector<std::string>& row = results.rows[k];
        EXPECT_EQ(row[0], std::to_string(k + 1));
        EXPECT_EQ(row[error].find(table[k].error), 0u) << table[k].row << ": " << row[error];
        EXPECT_EQ(row[error].empty(), table[k].error.empty()) << table[k].row;
        EXPECT_EQ(row[Column(results, "window-height")], "5");
        EXPECT_EQ(row[Column(results, "window-width")], "2");
    }
    EXPECT_NE(results.rows[0][Column(results, "beam-usf")], "");
    EXPECT_NE(results.rows.back()[sky], "");
    EXPECT_EQ(results.rows.back()[0], std::to_string(std::size(table)));
    EXPECT_NE(messages.find("7 cases could not be computed"), std::string::npos) << messages;
}

TEST_F(Study, PrintFileOnlyWhenAskedThenTheSingleRunsSectionsInOrder) {
    const std::string cases =
        "mode,geometry,azimuth\nmatrix,2,\nbeam,1,0\ndiffuse,4,\ndiffuse,3,\n";
    Run(cases);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Umbravel.prt"));

    Run(cases, {"--print-file", "study.prt"});
    ASSERT_EQ(status, 0) << messages;
    std::ostringstream shown;
    for (const auto& [mode, geometry, azimuth, append] :
         {std::tuple{"matrix", "2", "0.0001", false},
          {"beam", "1", "0", true},
          {"diffuse", "3", "0.0001", true}}) {
        BatchOptions o = ParseBatchOptions(
            {"--folder", folder.Slash(), "--print-file", "single.prt", "--timestamp",
             "12-08-2026 13:05:09", "--mode", mode, "--geometry", geometry, "--azimuth", azimuth});
        o.append = append;
        ASSERT_EQ(RunBatch(o, shown, shown), 0) << shown.str();
    }
    EXPECT_EQ(ReadBytes(folder.Path() / "study.prt"), ReadBytes(folder.Path() / "single.prt"));
}

// The shards' results files, the header kept once and the lines sorted stably by row number
// (as `sort -s -t, -k1,1n` does), are the whole study's file; a matrix row's lines stay together.
TEST_F(Study, ShardsMergedByRowNumberMakeTheWholeStudy) {
    std::string cases = "mode,geometry,projection,front-height\n";
    for (const char* row : {"beam,1,2.5,", "diffuse,3,1.5,", "matrix,2,,", "beam,4,,", "year,1,2,",
                            "diffuse,1,2,-2", "beam,2,0.7,", "matrix,3,1.1,", "", "year,3,1,"})
        cases += std::string(row) + "\n";
    const std::vector<std::string> place = {"--latitude",   "40",    "--longitude", "-105",
                                            "--utc-offset", "-7",    "--facing",    "200",
                                            "--fin-side",   "right", "--year",      "2025"};
    Run(cases, place);
    ASSERT_EQ(status, 0) << messages;
    const std::string whole = ReadBytes(folder.Path() / "results.csv");
    EXPECT_EQ(whole.find("year needs"), std::string::npos) << whole;
    std::string header;
    std::vector<std::pair<long, std::string>> lines;
    for (int k = 0; k < 4; ++k) {
        std::vector<std::string> args = place;
        args.insert(args.end(), {"--shard", std::to_string(k) + "/4"});
        Run(cases, args);
        ASSERT_EQ(status, 0) << messages;
        const std::string text = ReadBytes(folder.Path() / "results.csv");
        std::size_t at = text.find("\r\n") + 2;
        header = text.substr(0, at);
        for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
            const std::string line = text.substr(at, end + 2 - at);
            lines.emplace_back(std::stol(line), line);
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string merged = header;
    for (const auto& line : lines)
        merged += line.second;
    EXPECT_EQ(merged, whole);
    EXPECT_EQ(lines.back().first, 9);
}

// A spreadsheet opening the results must not run a case's text as a formula; numbers, the
// negative ones included, stay numbers.
TEST_F(Study, TextCellsThatAFormulaCouldStartWithGetAnApostrophe) {
    const struct {
        std::string caseCell, geometryCell;  // as the cases file holds them
        std::string shown;                   // the results' cell as read back
    } table[] = {
        {"=cmd|' /C calc'!A0", "", "'=cmd|' /C calc'!A0"},
        {"+SUM(A1:A9)", "", "'+SUM(A1:A9)"},
        {"-2+3", "", "'-2+3"},
        {"@SUM(1)", "", "'@SUM(1)"},
        {"a=b", "", "a=b"},
        {"-2.5", "", "-2.5"},
        {"+7", "", "+7"},
        {"", "\"\t=1\"", "'\t=1"},
        {"", "\"\r=1\"", "'\r=1"},
    };
    std::string cases = "case,geometry,front-height\n";
    for (const auto& t : table)
        cases += t.caseCell + "," + t.geometryCell + ",2\n";
    cases += "x,1,-1\n";
    const CaseTable results = Run(cases);
    ASSERT_EQ(status, 0) << messages;
    ASSERT_EQ(results.rows.size(), std::size(table) + 1);
    for (std::size_t k = 0; k < std::size(table); ++k) {
        const std::string& column = table[k].caseCell.empty() ? "geometry" : "case";
        EXPECT_EQ(results.rows[k][Column(results, column)], table[k].shown) << table[k].shown;
    }
    EXPECT_EQ(results.rows.back()[Column(results, "front-height")], "-1");
}

// Bad input files end the study with status 2 before anything is written; a pipe is refused by
// its type, so the study cannot hang on it.
TEST_F(Study, UnreadableCasesFilesAreRefusedWithTheLineOrTheKind) {
    const std::string pipe = folder.Slash() + "pipe.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string longLine = "case\nshort\n" + std::string(MaxLineBytes + 1, 'x') + "\n";
    WriteBytes(folder.Path() / "long.csv", longLine);
    const struct {
        std::string path;
        std::string message;
    } table[] = {
        {pipe, "the cases file \"" + pipe + "\": this is a pipe, not a file to read"},
        {folder.Slash(), "this is a folder, not a file to read"},
        {folder.Slash() + "long.csv", "long.csv\": line 3: the line is longer than 65536 bytes"},
    };
    for (const auto& t : table) {
        std::ostringstream err;
        const int status = RunStudy(
            ParseBatchOptions({"--cases", t.path, "--results", folder.Slash() + "results.csv"}),
            err);
        EXPECT_EQ(status, 2) << t.path;
        EXPECT_NE(err.str().find(t.message), std::string::npos) << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "results.csv"));
}

}  // namespace
