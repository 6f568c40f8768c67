#include "batch/CaseTable.h"

#include <utility>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// Reads field after field; a line of one empty field is an empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // The fields of the next line.
    std::vector<std::string> Next() {
        std::vector<std::string> fields(1);
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"' && fields.back().empty()) {
                ReadQuoted(fields.back());
            } else if (c == ',') {
                fields.emplace_back();
            } else if (c == '\n') {
                ++line_;
                break;
            } else if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
                ++pos_;
                ++line_;
                break;
            } else {
                fields.back() += c;
            }
        }
        return fields;
    }

  private:
    void ReadQuoted(std::string& field) {
        const int opened = line_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                } else {
                    return;
                }
            } else {
                line_ += c == '\n';
                field += c;
            }
        }
        throw CaseTableError("line " + std::to_string(opened) + ": a quote is not closed");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool IsEmptyLine(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

}  // namespace

CaseTable ReadCaseTable(std::string_view text) {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    LineReader reader(text);
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
