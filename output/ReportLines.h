#pragma once

#include <string_view>

// Fixed lines shared by the sections of the print file.

// Closes every section: 82 equals signs.
inline constexpr std::string_view SectionEndLine =
    "==================================================================================";

// Frames the sky result: 48 asterisks.
inline constexpr std::string_view SkyResultFrame =
    "************************************************";

// Frames the ground result: 56 asterisks.
inline constexpr std::string_view GroundResultFrame =
    "********************************************************";
