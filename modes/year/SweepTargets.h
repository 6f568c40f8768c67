#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "modes/year/DeviceSweep.h"

// What a sized device should do, and the values of a sweep that do it.

// Remove at least, or at most, a share of the period's irradiation; a target that is off is met
// by every value.
struct SweepTarget {
    bool on = false;
    SweepPeriod period = SweepPeriod::JuneToAugust;
    bool atLeast = true;
    double percent = 0;
};

using SweepTargets = std::array<SweepTarget, 2>;

struct ValueSpan {
    double from, to;
};

// Why no value meets both targets.
enum class Binding {
    None,      // some values meet both
    First,     // no value meets the first target
    Second,    // no value meets the second target
    Each,      // no value meets either
    Together,  // each is met by some values, never by the same
};

struct TargetsMet {
    std::vector<ValueSpan> both;                 // the values meeting both, in rising order
    std::array<std::vector<ValueSpan>, 2> each;  // the values meeting each target alone
    Binding binding = Binding::None;
};

// Between two rows of the sweep the shares are taken as straight lines, so that a span ends
// where a share crosses its target rather than at the last row meeting it. A NaN share meets
// no target.
TargetsMet MeetTargets(const std::vector<SweepRow>& rows, const SweepTargets& targets);

// "L from 0.62 to 0.81 m meets both targets.", or which target keeps every value out. The
// numbers have as many decimals as the sweep's step needs, then the unit when one is given;
// north names the seasons.
std::string TargetsInWords(const TargetsMet& met, const SweepTargets& targets,
                           std::string_view symbol, std::string_view unit, const SweepRange& range,
                           bool north);

// "June-August (summer)".
std::string PeriodName(SweepPeriod period, bool north);

// The number of decimals that tells the sweep's values apart.
int SweepDecimals(const SweepRange& range);
