#include "output/YearCsv.h"

#include <cmath>
#include <memory>
#include <utility>

#include "base/NumberText.h"
#include "output/KWhText.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";

void AppendTwoDigits(std::string& out, int n) {
    out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
}

constexpr std::string_view SkyPartNames[3] = {"sky_isotropic", "sky_circumsolar", "sky_horizon"};

void AppendKWh(std::string& out, std::initializer_list<double> wh) {
    for (double x : wh) {
        out += ',';
        AppendRoundTripText(out, x * KWhPerWh);
    }
}

void AppendKWh(std::string& out, const WindowIrradiation& w) {
    AppendKWh(out, {w.beam, w.sky, w.ground, w.Total()});
}

// The columns at the end: the sky's parts, then the solar gain through the glazing.
void AppendColumnNames(std::string& out, bool skyParts, bool throughGlass, std::string_view unit) {
    for (const char* device : {"without", "with"}) {
        for (std::string_view part : SkyPartNames) {
            if (skyParts)
                out.append(",").append(part).append("_").append(device).append(unit);
        }
    }
    for (const char* device : {"without", "with"}) {
        if (throughGlass)
            out.append(",through_glass_").append(device).append(unit);
    }
}

void AppendEndKWh(std::string& out, const YearSettings& s, const WindowIrradiation& without,
                  const WindowIrradiation& with) {
    if (s.sky == SkyModel::Perez) {
        for (const WindowIrradiation* w : {&without, &with})
            AppendKWh(out, {w->skyIsotropic, w->circumsolar, w->horizon});
    }
    if (s.glazingPanes > 0)
        AppendKWh(out, {without.throughGlass, with.throughGlass});
}

}  // namespace

std::string MonthlyCsvText(const YearSettings& settings, const YearTotals& totals) {
    std::string out =
        "month,beam_without_kWh_m2,sky_without_kWh_m2,ground_without_kWh_m2,"
        "total_without_kWh_m2,beam_with_kWh_m2,sky_with_kWh_m2,ground_with_kWh_m2,"
        "total_with_kWh_m2";
    AppendColumnNames(out, settings.sky == SkyModel::Perez, settings.glazingPanes > 0, "_kWh_m2");
    out += LineEnd;
    for (int month = 0; month < 12; ++month) {
        out += std::to_string(month + 1);
        AppendKWh(out, totals.without[month]);
        AppendKWh(out, totals.with[month]);
        AppendEndKWh(out, settings, totals.without[month], totals.with[month]);
        out += LineEnd;
    }
    out += "year";
    const WindowIrradiation without = YearSum(totals.without), with = YearSum(totals.with);
    AppendKWh(out, without);
    AppendKWh(out, with);
    AppendEndKWh(out, settings, without, with);
    out += LineEnd;
    return out;
}

std::string UtcOffsetText(double hours) {
    const int minutes = static_cast<int>(std::lround(std::fabs(hours) * 60));
    std::string text = hours < 0 ? "-" : "+";
    AppendTwoDigits(text, minutes / 60);
    text += ':';
    AppendTwoDigits(text, minutes % 60);
    return text;
}

HourlyCsvFile::HourlyCsvFile(const std::string& path, const YearSettings& settings)
    : HourlyCsvFile(std::make_unique<StagedFiles>(), nullptr, path, settings) {}

HourlyCsvFile::HourlyCsvFile(StagedFiles& files, const std::string& path,
                             const YearSettings& settings)
    : HourlyCsvFile(nullptr, &files, path, settings) {}

HourlyCsvFile::HourlyCsvFile(std::unique_ptr<StagedFiles> own, StagedFiles* files,
                             const std::string& path, const YearSettings& settings)
    : own_(std::move(own)),
      file_(files != nullptr ? *files : *own_, path, StagedFiles::Kind::Replace),
      offset_(UtcOffsetText(settings.utcOffset)),
      year_(settings.year),
      irradiated_(settings.Irradiated()),
      skyParts_(irradiated_ && settings.sky == SkyModel::Perez),
      throughGlass_(irradiated_ && settings.glazingPanes > 0) {
    std::string header =
        "start,sun_altitude_deg,sun_azimuth_deg,window_altitude_deg,window_azimuth_deg,"
        "sun_on_window,beam_usf";
    if (irradiated_) {
        header +=
            ",beam_without_Wh_m2,sky_without_Wh_m2,ground_without_Wh_m2,"
            "beam_with_Wh_m2,sky_with_Wh_m2,ground_with_Wh_m2";
    }
    AppendColumnNames(header, skyParts_, throughGlass_, "_Wh_m2");
    file_.Print({header, LineEnd, Sep::Join});
}

void HourlyCsvFile::Write(const YearStep& s) {
    std::string& out = buffer_;
    out += std::to_string(year_);
    out += '-';
    AppendTwoDigits(out, s.month);
    out += '-';
    AppendTwoDigits(out, s.day);
    out += 'T';
    AppendTwoDigits(out, s.hour);
    out += ':';
    AppendTwoDigits(out, s.minute);
    out += offset_;
    for (double x : {s.sun.altitude, s.sun.azimuth, s.window.altitude, s.window.azimuth}) {
        out += ',';
        AppendRoundTripText(out, x);
    }
    out += s.window.sunOnWindow ? ",yes," : ",no,";
    if (s.window.sunOnWindow)
        AppendRoundTripText(out, s.beamUSF);
    const auto append = [&](std::initializer_list<double> values) {
        for (double x : values) {
            out += ',';
            if (s.weatherKnown)
                AppendRoundTripText(out, x);
        }
    };
    if (irradiated_) {
        append({s.without.beam, s.without.sky, s.without.ground, s.with.beam, s.with.sky,
                s.with.ground});
    }
    if (skyParts_) {
        append({s.without.skyIsotropic, s.without.circumsolar, s.without.horizon,
                s.with.skyIsotropic, s.with.circumsolar, s.with.horizon});
    }
    if (throughGlass_)
        append({s.without.throughGlass, s.with.throughGlass});
    out += LineEnd;
    file_.Print({out, Sep::Join});
    out.clear();
}

void HourlyCsvFile::Close() {
    file_.Close();
    if (own_)
        own_->Commit();
}

YearTotals WriteHourlyCsv(const std::string& path, const YearSettings& settings) {
    HourlyCsvFile csv(path, settings);
    const YearTotals totals =
        RunShadingYear(settings, [&](const YearStep& step) { csv.Write(step); });
    csv.Close();
    return totals;
}

void WriteMonthHourCsv(const std::string& path, const MonthHourTable& table) {
    std::string out = "month";
    for (int hour = 0; hour < 24; ++hour) {
        out += ',';
        AppendTwoDigits(out, hour);
        out += ":00";
    }
    out += LineEnd;
    for (int month = 0; month < 12; ++month) {
        out += std::to_string(month + 1);
        for (const YearStep& step : table[month]) {
            out += ',';
            if (step.window.sunOnWindow)
                AppendRoundTripText(out, step.beamUSF);
        }
        out += LineEnd;
    }
    WriteWholeFile(path, out);
}

void WriteMonthlyCsv(const std::string& path, const YearSettings& settings,
                     const YearTotals& totals) {
    WriteWholeFile(path, MonthlyCsvText(settings, totals));
}
