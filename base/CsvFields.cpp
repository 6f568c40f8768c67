#include "base/CsvFields.h"

std::vector<std::string> CsvLineReader::Next() {
    const std::size_t lineStart = pos_;
    const int firstLine = line_;
    std::vector<std::string> fields(1);
    while (pos_ < text_.size()) {
        if (pos_ - lineStart >= MaxLineBytes && !AtLineEnd())
            throw CsvLineTooLong(firstLine);
        const char c = text_[pos_++];
        if (c == '"' && fields.back().empty()) {
            ReadQuoted(fields.back(), lineStart);
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

bool CsvLineReader::AtLineEnd() const {
    const std::string_view rest = text_.substr(pos_);
    return rest.starts_with('\n') || rest.starts_with("\r\n");
}

void CsvLineReader::ReadQuoted(std::string& field, std::size_t lineStart) {
    const int opened = line_;
    while (pos_ < text_.size()) {
        if (pos_ - lineStart >= MaxLineBytes)
            throw CsvLineTooLong(opened);
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
