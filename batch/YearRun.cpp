#include "batch/YearRun.h"

#include "base/NumberText.h"
#include "model/ExactShadow.h"
#include "modes/year/ShadingYear.h"
#include "modes/year/YearEntries.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"

namespace {

YearSettings Settings(const YearOptions& y, DeviceLayout layout) {
    YearEntries e;
    e.latitude = *y.latitude;
    e.longitude = *y.longitude;
    e.elevation = y.elevation;
    e.utcOffset = *y.utcOffset;
    e.facing = {*y.facing, *y.finSide};
    e.year = *y.year;
    e.stepMinutes = y.stepMinutes;
    e.device = DeviceShapeFromGeometry();
    e.device.layout = layout;
    e.weather = y.weather.get();
    e.groundReflectance = y.reflectance;
    return YearSettingsFrom(e);
}

std::string KWh(double wh) {
    return PatternText(wh / 1000, "0.0") + " kWh/m2";
}

}  // namespace

void RunYearMode(const YearOptions& y, DeviceLayout layout, std::ostream& out, std::ostream& err) {
    const YearSettings settings = Settings(y, layout);
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
    AppendYearSection(settings, ShadingOnThe21st(settings), y.weather ? &totals : nullptr);
    out << "Hours with sun on the window: "
        << PatternText(sunnySteps * settings.stepMinutes / 60.0, "0.0") << '\n';
    if (!y.weather)
        return;
    if (!y.monthlyCsv.empty())
        WriteMonthlyCsv(y.monthlyCsv, totals);
    out << "Hours without weather data: " << totals.missingHours << '\n'
        << "Irradiation on the window over the year: " << KWh(YearSum(totals.without).Total())
        << " without the device, " << KWh(YearSum(totals.with).Total()) << " with it\n"
        << RemovedSummaryLine(settings, totals) << '\n';
}
