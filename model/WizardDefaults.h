#pragma once

#include <string_view>

// The entries the wizard's boxes hold when their screens open. The batch runner takes them for
// the options a run leaves out.

// The dimensions, in the order the dimensions screen shows them.
struct DefaultDimensionValues {
    double WP, W, H, Lh, LhP, L;
};
inline constexpr DefaultDimensionValues DefaultDimensions = {3, 2, 4, 3, 1, 3};

inline constexpr std::string_view DefaultGeomCaseText = "Default Dimensions";

// The sun position in degrees, as the irradiation mode screen's boxes hold it.
inline constexpr std::string_view DefaultSolarAltitudeText = "30";
inline constexpr std::string_view DefaultSolarAzimuthText = "0.0001";
