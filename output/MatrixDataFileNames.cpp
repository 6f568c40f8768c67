#include "output/MatrixDataFileNames.h"

std::array<std::string, 5> MatrixDataFileNames(Geometry geometry) {
    const std::string stem(NamesOf(geometry).dataFileStem);
    std::array<std::string, 5> names;
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = stem + std::to_string(k + 1) + ".DAT";
    return names;
}

std::string MatrixDataFileList(Geometry geometry) {
    const auto names = MatrixDataFileNames(geometry);
    std::string first = names[0];
    first.replace(first.size() - 3, 3, "dat");
    return first + "  " + names[1] + "  " + names[2] + "   " + names[3] + "    " + names[4];
}
