#pragma once

#include <optional>
#include <string_view>

// Whether direct sun can reach a vertical window from a direction, in degrees: not from below
// the horizon, past the zenith or behind the wall. The shading procedures take any direction as
// entered; this says, for the exact shadow, when there is no sun to shade.

inline constexpr std::string_view SunBelowHorizon =
    "The sun is below the horizon: no direct sun reaches the window";
inline constexpr std::string_view SunPastZenith =
    "The sun is past the zenith: no direct sun reaches the window";
inline constexpr std::string_view SunBehindWall =
    "The sun is behind the wall: no direct sun reaches the window";

// The sentence saying why no sun reaches the window, nothing when it can. The wall plane
// (|azimuth| = 90) and the zenith belong to the directions that reach it, as their limits.
std::optional<std::string_view> NoDirectSunReason(double altitude, double azimuth);
