#include "output/YearSection.h"

#include <cmath>
#include <vector>

#include "base/DateTimeText.h"
#include "base/NumberText.h"
#include "base/PrintChannel.h"
#include "modes/year/ClearSky.h"
#include "modes/year/MonthNames.h"
#include "modes/year/SweepTargets.h"
#include "output/BeamSection.h"
#include "output/KWhText.h"
#include "output/ReportLines.h"
#include "output/YearCsv.h"

using namespace mduUmbravel;

namespace {

std::string RightAligned(std::string text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Cell(double x, std::string_view pattern, std::size_t width) {
    return RightAligned(PatternText(x, pattern), width);
}

std::string PercentText(double x) {
    return std::isnan(x) ? "none reaches the window" : PatternText(x, "0.0") + " %";
}

void PrintMonthHourTable(PrintChannel& file, const MonthHourTable& table) {
    file.Print(
        {"Beam unshaded fraction on the 21st of each month, by hour of local standard time"});
    file.Print({"(blank: the sun is below the horizon or behind the wall)"});
    std::string heading = "Month";
    for (int hour = 0; hour < 24; ++hour)
        heading += RightAligned(std::to_string(hour), 5);
    file.Print({heading});
    for (int month = 0; month < 12; ++month) {
        std::string line = std::string(MonthAbbreviation(month)) + "  ";
        for (const YearStep& step : table[month])
            line += step.window.sunOnWindow ? Cell(step.beamUSF, "0.00", 5) : "     ";
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        file.Print({line});
    }
}

std::string IrradiationCells(const WindowIrradiation& w) {
    return RightAligned(KWhFigure(w.beam), 8) + RightAligned(KWhFigure(w.sky), 8) +
           RightAligned(KWhFigure(w.ground), 8) + RightAligned(KWhFigure(w.Total()), 8);
}

std::string KWhPair(double without, double with) {
    return KWhFigure(without) + " / " + KWhFigure(with);
}

void PrintPerezLines(PrintChannel& file, const YearTotals& t) {
    const WindowIrradiation without = YearSum(t.without), with = YearSum(t.with);
    file.Print({"Sky parts over the year, kWh per m2 without / with the device: isotropic " +
                KWhPair(without.skyIsotropic, with.skyIsotropic) + ", circumsolar " +
                KWhPair(without.circumsolar, with.circumsolar) + ", horizon band " +
                KWhPair(without.horizon, with.horizon)});
}

void PrintGlazingLines(PrintChannel& file, const YearSettings& s, const YearTotals& t) {
    file.Print({"Solar gain through " + GlazingText(s.glazingPanes) +
                ", kWh per m2 of window: " + KWhFigure(YearSum(t.without).throughGlass) +
                " without the device, " + KWhFigure(YearSum(t.with).throughGlass) + " with it"});
    file.Print({RemovedThroughGlassLine(s, t)});
}

void PrintMonthlyTable(PrintChannel& file, const YearSettings& s, const YearTotals& t) {
    if (s.weather) {
        file.Print({"Weather file place: " + s.weather->location.name});
        file.Print({"Hours without weather data: " + PlainNumberText(t.missingHours)});
    } else {
        file.Print({"Weather: " + ClearSkyText()});
    }
    if (const std::string checks = WeatherChecksLine(s, t); !checks.empty())
        file.Print({checks});
    file.Print({"Ground reflectance: " + PlainNumberText(s.groundReflectance)});
    file.Print({"Physically weighted diffuse factors: sky " + PatternText(s.skyFactor, "0.#####") +
                ", ground " + PatternText(s.groundFactor, "0.#####")});
    if (s.sky == SkyModel::Perez) {
        file.Print({"Sky: anisotropic, Perez 1990; horizon band unshaded fraction " +
                    PatternText(s.horizonFactor, "0.#####")});
    }
    file.Print({"Irradiation on the window, kWh per m2 of window"});
    file.Print({"       ---------- without device ---------  ----------- with device -----------"});
    file.Print({"Month     Beam     Sky  Ground   Total       Beam     Sky  Ground   Total"});
    for (int month = 0; month < 12; ++month) {
        file.Print({std::string(MonthAbbreviation(month)) + "  " +
                    IrradiationCells(t.without[month]) + "   " + IrradiationCells(t.with[month])});
    }
    file.Print({"Year  " + IrradiationCells(YearSum(t.without)) + "   " +
                IrradiationCells(YearSum(t.with))});
    file.Print({RemovedSummaryLine(s, t)});
    if (s.sky == SkyModel::Perez)
        PrintPerezLines(file, t);
    if (s.glazingPanes > 0)
        PrintGlazingLines(file, s, t);
}

std::string Hours(int n) {
    return std::to_string(n) + (n == 1 ? " hour" : " hours");
}

}  // namespace

std::string WeatherChecksLine(const YearSettings& settings, const YearTotals& totals) {
    const WeatherChecks& c = totals.checks;
    std::vector<std::string> found;
    if (c.nightBeamHours > 0) {
        found.push_back(Hours(c.nightBeamHours) +
                        " with direct normal irradiation while the sun is below the "
                        "horizon (" +
                        KWhText(c.nightBeamWh) + ")");
    }
    if (c.beamAboveGlobalHours > 0) {
        found.push_back(Hours(c.beamAboveGlobalHours) +
                        " with the beam on the horizontal above the global (by " +
                        KWhText(c.beamAboveGlobalWh) + ")");
    }
    if (totals.missingHours > 0)
        found.push_back(Hours(totals.missingHours) + " missing");
    if (settings.weather) {
        const double distance = TimeZoneDistance(settings.weather->location);
        if (distance > FarFromTimeZoneDegrees) {
            found.push_back("the place " + PatternText(distance, "0.0") +
                            " deg of longitude from its time zone's meridian");
        }
    }
    if (found.empty())
        return {};
    std::string line = "Weather data checks: ";
    for (std::size_t i = 0; i < found.size(); ++i)
        line += (i > 0 ? "; " : "") + found[i];
    return line;
}

namespace {

std::string SeasonsLine(const YearSettings& settings, const std::array<double, 3>& removed,
                        const std::string& start) {
    const bool north = settings.place.latitude >= 0;
    return start + PercentText(removed[0]) + ", " + PeriodName(SweepPeriod::JuneToAugust, north) +
           " " + PercentText(removed[1]) + ", " +
           PeriodName(SweepPeriod::DecemberToFebruary, north) + " " + PercentText(removed[2]);
}

}  // namespace

std::string RemovedSummaryLine(const YearSettings& settings, const YearTotals& totals) {
    return SeasonsLine(settings, RemovedByPeriod(totals, false), "Removed by the device: year ");
}

std::string RemovedThroughGlassLine(const YearSettings& settings, const YearTotals& totals) {
    return SeasonsLine(settings, RemovedByPeriod(totals, true),
                       "Removed from the solar gain by the device: year ");
}

std::string ClearSkyText() {
    return "clear sky (" + std::string(ClearSkyModelName) + ")";
}

std::string GlazingText(int panes) {
    return std::to_string(panes) + (panes == 1 ? " pane" : " panes") + " of clear glass";
}

void AppendYearSection(const ShadingCase& c, const YearSettings& s, const MonthHourTable& table,
                       const YearTotals* totals) {
    WriteStagedFile(c.output.PrintFilePath(), StagedFiles::Kind::Append,
                    [&](PrintChannel& file) { WriteYearSection(file, c, s, table, totals); });
}

void WriteYearSection(PrintChannel& file, const ShadingCase& c, const YearSettings& s,
                      const MonthHourTable& table, const YearTotals* totals) {
    file.Print({"UMBRAVEL 3.0 Shading Over the Year"});
    file.Print({"Date: " + DateText() + "         Time: " + TimeText()});
    file.Print({c.output.headerText});
    file.Print({BeamGeometryCaption(c.geometry)});
    file.Print({BeamDimensionsCaption(c.dimensions)});
    file.Print({"Place: latitude " + PlainNumberText(s.place.latitude) + " deg, longitude " +
                PlainNumberText(s.place.longitude) + " deg, elevation " +
                PlainNumberText(s.place.elevation) + " m, UTC offset " +
                UtcOffsetText(s.utcOffset)});
    file.Print({"Window facing " + PlainNumberText(s.facing.bearing) +
                " deg from north, clockwise; fin on the " +
                (s.facing.finSide == FinSide::Left ? "left" : "right") + " seen from outside"});
    file.Print({s.device.layout == DeviceLayout::Mirrored
                    ? "Device the same on both sides of the window"
                    : "Device as drawn, on the fin side of the window"});
    file.Print({"Year " + std::to_string(s.year) +
                ", local standard time, the sun at the middle of each hour"});
    file.Print({});
    PrintMonthHourTable(file, table);
    if (totals) {
        file.Print({});
        PrintMonthlyTable(file, s, *totals);
    }
    file.Print({});
    file.Print({SectionEndLine});
}
