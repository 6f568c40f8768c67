#pragma once

#include <cstdint>
#include <string_view>

#include "model/ShadeGeometry.h"

namespace mduUmbravel {

// Sky cases in counter order; SkyCaseName gives the identifier each reports.
enum class SkyCase { Case1, Case1A, Case2, Case2A, Case3, Case4A, Case4B, Case4C, Case5, None };

inline constexpr std::string_view SkyCaseName[] = {"CASE 1", "CASE 1A", "CASE 2",  "CASE 2A",
                                                   "CASE 3", "CASE 4A", "CASE 4B", "CASE 4C",
                                                   "CASE 5", "NONE"};

struct SkyShading {
    double usf;
    SkyCase shadowCase;
};

// Unshaded fraction of the window for one direction above or on the horizon, from the
// geometry ratios alone; touches no program-wide value. Angles in radians.
SkyShading EvaluateSkyDirection(const ShadeGeometryRecord& ratios, double alt, double azi,
                                std::int16_t mode);

}  // namespace mduUmbravel
