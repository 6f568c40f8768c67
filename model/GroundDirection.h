#pragma once

#include <cstdint>
#include <string_view>

#include "model/ShadeGeometry.h"

namespace mduUmbravel {

// Ground cases in counter order; GroundCaseName gives the identifier each reports.
enum class GroundCase { Case6, Case6A, Case7, Case7A, Case8, None };

inline constexpr std::string_view GroundCaseName[] = {"CASE 6", "6A", "CASE 7", "7A", "8", "NONE"};

inline constexpr std::string_view AwningBelowWindowMessage =
    "AWNING CAN'T EXTEND BELOW THE BOTTOM OF THE WINDOW.";

// The ground procedure cannot follow an awning whose back edge lies below the window bottom:
// h + h' below zero, tested on the ratios C + E as the procedure sees them.
inline bool AwningBelowWindow(const ShadeGeometryRecord& ratios) {
    return ratios.C + ratios.E < 0;
}

// Throws ProgramStop when the awning's back edge, at height h + h', lies below the window's
// bottom: C + E < 0. Every ground direction makes this check first.
void CheckAwningAboveWindowBottom(const ShadeGeometryRecord& ratios);

struct GroundShading {
    double usf;
    GroundCase shadowCase;
};

// Unshaded fraction of the window for one direction from the ground (alt negative), from the
// geometry ratios alone. Throws ProgramStop when the awning's back edge lies below the window.
GroundShading EvaluateGroundDirection(const ShadeGeometryRecord& ratios, double alt, double azi,
                                      std::int16_t mode);

}  // namespace mduUmbravel
