#include "batch/StudyResults.h"

#include <cctype>
#include <cmath>
#include <span>
#include <utility>

#include "base/NumberText.h"
#include "batch/CaseTable.h"
#include "batch/StudyCase.h"
#include "model/GroundDirection.h"
#include "output/KWhText.h"

using namespace mduUmbravel;

namespace {

constexpr std::string_view LineEnd = "\r\n";

// The periods of a year case's results, as their columns name them.
const std::pair<std::string_view, std::span<const int>> PeriodColumns[] = {
    {"annual", WholeYear},
    {"jun-aug", JuneToAugust},
    {"dec-feb", DecemberToFebruary},
};

// Irradiation on the window in kWh/m2: each part without the device, then with it.
void AddPeriodColumns(std::vector<std::string>& names, std::string_view period) {
    for (const std::string_view side : {"without", "with"}) {
        for (const std::string_view part : {"beam", "sky", "ground", "total"})
            names.push_back(std::string(period) + '-' + std::string(part) + '-' +
                            std::string(side) + "-kwh-m2");
    }
    names.push_back(std::string(period) + "-removed-percent");
    for (const std::string_view side : {"without", "with"})
        names.push_back(std::string(period) + "-through-glass-" + std::string(side) + "-kwh-m2");
    names.push_back(std::string(period) + "-through-glass-removed-percent");
}

std::string PercentField(double percent) {
    return std::isnan(percent) ? std::string() : RoundTripText(percent);
}

// The irradiation and the shares removed are empty without irradiation (a weather file or the
// clear sky), a share also where nothing reaches the window; the solar gain through the glass is
// empty without glazing.
void AddYear(std::vector<std::string>& fields, const YearResult& y) {
    const bool irradiated = y.settings.Irradiated();
    const bool glazed = irradiated && y.settings.glazingPanes > 0;
    for (const auto& [name, period] : PeriodColumns) {
        for (const auto* side : {&y.totals.without, &y.totals.with}) {
            const WindowIrradiation sum = PeriodSum(*side, period);
            for (const double wh : {sum.beam, sum.sky, sum.ground, sum.Total()})
                fields.push_back(irradiated ? RoundTripText(wh * KWhPerWh) : std::string());
        }
        fields.push_back(irradiated ? PercentField(RemovedPercent(y.totals, period)) : "");
        for (const auto* side : {&y.totals.without, &y.totals.with}) {
            const double wh = PeriodSum(*side, period).throughGlass;
            fields.push_back(glazed ? RoundTripText(wh * KWhPerWh) : std::string());
        }
        fields.push_back(glazed ? PercentField(RemovedThroughGlassPercent(y.totals, period)) : "");
    }
    fields.push_back(RoundTripText(y.totals.sunHours));
    fields.push_back(y.settings.weather ? std::to_string(y.totals.missingHours) : std::string());
}

constexpr std::size_t YearColumnCount = std::size(PeriodColumns) * 12 + 2;

// "sky-case-1a" from "CASE 1A", "ground-case-6a" from "6A".
std::string CountColumn(std::string_view prefix, std::string_view caseName) {
    if (caseName.starts_with("CASE "))
        caseName.remove_prefix(5);
    std::string name(prefix);
    for (const char c : caseName)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

template <typename Counts>
void AddCounts(std::vector<std::string>& fields, const Counts& counts) {
    for (const int count : counts)
        fields.push_back(std::to_string(count));
}

void AddLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += ',';
        out += CsvField(fields[k]);
    }
    out += LineEnd;
}

}  // namespace

std::string ResultsHeaderLine() {
    std::vector<std::string> names = {"row"};
    for (const CaseColumn& column : CaseColumns()) {
        if (column.echoed)
            names.push_back(column.name);
    }
    for (const std::string_view n : {"beam-usf", "beam-case", "exact_usf", "sky-usf", "ground-usf"})
        names.emplace_back(n);
    for (const std::string_view caseName : SkyCaseName)
        names.push_back(CountColumn("sky-case-", caseName));
    for (const std::string_view caseName : GroundCaseName)
        names.push_back(CountColumn("ground-case-", caseName));
    for (const std::string_view n : {"matrix-altitude", "matrix-azimuth", "matrix-usf"})
        names.emplace_back(n);
    for (const auto& period : PeriodColumns)
        AddPeriodColumns(names, period.first);
    for (const std::string_view n : {"sun-hours", "missing-hours", "error"})
        names.emplace_back(n);
    std::string line;
    AddLine(line, names);
    return line;
}

void AppendResultLines(std::string& out, std::size_t row, const std::vector<std::string>& inputs,
                       const CaseResult& r) {
    std::vector<std::string> fields = {std::to_string(row)};
    fields.insert(fields.end(), inputs.begin(), inputs.end());
    if (r.beam) {
        fields.push_back(RoundTripText(r.beam->usf));
        fields.emplace_back(SkyCaseName[static_cast<std::size_t>(r.beam->shadowCase)]);
        // Empty where no direct sun reaches the window.
        fields.push_back(r.exact && r.exact->usf ? RoundTripText(*r.exact->usf) : std::string());
    } else {
        fields.resize(fields.size() + 3);
    }
    if (r.diffuse) {
        fields.push_back(RoundTripText(r.diffuse->skyUSF));
        fields.push_back(RoundTripText(r.diffuse->groundUSF));
    } else {
        fields.resize(fields.size() + 2);
    }
    // The matrix mode's diffuse passes count their cases, but its report leaves them out.
    if (r.diffuse && !r.matrix) {
        AddCounts(fields, r.diffuse->skyCaseCount);
        AddCounts(fields, r.diffuse->groundCaseCount);
    } else {
        fields.resize(fields.size() + std::size(SkyCaseName) + std::size(GroundCaseName));
    }
    std::vector<std::string> last;
    if (r.year)
        AddYear(last, *r.year);
    else
        last.resize(YearColumnCount);
    last.push_back(r.error);
    if (!r.matrix) {
        fields.resize(fields.size() + 3);
        fields.insert(fields.end(), last.begin(), last.end());
        AddLine(out, fields);
        return;
    }
    const BeamMatrix& m = r.matrix->report;
    for (std::size_t i = 0; i < m.altitudes.size(); ++i) {
        for (std::size_t j = 0; j < m.azimuths.size(); ++j) {
            std::vector<std::string> cell = fields;
            cell.push_back(RoundTripText(m.altitudes[i] * RadToDeg));
            cell.push_back(RoundTripText(m.azimuths[j] * RadToDeg));
            cell.push_back(RoundTripText(m.usf[i][j]));
            cell.insert(cell.end(), last.begin(), last.end());
            AddLine(out, cell);
        }
    }
}
