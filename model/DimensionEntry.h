#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/CaseKinds.h"
#include "model/ShadeGeometry.h"

// The dimensions as typed: each text is read as its leading decimal number.
struct DimensionTexts {
    std::string WP, W, DelW, H, Lh, LhP, L;  // DelW is the shown W' - W text
    bool operator==(const DimensionTexts&) const = default;
};

// The dimension boxes filled with the defaults.
DimensionTexts DefaultDimensionTexts();

// The W' - W text shown beside the width boxes: the difference of the two readings in the
// caption number form (" 1", " .5", "-2").
std::string DelWText(std::string_view wpText, std::string_view wText);

// The dimensions read from their texts, with the ratios derived. DelW is the value of its shown
// text, not a fresh subtraction.
mduUmbravel::ShadeGeometryRecord ReadDimensions(const DimensionTexts& texts);

// The entry boxes of the dimensions, in the order they are checked.
enum class DimensionBox { WP, W, H, Lh, LhP, L };

// An entry the calculation cannot work with: the box to return to and what to tell the user.
struct RefusedDimension {
    DimensionBox box;
    std::string message;
};

inline constexpr std::string_view CrossedEndsMessage =
    "With the device the same on both sides, the awning width W' must be at least half the "
    "window width W: the two ends of the plate would cross.";

// The first entry the calculation cannot work with, none when all can be stored: a box that
// is not a number in full, a value that is not finite (W' - W included), a zero W, H or L (the
// ratios divide by them), an awning whose back edge lies below the window bottom, where the
// ground-direction procedure stops, or, in the layout, plate ends that cross (at W').
// The width W' is named as the device's screen names it.
std::optional<RefusedDimension> RefuseDimensions(const DimensionTexts& texts,
                                                 DeviceLayout layout = DeviceLayout::Drawn,
                                                 std::string_view widthName = "Awning Width");

// The same on both sides, the plate reaches W' - W past each window edge; with W' below W / 2
// its two ends would cross, and no such device exists.
bool EndsCross(double WP, double W, DeviceLayout layout);

// The ratios divide by W, H and L, so none of them may read as zero.
enum class DividingLength { W, H, L };

// The first of W, H and L, in that order, whose text reads as zero; nothing when none does.
std::optional<DividingLength> FirstZeroDividingLength(std::string_view wText,
                                                      std::string_view hText,
                                                      std::string_view lText);
