#pragma once

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

// The text as one field of a line: in double quotes, with quotes doubled, when it holds a
// comma, a quote, a line end or leading or trailing blanks; else unchanged. A text that starts
// with '=', '+', '-', '@', a tab or a carriage return and is not a number gets an apostrophe
// first, so that a spreadsheet shows it rather than running it as a formula.
std::string CsvField(std::string_view text);
