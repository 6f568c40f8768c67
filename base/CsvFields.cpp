#include "base/CsvFields.h"

std::vector<std::string> CsvLineReader::Next() {
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

void CsvLineReader::ReadQuoted(std::string& field) {
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
    throw CsvQuoteError(opened);
}

std::vector<std::string> CsvFields(std::string_view line) {
    return CsvLineReader(line).Next();
}
