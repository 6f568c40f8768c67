#pragma once

#include <string_view>

// The shading procedures return fractions of the window area unclamped. A value outside 0 to 1
// means the model's assumptions do not hold for the geometry and direction; reports keep the
// value as computed, the screens say so beside it.

inline bool OutsideUnitRange(double fraction) {
    return !(fraction >= 0 && fraction <= 1);
}

inline constexpr std::string_view OutsideUnitRangeWarning =
    "Outside 0 to 1: the shading model does not hold for this geometry and direction.";

inline constexpr std::string_view TableOutsideUnitRangeWarning =
    "Some fractions lie outside 0 to 1: the shading model does not hold for this geometry and "
    "those directions.";
