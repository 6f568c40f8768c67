#include "output/MatrixDataFiles.h"

#include <cstddef>
#include <optional>
#include <string>

#include "base/DateTimeText.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/mduUmbravel.h"
#include "modes/matrix/BeamMatrixSweep.h"
#include "output/MatrixDataFileNames.h"

using namespace mduUmbravel;

namespace {

constexpr int DataRows = 20;
constexpr int DataColumns = 5;

// Column k of the sweep: a heading of seven lines, then altitude and fraction per row.
void WriteDataFile(PrintChannel& file, std::size_t k) {
    const ShadeGeometryRecord& g = ShadeGeometry;
    const double azimuth = MatrixAzimuths[k] * RadToDeg;
    const double cells = static_cast<double>(MatrixAltitudes.size() * MatrixAzimuths.size());
    file.Print({"Umbravel program for shading Geometry: ", GeomModeName.at(GeomMode)});
    file.Print({"These curves are for: ", HeaderText, " Run date: ", DateText()});
    file.Print({"Diffuse sky USF=", SkyUSF, " Ground reflected USF=", GroundUSF});
    file.Print({"using number of points: ", cells});
    file.Print({"L=", g.L, " H=", g.H, " h=", g.Lh, " h'=", g.LhP, " W=", g.W, " W'=", g.WP});
    file.Print({"BEAM Unshaded Fraction Values for Azimuth angle: ", azimuth, " degrees"});
    file.Print({"Altitude  USF", "      Azimuth = ", azimuth, " deg"});
    for (std::size_t i = 0; i < MatrixAltitudes.size(); ++i) {
        file.Print({PatternText(MatrixAltitudes[i] * RadToDeg, "00.00"),
                    PatternText(MatrixUSF[i][k], "     0.#####")});
    }
}

// Every file takes one of the five columns, and every row holds a fraction in each.
void CheckSweepShape() {
    const std::size_t columns = DataColumns;
    bool fits = MatrixAzimuths.size() == columns && MatrixUSF.size() == MatrixAltitudes.size();
    for (const auto& row : MatrixUSF) {
        fits = fits && row.size() == columns;
    }
    if (!fits) {
        throw UnexpectedError("Subscript out of range: the data files need a sweep of " +
                              std::to_string(DataColumns) +
                              " azimuth columns with a fraction for every altitude.");
    }
}

}  // namespace

std::array<std::string, 5> MatrixDataFilePaths() {
    const auto& names = MatrixDataFileNames(GeomMode);
    std::array<std::string, 5> paths;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        paths[k] = DataPath + std::string(names[k]);
    }
    return paths;
}

void WriteMatrixDataFiles() {
    CheckSweepShape();
    const auto paths = MatrixDataFilePaths();
    // All five are opened before any is written; a file that cannot be opened leaves the old
    // files as they were.
    std::array<std::optional<PrintChannel>, 5> files;
    for (std::size_t k = 0; k < files.size(); ++k) {
        files[k].emplace(paths[k], PrintChannel::OpenMode::Replace);
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        WriteDataFile(*files[k], k);
        files[k]->Close();
    }
}

void RunMatrixDataFiles() {
    SweepBeamMatrix(DataRows, DataColumns);
    WriteMatrixDataFiles();
}
