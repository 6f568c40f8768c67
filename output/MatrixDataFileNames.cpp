#include "output/MatrixDataFileNames.h"

namespace {

constexpr std::array<std::string_view, 5> AwningNames = {
    "AWNONLY1.DAT", "AWNONLY2.DAT", "AWNONLY3.DAT", "AWNONLY4.DAT", "AWNONLY5.DAT"};
constexpr std::array<std::string_view, 5> FinNames = {
    "SIDEFIN1.DAT", "SIDEFIN2.DAT", "SIDEFIN3.DAT", "SIDEFIN4.DAT", "SIDEFIN5.DAT"};
constexpr std::array<std::string_view, 5> AwningAndFinNames = {
    "AWN&FIN1.DAT", "AWN&FIN2.DAT", "AWN&FIN3.DAT", "AWN&FIN4.DAT", "AWN&FIN5.DAT"};

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
