#include "batch/YearRun.h"

#include <optional>

#include "base/NumberText.h"
#include "model/ExactShadow.h"
#include "model/PhysicalDiffuse.h"
#include "modes/year/ShadingYear.h"
#include "output/EnergyPlusDevice.h"
#include "output/EnergyPlusSchedule.h"
#include "output/KWhText.h"
#include "output/YearCsv.h"
#include "output/YearSection.h"

namespace {

// A run with irradiation has the device's diffuse factors already; one without has none.
void WriteEnergyPlusDevice(StagedFiles& files, const YearOptions& y, const YearSettings& s) {
    const PhysicalDiffuseFactors factors = s.Irradiated()
                                               ? PhysicalDiffuseFactors{s.skyFactor, s.groundFactor}
                                               : PhysicalDiffuse(s.device);
    PrintChannel idf(files, y.energyPlusIdf, StagedFiles::Kind::Replace);
    idf.Print(
        {EnergyPlusDeviceText(s.device, {y.window, *y.finSide, y.sillHeight.value_or(0)}, factors),
         Sep::Join});
    idf.Close();
}

}  // namespace

void RunYearMode(StagedFiles& files, PrintChannel& print, const ShadingCase& c,
                 const YearOptions& y, std::ostream& out, std::ostream& err) {
    const YearSettings settings = YearSettingsOf(y, c);
    HourlyCsvFile csv(files, y.csv, settings);
    std::optional<PrintChannel> monthly;
    if (settings.Irradiated() && !y.monthlyCsv.empty())
        monthly.emplace(files, y.monthlyCsv, StagedFiles::Kind::Replace);
    if (!y.energyPlusIdf.empty())
        WriteEnergyPlusDevice(files, y, settings);
    std::optional<ShadingScheduleFile> schedule;
    if (!y.energyPlusSchedule.empty())
        schedule.emplace(files, y.energyPlusSchedule, y.surface, settings);
    int lastMonth = 1;
    const YearTotals totals = RunShadingYear(settings, [&](const YearStep& step) {
        csv.Write(step);
        if (schedule)
            schedule->Write(step);
        if (step.month != lastMonth) {
            err << "shading year: month " << lastMonth << " of 12 done" << std::endl;
            lastMonth = step.month;
        }
    });
    csv.Close();
    if (schedule)
        schedule->Close();
    err << "shading year: month 12 of 12 done" << std::endl;
    WriteYearSection(print, c, settings, ShadingOnThe21st(settings),
                     settings.Irradiated() ? &totals : nullptr);
    out << "Hours with sun on the window: " << PatternText(totals.sunHours, "0.0") << '\n';
    if (!settings.Irradiated())
        return;
    if (monthly) {
        monthly->Print({MonthlyCsvText(settings, totals), Sep::Join});
        monthly->Close();
    }
    if (y.weather)
        out << "Hours without weather data: " << totals.missingHours << '\n';
    else
        out << "Weather: " << ClearSkyText() << '\n';
    out << "Irradiation on the window over the year: " << KWhText(YearSum(totals.without).Total())
        << " without the device, " << KWhText(YearSum(totals.with).Total()) << " with it\n"
        << RemovedSummaryLine(settings, totals) << '\n';
    if (settings.glazingPanes > 0) {
        out << "Solar gain through " << GlazingText(settings.glazingPanes) << ": "
            << KWhText(YearSum(totals.without).throughGlass) << " without the device, "
            << KWhText(YearSum(totals.with).throughGlass) << " with it\n"
            << RemovedThroughGlassLine(settings, totals) << '\n';
    }
}
