#include "batch/StudyResults.h"

#include <cctype>

#include "base/NumberText.h"
#include "batch/CaseTable.h"
#include "batch/StudyCase.h"
#include "model/GroundDirection.h"

using namespace mduUmbravel;

namespace {

constexpr std::string_view LineEnd = "\r\n";

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
    for (const std::string_view n : {"matrix-altitude", "matrix-azimuth", "matrix-usf", "error"})
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
    if (!r.matrix) {
        fields.resize(fields.size() + 3);
        fields.push_back(r.error);
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
            cell.push_back(r.error);
            AddLine(out, cell);
        }
    }
}
