#include "modes/year/ClearSky.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

struct MonthConstants {
    double a;  // apparent extraterrestrial irradiance, W/m2
    double b;  // atmospheric extinction coefficient
    double c;  // diffuse horizontal over direct normal
};

constexpr std::array<MonthConstants, 12> Constants = {{
    {1230, 0.142, 0.058},
    {1215, 0.144, 0.060},
    {1186, 0.156, 0.071},
    {1136, 0.180, 0.097},
    {1104, 0.196, 0.121},
    {1088, 0.205, 0.134},
    {1085, 0.207, 0.136},
    {1107, 0.201, 0.122},
    {1151, 0.177, 0.092},
    {1192, 0.160, 0.073},
    {1221, 0.149, 0.063},
    {1233, 0.142, 0.057},
}};

}  // namespace

ClearSkyIrradiance AshraeClearSky(int month, double altitudeDeg) {
    if (altitudeDeg <= 0)
        return {};
    const MonthConstants& k = Constants[month - 1];
    const double directNormal =
        k.a * std::exp(-k.b / std::sin(altitudeDeg * std::numbers::pi / 180));
    return {directNormal, k.c * directNormal};
}
