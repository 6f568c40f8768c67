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

// Follows the beam USF line for a direction from which no direct sun reaches the window.
inline constexpr std::string_view NoDirectSunLine =
    "No direct sun reaches the window from this direction.";
