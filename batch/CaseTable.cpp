#include "batch/CaseTable.h"

#include <utility>

#include "base/CsvFields.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

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
}

std::string CsvField(std::string_view text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"')
            field += '"';
    }
    return field + '"';
}
