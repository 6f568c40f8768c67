#include "batch/StudyCase.h"

#include <utility>

#include "base/CheckedNumber.h"
#include "base/NumberText.h"
#include "base/QuotedText.h"
#include "batch/OptionTable.h"
#include "batch/OptionValues.h"

namespace {

std::string NumberOrEmpty(const std::optional<double>& x) {
    return x ? RoundTripText(*x) : std::string();
}

std::string FinSideName(const std::optional<FinSide>& side) {
    for (const FinSideNames& row : FinSideTable) {
        if (side == row.side)
            return std::string(row.option);
    }
    return {};
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
        {"layout", false, true,
         [](const BatchOptions& o) { return std::string(NamesOf(o.layout).option); }},
        {"latitude", true, true,
         [](const BatchOptions& o) { return NumberOrEmpty(o.year.latitude); }},
        {"longitude", true, true,
         [](const BatchOptions& o) { return NumberOrEmpty(o.year.longitude); }},
        {"utc-offset", true, true,
         [](const BatchOptions& o) { return NumberOrEmpty(o.year.utcOffset); }},
        {"elevation", true, true,
         [](const BatchOptions& o) { return NumberOrEmpty(o.year.elevation); }},
        {"weather", false, true, [](const BatchOptions& o) { return o.year.weatherPath; }},
        {"facing", true, true, [](const BatchOptions& o) { return NumberOrEmpty(o.year.facing); }},
        {"fin-side", false, true,
         [](const BatchOptions& o) { return FinSideName(o.year.finSide); }},
        {"year", true, true,
         [](const BatchOptions& o) {
             return o.year.year ? std::to_string(*o.year.year) : std::string();
         }},
        {"step", true, true,
         [](const BatchOptions& o) { return std::to_string(o.year.stepMinutes); }},
        {"reflectance", true, true,
         [](const BatchOptions& o) { return RoundTripText(o.year.reflectance); }},
        {"sky", false, true,
         [](const BatchOptions& o) { return std::string(NamesOf(o.year.sky).option); }},
        {"glazing", false, true,
         [](const BatchOptions& o) {
             return std::string(
                 RowOf(GlazingTable, &GlazingNames::panes, o.year.glazingPanes).option);
         }},
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
            throw UsageError("the cases file has an unknown column " + QuotedText(name));
        for (const CaseColumn* earlier : matched) {
            if (earlier == column)
                throw UsageError("the cases file has the column " + QuotedText(name) + " twice");
        }
        matched.push_back(column);
    }
    return matched;
}

BatchOptions CaseOptions(const BatchOptions& study, const std::vector<const CaseColumn*>& columns,
                         const std::vector<std::string>& cells) {
    if (cells.size() != columns.size()) {
        throw UsageError("the row has " + std::to_string(cells.size()) + " fields, the header " +
                         std::to_string(columns.size()));
    }
    BatchOptions o = study;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (cells[k].empty())
            continue;
        if (columns[k]->number) {
            try {
                ReadCheckedNumber(cells[k], FiniteNumber);
            } catch (const NumberRefused& refused) {
                throw UsageError(columns[k]->name + " " + refused.what());
            }
        }
        TakeOption(o, "--" + columns[k]->name, cells[k]);
    }
    CheckBatchOptions(o);
    if (o.sourceMode == SourceMode::Year)
        CheckYearPlace(o.year);
    return o;
}
