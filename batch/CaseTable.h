#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A table in comma-separated values: the column names of its first line and the fields of every
// further line. A field in double quotes may hold commas, line ends and "" for one quote.
// Lines end in LF or CR LF; empty lines are skipped.
struct CaseTable {
    std::vector<std::string> columns;  // blanks and a leading byte-order mark dropped
    std::vector<std::vector<std::string>> rows;
};

// A text that cannot be read as a table; the message names the line.
class CaseTableError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

CaseTable ReadCaseTable(std::string_view text);

// A table read from a stream a few rows at a time, so that a table of any length takes little
// memory. The same rules as ReadCaseTable.
class CaseTableReader {
  public:
    // Reads up to the column names. Throws CaseTableError, or UnexpectedError when the stream
    // cannot be read.
    explicit CaseTableReader(std::istream& in);

    const std::vector<std::string>& Columns() const { return columns_; }

    // The next rows, at most `count` of them, in place of those rows held; none at the end.
    void Next(std::vector<std::vector<std::string>>& rows, std::size_t count);

  private:
    // The next line's fields once the text holds the whole line; nothing at the end.
    bool NextLine(std::vector<std::string>& fields);
    bool Fill();  // false at the end of the stream

    std::istream& in_;
    std::string text_;       // read but not yet taken
    std::size_t taken_ = 0;  // of text_
    int lines_ = 0;          // line ends taken before text_[taken_]
    bool ended_ = false;
    std::vector<std::string> columns_;
};

// The text as one field of a line: in double quotes, with quotes doubled, when it holds a
// comma, a quote, a line end or leading or trailing blanks; else unchanged. A text that starts
// with '=', '+', '-', '@', a tab or a carriage return and is not a number gets an apostrophe
// first, so that a spreadsheet shows it rather than running it as a formula.
std::string CsvField(std::string_view text);
