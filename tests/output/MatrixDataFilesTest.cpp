#include "output/MatrixDataFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "model/SkyDirection.h"
#include "support/ExpectedReports.h"
#include "support/Geometry.h"
#include "support/ReportFixture.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// File k for the diffuse results the fixture stores.
std::string ExpectedFile(const ShadingCase& c, int k, const std::string& geometry,
                         const std::string& dimensions) {
    return ExpectedMatrixDataFile(c, k, geometry, dimensions,
                                  " 0.5  Ground reflected USF= 0.333333333333333 ");
}

class MatrixDataFilesTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        results_.diffuse.skyUSF = 0.5;
        results_.diffuse.groundUSF = 1.0 / 3;
    }

    // The data sweep of the case's device, then the files.
    void Write() {
        results_.data = mduUmbravel::EvaluateBeamMatrix(case_.dimensions, case_.GeomMode(),
                                                        MatrixDataRows, MatrixDataColumns);
        WriteMatrixDataFiles(case_, results_);
    }

    std::string File(const std::string& name) const { return ReadBytes(folder_.Path() / name); }

    std::set<std::string> FolderContents() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    MatrixResults results_;
};

TEST_F(MatrixDataFilesTest, AwningOnlyWritesFiveFilesOfOneAzimuthEach) {
    Write();
    const std::string dimensions = "L= 3  H= 4  h= 3  h'= 1  W= 2  W'= 3 ";
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "AWNONLY" + std::to_string(k) + ".DAT";
        EXPECT_EQ(File(name), ExpectedFile(case_, k, "Awning only", dimensions)) << name;
    }
    EXPECT_EQ(FolderContents().size(), 5u);
}

TEST_F(MatrixDataFilesTest, SmallAndNegativeDimensionsAndAnEmptyHeader) {
    case_.dimensions = GeometryOf(0.8, 2, 1.5, 4, 3, 0.5);
    case_.geometry = Geometry::AwningAndFins;
    case_.output.headerText.clear();

    Write();
    const std::string dimensions = "L= 0.8  H= 4  h= 3  h'= 0.5  W= 2  W'= 1.5 ";
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "AWN&FIN" + std::to_string(k) + ".DAT";
        EXPECT_EQ(File(name), ExpectedFile(case_, k, "Awning and fins", dimensions)) << name;
    }
}

TEST_F(MatrixDataFilesTest, SideFinsLeaveTheFilesOfOtherGeometriesAlone) {
    WriteBytes(folder_.Path() / "AWNONLY1.DAT", "earlier awning run\r\n");
    case_.dimensions = GeometryOf(3, 2, 2, 4, 3, 1);
    case_.geometry = Geometry::Fins;

    Write();
    EXPECT_EQ(File("AWNONLY1.DAT"), "earlier awning run\r\n");
    const std::string dimensions = "L= 3  H= 4  h= 3  h'= 1  W= 2  W'= 2 ";
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "SIDEFIN" + std::to_string(k) + ".DAT";
        EXPECT_EQ(File(name), ExpectedFile(case_, k, "Side fins only", dimensions)) << name;
    }
    EXPECT_EQ(FolderContents().size(), 6u);
}

TEST_F(MatrixDataFilesTest, FilesOfAnEarlierRunAreReplaced) {
    const std::string earlier(5000, 'x');
    for (int k = 1; k <= 5; ++k) {
        WriteBytes(folder_.Path() / ("AWNONLY" + std::to_string(k) + ".DAT"), earlier);
    }

    Write();
    const std::string dimensions = "L= 3  H= 4  h= 3  h'= 1  W= 2  W'= 3 ";
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "AWNONLY" + std::to_string(k) + ".DAT";
        EXPECT_EQ(File(name), ExpectedFile(case_, k, "Awning only", dimensions)) << name;
    }
}

// Fractions set by hand: rounded to five decimals, trailing zeros dropped, the point kept.
TEST_F(MatrixDataFilesTest, FractionsKeepAtMostFiveDecimalsAndTheirPoint) {
    const double toRad = 3.14159265358979 / 180;
    mduUmbravel::BeamMatrix& sweep = results_.data;
    sweep.azimuths = {0.00001, toRad * 20, toRad * 40, toRad * 60, toRad * 80};
    const std::array<double, 4> fractions = {0.123456, 1, 0, 0.25};
    const std::array<std::string, 4> written = {"0.12346", "1.", "0.", "0.25"};
    for (int i = 1; i <= 20; ++i) {
        sweep.altitudes.push_back(((90.0 / 20) * (i - 1)) * toRad);
        sweep.usf.push_back(std::vector<double>(5, fractions[(i - 1) % 4]));
    }

    WriteMatrixDataFiles(case_, results_);
    const std::string dimensions = "L= 3  H= 4  h= 3  h'= 1  W= 2  W'= 3 ";
    for (int k = 1; k <= 5; ++k) {
        // The seven heading lines do not depend on the fractions.
        const std::string full = ExpectedFile(case_, k, "Awning only", dimensions);
        std::string expected = full.substr(0, full.find("00.00"));
        for (int i = 1; i <= 20; ++i) {
            expected += DataAltitudeLabel(i) + "     " + written[(i - 1) % 4] + "\r\n";
        }
        EXPECT_EQ(File("AWNONLY" + std::to_string(k) + ".DAT"), expected) << k;
    }
}

TEST_F(MatrixDataFilesTest, MissingDataFolderIsAnUnexpectedErrorNamingTheFirstFile) {
    case_.output.dataPath = folder_.Slash() + "missing/";
    try {
        Write();
        ADD_FAILURE() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(case_.output.dataPath + "AWNONLY1.DAT"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(FolderContents().empty());
}

// A file that cannot be opened leaves every file of an earlier run whole.
TEST_F(MatrixDataFilesTest, AFileThatCannotBeOpenedLeavesTheEarlierFiles) {
    WriteBytes(folder_.Path() / "AWNONLY1.DAT", "earlier run\r\n");
    fs::create_directory(folder_.Path() / "AWNONLY3.DAT");
    EXPECT_THROW(Write(), UnexpectedError);
    EXPECT_EQ(File("AWNONLY1.DAT"), "earlier run\r\n");
    EXPECT_EQ(FolderContents(), (std::set<std::string>{"AWNONLY1.DAT", "AWNONLY3.DAT"}));
}

TEST_F(MatrixDataFilesTest, ASweepOfAnotherShapeIsRefusedBeforeAnyFileIsTouched) {
    const auto columns = [](std::size_t n) { return std::vector<double>(n, 0.5); };
    const struct {
        const char* name;
        std::vector<double> azimuths;
        std::vector<std::vector<double>> usf;
    } sweeps[] = {
        {"four columns", columns(4), {columns(4), columns(4)}},
        {"a short row", columns(5), {columns(5), columns(3)}},
        {"a row missing", columns(5), {columns(5)}},
    };
    for (const auto& sweep : sweeps) {
        results_.data = {{0, 0.1}, sweep.azimuths, sweep.usf};
        EXPECT_THROW(WriteMatrixDataFiles(case_, results_), UnexpectedError) << sweep.name;
        EXPECT_TRUE(FolderContents().empty()) << sweep.name;
    }
}

}  // namespace
