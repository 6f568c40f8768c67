#include "batch/YearCase.h"

#include <algorithm>

CaseResult EvaluateYearCase(const ShadingCase& c, const YearOptions& year, YearShares& shares,
                            bool withTable) {
    try {
        YearResult r{YearSettingsOf(year, c), {}, {}};
        YearSettings& s = r.settings;
        s.earth = shares.earths.GetWithin({s.year, s.utcOffset}, SharedEarthTracks,
                                          [&] { return YearEarthTrack(s); });
        const YearSunKey key{s.place.latitude, s.place.longitude, s.place.elevation, s.utcOffset,
                             s.year,           s.stepMinutes,     s.weather};
        s.sun =
            shares.suns.GetWithin(key, std::max<std::size_t>(1, SharedSunSteps / YearStepCount(s)),
                                  [&] { return SunAtEveryStep(s); });
        r.totals = RunShadingYear(s);
        if (withTable)
            r.table = std::make_shared<const MonthHourTable>(ShadingOnThe21st(s));
        CaseResult result;
        result.year = std::move(r);
        return result;
    } catch (const std::exception& failure) {
        return FailedCase(failure.what());
    }
}
