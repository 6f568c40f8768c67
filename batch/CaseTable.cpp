#include "batch/CaseTable.h"

#include <utility>

#include "base/CsvFields.h"
#include "base/NumberText.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// What a spreadsheet takes, at the start of a cell, for the start of a formula.
constexpr std::string_view FormulaMarks = "=+-@\t\r";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool IsEmptyLine(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

}  // namespace

CaseTable ReadCaseTable(std::string_view text) try {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    CsvLineReader reader(text);
    CaseTable table;
    while (!reader.AtEnd() && table.columns.empty()) {
        for (const std::string& name : reader.Next()) {
            table.columns.push_back(Trimmed(name));
        }
        if (IsEmptyLine(table.columns))
            table.columns.clear();
    }
    if (table.columns.empty())
        throw CaseTableError("no header line");
    while (!reader.AtEnd()) {
        std::vector<std::string> fields = reader.Next();
        if (!IsEmptyLine(fields))
            table.rows.push_back(std::move(fields));
    }
    return table;
} catch (const CsvQuoteError& e) {
    throw CaseTableError("line " + std::to_string(e.line) + ": " + e.what());
} catch (const CsvLineTooLong& e) {
    throw CaseTableError("line " + std::to_string(e.line) + ": " + e.what());
}

std::string CsvField(std::string_view text) {
    std::string cell;
    if (text.find_first_of(FormulaMarks) == 0 && !IsStrictNumber(text))
        cell = "'";
    cell += text;
    const bool plain = cell.find_first_of(",\"\r\n") == std::string::npos &&
                       (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
    if (plain)
        return cell;
    std::string field = "\"";
    for (const char c : cell) {
        field += c;
        if (c == '"')
            field += '"';
    }
    return field + '"';
}
