#include "batch/StudyCase.h"

#include <cctype>
#include <utility>

#include "base/NumberText.h"
#include "model/DimensionEntry.h"
#include "output/DiffuseSection.h"
#include "output/MatrixReport.h"

using namespace mduUmbravel;

namespace {

// A sign, digits with at most one point, an exponent; blanks around. A study refuses what the
// wizard's boxes would silently read as a part or as 0 ("2.5 m", "abc").
bool IsPlainNumber(const std::string& text) {
    std::size_t at = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ') + 1;
    if (at == std::string::npos)
        return false;
    const auto digitsAt = [&] {
        const std::size_t start = at;
        while (at < end && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        return at - start;
    };
    if (text[at] == '+' || text[at] == '-')
        ++at;
    std::size_t digits = digitsAt();
    if (at < end && text[at] == '.') {
        ++at;
        digits += digitsAt();
    }
    if (digits == 0)
        return false;
    if (at < end && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < end && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (digitsAt() == 0)
            return false;
    }
    return at == end;
}

}  // namespace

const std::vector<CaseColumn>& CaseColumns() {
    static const std::vector<CaseColumn> columns = {
        {"geometry", false, true,
         [](const BatchOptions& o) { return std::string(NamesOf(o.geometry).option); }},
        {"awning-width", true, true, [](const BatchOptions& o) { return o.awningWidth; }},
        {"window-width", true, true, [](const BatchOptions& o) { return o.windowWidth; }},
        {"window-height", true, true, [](const BatchOptions& o) { return o.windowHeight; }},
        {"front-height", true, true, [](const BatchOptions& o) { return o.frontHeight; }},
        {"height-difference", true, true, [](const BatchOptions& o) { return o.heightDifference; }},
        {"projection", true, true, [](const BatchOptions& o) { return o.projection; }},
        {"case", false, true, [](const BatchOptions& o) { return o.caseText; }},
        {"header", false, false,
         [](const BatchOptions& o) { return o.header.value_or(std::string()); }},
        {"mode", false, true,
         [](const BatchOptions& o) { return std::string(NamesOf(o.sourceMode).option); }},
        {"altitude", true, true, [](const BatchOptions& o) { return o.altitude; }},
        {"azimuth", true, true, [](const BatchOptions& o) { return o.azimuth; }},
    };
    return columns;
}

std::vector<const CaseColumn*> MatchCaseColumns(const std::vector<std::string>& header) {
    std::vector<const CaseColumn*> matched;
    for (const std::string& name : header) {
        const CaseColumn* column = nullptr;
        for (const CaseColumn& c : CaseColumns()) {
            if (c.name == name)
                column = &c;
        }
        if (column == nullptr)
            throw UsageError("the cases file has an unknown column \"" + name + "\"");
        for (const CaseColumn* earlier : matched) {
            if (earlier == column)
                throw UsageError("the cases file has the column \"" + name + "\" twice");
        }
        matched.push_back(column);
    }
    return matched;
}

BatchOptions CaseOptions(const std::vector<std::string>& studyArgs,
                         const std::vector<const CaseColumn*>& columns,
                         const std::vector<std::string>& cells) {
    if (cells.size() != columns.size()) {
        throw UsageError("the row has " + std::to_string(cells.size()) + " fields, the header " +
                         std::to_string(columns.size()));
    }
    std::vector<std::string> args = studyArgs;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (cells[k].empty())
            continue;
        if (columns[k]->number && !IsPlainNumber(cells[k])) {
            throw UsageError(columns[k]->name + " is not a number: \"" + cells[k] + "\"");
        }
        args.push_back("--" + columns[k]->name);
        args.push_back(cells[k]);
    }
    return ParseBatchOptions(args);
}

CaseResult FailedCase(std::string reason) {
    CaseResult r;
    r.error = std::move(reason);
    return r;
}

CaseResult EvaluateCase(const BatchOptions& o) {
    CaseResult r;
    try {
        const ShadeGeometryRecord g = ReadDimensions(DimensionEntries(o));
        const auto geometry = static_cast<std::int16_t>(o.geometry);
        if (o.sourceMode == ::SourceMode::Beam) {
            r.beam = EvaluateSkyDirection(g, DegToRad(ReadNumber(o.altitude)),
                                          DegToRad(ReadNumber(UsableAzimuthText(o))), geometry);
        } else if (o.sourceMode == ::SourceMode::Diffuse) {
            r.diffuse = EvaluateDiffuse(g, geometry, DiffuseModeSteps);
        } else {
            r.matrix = EvaluateBeamMatrix(g, geometry, MatrixReportRows, MatrixReportColumns);
            r.diffuse = EvaluateDiffuse(g, geometry, MatrixDiffuseSteps);
        }
    } catch (const std::exception& failure) {
        r = FailedCase(failure.what());
    }
    return r;
}
