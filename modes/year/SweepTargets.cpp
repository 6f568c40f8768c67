#include "modes/year/SweepTargets.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/NumberText.h"

namespace {

// How far the share lies on the meeting side of the target; negative when it misses.
double Margin(const SweepTarget& t, const SweepRow& row) {
    const double removed = row.removed[static_cast<std::size_t>(t.period)];
    return t.atLeast ? removed - t.percent : t.percent - removed;
}

// The part [lo, hi] of the segment from row a (u = 0) to row b (u = 1) where the target is met.
std::optional<std::array<double, 2>> MetPart(const SweepTarget& t, const SweepRow& a,
                                             const SweepRow& b) {
    if (!t.on)
        return std::array<double, 2>{0, 1};
    const double ma = Margin(t, a), mb = Margin(t, b);
    if (std::isnan(ma) || std::isnan(mb) || (ma < 0 && mb < 0))
        return std::nullopt;
    if (ma >= 0 && mb >= 0)
        return std::array<double, 2>{0, 1};
    const double crossing = ma / (ma - mb);
    return ma >= 0 ? std::array<double, 2>{0, crossing} : std::array<double, 2>{crossing, 1};
}

std::vector<ValueSpan> MetSpans(const std::vector<SweepRow>& rows,
                                const std::vector<const SweepTarget*>& targets) {
    std::vector<ValueSpan> spans;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        double lo = 0, hi = 1;
        bool met = true;
        for (const SweepTarget* t : targets) {
            const auto part = MetPart(*t, rows[i], rows[i + 1]);
            met = met && part.has_value();
            if (part) {
                lo = std::max(lo, (*part)[0]);
                hi = std::min(hi, (*part)[1]);
            }
        }
        if (!met || lo > hi)
            continue;
        const double a = rows[i].value, b = rows[i + 1].value;
        const auto at = [&](double u) { return u == 0 ? a : u == 1 ? b : a + u * (b - a); };
        const ValueSpan span{at(lo), at(hi)};
        if (!spans.empty() && spans.back().to == span.from)
            spans.back().to = span.to;
        else
            spans.push_back(span);
    }
    return spans;
}

std::string TargetWords(const SweepTarget& t, bool north) {
    return std::string("removing ") + (t.atLeast ? "at least " : "at most ") +
           PlainNumberText(t.percent) + " % " +
           (t.period == SweepPeriod::Year ? "over the year" : "in " + PeriodName(t.period, north));
}

}  // namespace

TargetsMet MeetTargets(const std::vector<SweepRow>& rows, const SweepTargets& targets) {
    TargetsMet met;
    met.both = MetSpans(rows, {&targets[0], &targets[1]});
    met.each = {MetSpans(rows, {&targets[0]}), MetSpans(rows, {&targets[1]})};
    if (!met.both.empty())
        met.binding = Binding::None;
    else if (met.each[0].empty() && met.each[1].empty())
        met.binding = Binding::Each;
    else if (met.each[0].empty())
        met.binding = Binding::First;
    else if (met.each[1].empty())
        met.binding = Binding::Second;
    else
        met.binding = Binding::Together;
    return met;
}

int SweepDecimals(const SweepRange& range) {
    const double step = std::fabs(range.to - range.from) / (range.steps - 1);
    if (!(step > 0))
        return 2;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(step))), 0, 6);
}

std::string PeriodName(SweepPeriod period, bool north) {
    switch (period) {
        case SweepPeriod::Year:
            return "the year";
        case SweepPeriod::JuneToAugust:
            return std::string("June-August (") + (north ? "summer" : "winter") + ")";
        case SweepPeriod::DecemberToFebruary:
            break;
    }
    return std::string("December-February (") + (north ? "winter" : "summer") + ")";
}

std::string TargetsInWords(const TargetsMet& met, const SweepTargets& targets,
                           std::string_view symbol, std::string_view unit, const SweepRange& range,
                           bool north) {
    const int decimals = SweepDecimals(range);
    const std::string pattern = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
    const auto number = [&](double x) { return PatternText(x, pattern); };
    const std::string inUnit = unit.empty() ? std::string() : " " + std::string(unit);
    const auto spans = [&](const std::vector<ValueSpan>& found) {
        std::string text(symbol);
        for (std::size_t i = 0; i < found.size(); ++i) {
            text += (i == 0 ? " from " : " and from ") + number(found[i].from) + " to " +
                    number(found[i].to) + inUnit;
        }
        return text;
    };
    const int on = targets[0].on + targets[1].on;
    if (on == 0)
        return "No target is set.";
    const std::string which = on == 2 ? "both targets" : "the target";
    const std::string none = "No " + std::string(symbol) + " from " + number(range.from) + " to " +
                             number(range.to) + inUnit + " ";
    switch (met.binding) {
        case Binding::None:
            return spans(met.both) + " meets " + which + ".";
        case Binding::First:
        case Binding::Second: {
            const SweepTarget& t = targets[met.binding == Binding::First ? 0 : 1];
            return none + "meets " + which + ": " + TargetWords(t, north) + " binds.";
        }
        case Binding::Each:
            return none + "meets either target.";
        case Binding::Together:
            break;
    }
    return none + "meets both targets: " + TargetWords(targets[0], north) + " needs " +
           spans(met.each[0]) + ", " + TargetWords(targets[1], north) + " needs " +
           spans(met.each[1]) + ".";
}
