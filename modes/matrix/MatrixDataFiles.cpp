#include "modes/matrix/MatrixDataFiles.h"

#include <cstddef>
#include <optional>
#include <string>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "model/mduUmbravel.h"
#include "modes/matrix/BeamMatrixSweep.h"

using namespace mduUmbravel;

namespace {

constexpr int DataRows = 20;
constexpr int DataColumns = 5;

constexpr std::array<std::string_view, 5> AwningNames = {
    "AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT", "AWNONLY4.DAT", "AWNONLY5.DAT"};
constexpr std::array<std::string_view, 5> FinNames = {
    "SIDEFIN1.DAT", "SIDEFIN2.DAT", "SIDEFIN3.DAT", "SIDEFIN4.DAT", "SIDEFIN5.DAT"};
constexpr std::array<std::string_view, 5> AwningAndFinNames = {
    "AWN&FIN1.DAT", "AWN&FIN2.DAT", "AWN&FIN3.DAT", "AWN&FIN4.DAT", "AWN&FIN5.DAT"};

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

}  // namespace

const std::array<std::string_view, 5>& MatrixDataFileNames(std::int16_t geomMode) {
    if (geomMode == 1)
        return AwningNames;
    if (geomMode == 2)
        return FinNames;
    return AwningAndFinNames;
}

std::string MatrixDataFileList(std::int16_t geomMode) {
    const auto& names = MatrixDataFileNames(geomMode);
    std::string first(names[0]);
    first.replace(first.size() - 3, 3, "dat");
    return first + "  " + std::string(names[1]) + "  " + std::string(names[2]) + "   " +
           std::string(names[3]) + "    " + std::string(names[4]);
}

void WriteMatrixDataFiles() {
    const auto& names = MatrixDataFileNames(GeomMode);
    // All five are opened, and so emptied, before any is written.
    std::array<std::optional<PrintChannel>, 5> files;
    for (std::size_t k = 0; k < files.size(); ++k) {
        files[k].emplace(DataPath + std::string(names[k]), PrintChannel::OpenMode::Output);
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
