#pragma once

#include "base/CheckedNumber.h"

// The values a place and a window facing may take, the same whether they come from an option,
// a weather file or the stored settings.
inline constexpr NumberBounds LatitudeBounds{-90, 90};
inline constexpr NumberBounds LongitudeBounds{-180, 180};
inline constexpr NumberBounds UtcOffsetBounds{-12, 14};     // hours
inline constexpr NumberBounds ElevationBounds{-500, 9000};  // metres
inline constexpr NumberBounds FacingBounds{0, 360};         // degrees from north
inline constexpr NumberBounds ReflectanceBounds{0, 1};
inline constexpr NumberBounds SillHeightBounds{0, 1000};  // metres
