#include "batch/YearRun.h"

#include "base/NumberText.h"
#include "model/ExactShadow.h"
#include "model/PhysicalDiffuse.h"
#include "modes/year/ShadingYear.h"
#include "output/KWhText.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"

namespace {

YearSettings Settings(const YearOptions& y, const ShadingCase& c) {
    YearSettings s;
    s.place = {*y.latitude, *y.longitude, y.elevation.value_or(0)};
    s.utcOffset = *y.utcOffset;
    s.facing = {*y.facing, *y.finSide};
    s.year = *y.year;
    s.stepMinutes = y.stepMinutes;
    s.device = DeviceShapeOf(c);
    s.weather = y.weather.get();
    s.groundReflectance = y.reflectance;
    if (y.weather) {
        const PhysicalDiffuseFactors diffuse = PhysicalDiffuse(s.device);
        s.skyFactor = diffuse.sky;
        s.groundFactor = diffuse.ground;
    }
    return s;
}

}  // namespace

void RunYearMode(const ShadingCase& c, const YearOptions& y, std::ostream& out, std::ostream& err) {
    const YearSettings settings = Settings(y, c);
    HourlyCsvFile csv(y.csv, settings);
    int sunnySteps = 0;
    int lastMonth = 1;
    const YearTotals totals = RunShadingYear(settings, [&](const YearStep& step) {
        csv.Write(step);
        sunnySteps += step.window.sunOnWindow ? 1 : 0;
        if (step.month != lastMonth) {
            err << "shading year: month " << lastMonth << " of 12 done" << std::endl;
            lastMonth = step.month;
        }
    });
    csv.Close();
    err << "shading year: month 12 of 12 done" << std::endl;
    AppendYearSection(c, settings, ShadingOnThe21st(settings), y.weather ? &totals : nullptr);
    out << "Hours with sun on the window: "
        << PatternText(sunnySteps * settings.stepMinutes / 60.0, "0.0") << '\n';
    if (!y.weather)
        return;
    if (!y.monthlyCsv.empty())
        WriteMonthlyCsv(y.monthlyCsv, totals);
    out << "Hours without weather data: " << totals.missingHours << '\n'
        << "Irradiation on the window over the year: " << KWhText(YearSum(totals.without).Total())
        << " without the device, " << KWhText(YearSum(totals.with).Total()) << " with it\n"
        << RemovedSummaryLine(settings, totals) << '\n';
}
