#pragma once

#include <array>
#include <string_view>

#include "model/CaseKinds.h"
#include "modes/year/SunPosition.h"

// Which side of the window the fin stands on, seen from outside, facing the wall.
enum class FinSide { Left, Right };

struct FinSideNames {
    FinSide side;
    std::string_view option;  // --fin-side, project files and settings
};

inline constexpr std::array<FinSideNames, 2> FinSideTable = {{
    {FinSide::Left, "left"},
    {FinSide::Right, "right"},
}};

inline constexpr const FinSideNames& NamesOf(FinSide side) {
    return RowOf(FinSideTable, &FinSideNames::side, side);
}

// The window's orientation: the compass bearing of its outward normal (degrees from north,
// clockwise) and its fin side.
struct WindowFacing {
    double bearing = 180;
    FinSide finSide = FinSide::Right;
    bool operator==(const WindowFacing&) const = default;
};

// The sun as the shading procedures see it: altitude above the horizon and azimuth from the
// window normal, positive toward the fin side, in degrees (-180 to 180).
struct WindowAngles {
    double altitude;
    double azimuth;
    bool sunOnWindow;  // above the horizon and in front of the wall
};

WindowAngles RelativeToWindow(const SunAngles& sun, const WindowFacing& facing);

// Cosine of the angle between the sun and the window normal; 0 when the sun is not on it.
double CosIncidence(const WindowAngles& angles);
