#pragma once

#include <optional>
#include <string>
#include <string_view>

// The sun position as entered in degrees, kept with its radian form.

inline constexpr std::string_view ZeroAzimuthMessage =
    "Azimuth angle cannot be exactly zero.  0.0001 deg used instead";

// Stands in for an azimuth of exactly zero, on which the shading procedures divide by zero.
inline constexpr std::string_view ZeroAzimuthText = "0.0001";

enum class SunBox { Altitude, Azimuth };

// A sun angle the calculation cannot work with: the box to return to and what to tell the user.
struct RefusedSunAngle {
    SunBox box;
    std::string message;
};

// The first angle that reads as a number that is not finite, none when both are finite.
std::optional<RefusedSunAngle> RefuseSunAngles(std::string_view altitudeText,
                                               std::string_view azimuthText);
