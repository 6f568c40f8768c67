#include "output/MatrixDataFiles.h"

#include <cstddef>
#include <string>

#include "base/DateTimeText.h"
#include "base/Faults.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "modes/matrix/MatrixCalculation.h"
#include "output/MatrixDataFileNames.h"

using namespace mduUmbravel;

namespace {

// Column k of the sweep: a heading of seven lines, then altitude and fraction per row.
void WriteDataFile(PrintChannel& file, std::size_t k, const ShadingCase& c,
                   const MatrixResults& r) {
    const ShadeGeometryRecord& g = c.dimensions;
    const BeamMatrix& sweep = r.data;
    const double azimuth = sweep.azimuths[k] * RadToDeg;
    const double cells = static_cast<double>(sweep.altitudes.size() * sweep.azimuths.size());
    file.Print({"Umbravel program for shading Geometry: ", NamesOf(c.geometry).caption});
    file.Print({"These curves are for: ", c.output.headerText, " Run date: ", DateText()});
    file.Print(
        {"Diffuse sky USF=", r.diffuse.skyUSF, " Ground reflected USF=", r.diffuse.groundUSF});
    file.Print({"using number of points: ", cells});
    file.Print({"L=", g.L, " H=", g.H, " h=", g.Lh, " h'=", g.LhP, " W=", g.W, " W'=", g.WP});
    file.Print({"BEAM Unshaded Fraction Values for Azimuth angle: ", azimuth, " degrees"});
    file.Print({"Altitude  USF", "      Azimuth = ", azimuth, " deg"});
    for (std::size_t i = 0; i < sweep.altitudes.size(); ++i) {
        file.Print({PatternText(sweep.altitudes[i] * RadToDeg, "00.00"),
                    PatternText(sweep.usf[i][k], "     0.#####")});
    }
}

// Every file takes one of the five columns, and every row holds a fraction in each.
void CheckSweepShape(const BeamMatrix& sweep) {
    const std::size_t columns = MatrixDataColumns;
    bool fits = sweep.azimuths.size() == columns && sweep.usf.size() == sweep.altitudes.size();
    for (const auto& row : sweep.usf) {
        fits = fits && row.size() == columns;
    }
    if (!fits) {
        throw UnexpectedError("Subscript out of range: the data files need a sweep of " +
                              std::to_string(MatrixDataColumns) +
                              " azimuth columns with a fraction for every altitude.");
    }
}

}  // namespace

std::array<std::string, 5> MatrixDataFilePaths(const ShadingCase& c) {
    const auto& names = MatrixDataFileNames(c.geometry);
    std::array<std::string, 5> paths;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        paths[k] = c.output.dataPath + names[k];
    }
    return paths;
}

void WriteMatrixDataFiles(const ShadingCase& c, const MatrixResults& r) {
    StagedFiles staged;
    WriteMatrixDataFiles(staged, c, r);
    staged.Commit();
}

void WriteMatrixDataFiles(StagedFiles& staged, const ShadingCase& c, const MatrixResults& r,
                          bool again) {
    CheckSweepShape(r.data);
    const auto paths = MatrixDataFilePaths(c);
    for (std::size_t k = 0; k < paths.size(); ++k) {
        PrintChannel file(staged, paths[k], StagedFiles::Kind::Replace, again);
        WriteDataFile(file, k, c, r);
        file.Close();
    }
}
