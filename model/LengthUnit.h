#pragma once

#include <array>
#include <string_view>

#include "model/CaseKinds.h"

// The unit the user measures the device in. The shading depends only on ratios of lengths, so
// the unit is for the eye: shown beside every length and kept with the design; nothing is
// converted, and the print file's lines stay as they are.
enum class LengthUnit { Metre, Centimetre, Millimetre, Foot, Inch };

struct LengthUnitNames {
    LengthUnit unit;
    std::string_view option;   // the symbol: beside the boxes, in project files and settings
    std::string_view caption;  // the unit list
};

inline constexpr std::array<LengthUnitNames, 5> LengthUnitTable = {{
    {LengthUnit::Metre, "m", "metres (m)"},
    {LengthUnit::Centimetre, "cm", "centimetres (cm)"},
    {LengthUnit::Millimetre, "mm", "millimetres (mm)"},
    {LengthUnit::Foot, "ft", "feet (ft)"},
    {LengthUnit::Inch, "in", "inches (in)"},
}};

inline constexpr const LengthUnitNames& NamesOf(LengthUnit u) {
    return RowOf(LengthUnitTable, &LengthUnitNames::unit, u);
}
