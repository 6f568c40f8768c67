#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/InputLines.h"

// Comma-separated text read line by line. A field that starts with a double quote runs to the
// next lone quote and may hold commas, line ends and "" for one quote. Lines end in LF or CR LF.
// A line (quoted line ends included) longer than MaxLineBytes is refused rather than held.
class CsvLineReader {
  public:
    explicit CsvLineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // How much of the text the lines read so far took, their line ends included.
    std::size_t Position() const { return pos_; }

    // The fields of the next line; an empty line is one empty field.
    std::vector<std::string> Next();

  private:
    void ReadQuoted(std::string& field, std::size_t lineStart);
    bool AtLineEnd() const;

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// A quote that the text does not close; line counts the text's lines from 1.
class CsvQuoteError : public std::runtime_error {
  public:
    explicit CsvQuoteError(int openedOnLine)
        : std::runtime_error("a quote is not closed"), line(openedOnLine) {}
    int line;
};

// A line longer than MaxLineBytes; line is its number from 1.
class CsvLineTooLong : public std::runtime_error {
  public:
    explicit CsvLineTooLong(int longLine)
        : std::runtime_error("the line is longer than " + std::to_string(MaxLineBytes) + " bytes"),
          line(longLine) {}
    int line;
};

// The fields of one line of text.
std::vector<std::string> CsvFields(std::string_view line);
