#pragma once

#include <array>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "model/DimensionEntry.h"
#include "modes/year/YearEntries.h"

// Sizing a device: the year run again for each value of one dimension over a range, and the
// shares of the irradiation the device removes at each value.

// The dimension a sweep changes: the depth from the wall, the front height, the width W'.
enum class SweptDimension { L, Lh, WP };

// The periods a sweep gives the removed share for, in this order.
enum class SweepPeriod { Year, JuneToAugust, DecemberToFebruary };
inline constexpr int SweepPeriodCount = 3;

inline constexpr int FewestSweepSteps = 2, MostSweepSteps = 200;

// Evenly spaced values from `from` to `to`, both included.
struct SweepRange {
    SweptDimension dimension = SweptDimension::L;
    double from = 0, to = 1;
    int steps = FewestSweepSteps;
};

struct SweepRow {
    double value;
    // Percent removed in each SweepPeriod; NaN when nothing reaches the window then.
    std::array<double, SweepPeriodCount> removed;
};

// The value at step k (0-based) of the range.
double SweepValue(const SweepRange& range, int k);

// Where the dimension stands: among a device's lengths and among the dimension boxes' texts.
double DeviceShape::*LengthOf(SweptDimension dimension);
std::string DimensionTexts::*BoxTextOf(SweptDimension dimension);
// "L", "h", "W'".
std::string_view SymbolOf(SweptDimension dimension);

double DimensionOf(const DeviceShape& device, SweptDimension dimension);
DeviceShape WithDimension(DeviceShape device, SweptDimension dimension, double value);

// The year for every value of the range, in parallel, all the years sharing one sun: the share
// removed of the irradiation on the window or, when the entries have glazing, of the solar gain
// through it. onValueDone is told, from any thread, how many values are done. A stop request
// ends the sweep early with its rows incomplete. Throws std::invalid_argument for a step count
// outside FewestSweepSteps to MostSweepSteps or entries without irradiation.
std::vector<SweepRow> SweepDevice(const YearEntries& entries, const SweepRange& range,
                                  const std::function<void(int done)>& onValueDone = {},
                                  std::stop_token stop = {});
