#include "batch/CaseTable.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <utility>

#include "base/CsvFields.h"
#include "base/Faults.h"
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

CaseTableReader::CaseTableReader(std::istream& in) : in_(in) {
    Fill();
    if (std::string_view(text_).starts_with(ByteOrderMark))
        taken_ = ByteOrderMark.size();
    std::vector<std::string> names;
    while (columns_.empty() && NextLine(names)) {
        for (const std::string& name : names)
            columns_.push_back(Trimmed(name));
        if (IsEmptyLine(columns_))
            columns_.clear();
    }
    if (columns_.empty())
        throw CaseTableError("no header line");
}

void CaseTableReader::Next(std::vector<std::vector<std::string>>& rows, std::size_t count) {
    rows.clear();
    for (std::vector<std::string> fields; rows.size() < count && NextLine(fields);) {
        if (!IsEmptyLine(fields))
            rows.push_back(std::move(fields));
    }
}

bool CaseTableReader::NextLine(std::vector<std::string>& fields) {
    for (;;) {
        const std::string_view rest = std::string_view(text_).substr(taken_);
        CsvLineReader reader(rest);
        try {
            if (!rest.empty()) {
                fields = reader.Next();
                const std::string_view line = rest.substr(0, reader.Position());
                // A line the text ends in the middle of may go on in the next block.
                if (ended_ || !reader.AtEnd() || line.ends_with('\n')) {
                    taken_ += line.size();
                    lines_ += static_cast<int>(std::count(line.begin(), line.end(), '\n'));
                    return true;
                }
            }
        } catch (const CsvQuoteError& e) {
            if (ended_)
                throw CaseTableError("line " + std::to_string(lines_ + e.line) + ": " + e.what());
        } catch (const CsvLineTooLong& e) {
            throw CaseTableError("line " + std::to_string(lines_ + e.line) + ": " + e.what());
        }
        if (!Fill())
            return false;
    }
}

bool CaseTableReader::Fill() {
    if (ended_)
        return false;
    constexpr std::size_t Block = 1 << 16;
    text_.erase(0, taken_);
    taken_ = 0;
    const std::size_t held = text_.size();
    text_.resize(held + Block);
    in_.read(text_.data() + held, Block);
    text_.resize(held + static_cast<std::size_t>(in_.gcount()));
    if (in_.bad())
        throw UnexpectedError("the file cannot be read");
    ended_ = in_.eof();
    return true;
}

CaseTable ReadCaseTable(std::string_view text) {
    std::istringstream in{std::string(text)};
    CaseTableReader reader(in);
    CaseTable table{reader.Columns(), {}};
    constexpr std::size_t RowsAtATime = 1024;
    std::vector<std::vector<std::string>> rows;
    for (reader.Next(rows, RowsAtATime); !rows.empty(); reader.Next(rows, RowsAtATime))
        std::move(rows.begin(), rows.end(), std::back_inserter(table.rows));
    return table;
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
