#include "base/CsvFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::vector<std::string>>;

Lines ReadAll(std::string_view text) {
    CsvLineReader reader(text);
    Lines lines;
    while (!reader.AtEnd())
        lines.push_back(reader.Next());
    return lines;
}

TEST(CsvFieldsTest, SplitsLinesAndQuotedFields) {
    const struct {
        const char* what;
        std::string text;
        Lines lines;
    } cases[] = {
        {"plain", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"CR LF and empty line", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}},
        {"empty fields", ",x,", {{"", "x", ""}}},
        {"blanks kept", " a , b ", {{" a ", " b "}}},
        {"lone CR kept", "a\rb", {{"a\rb"}}},
        {"quoted comma and quote", "\"x, \"\"y\"\"\",z", {{"x, \"y\"", "z"}}},
        {"quoted line ends", "\"two\r\nlines\",\"3\n\"\nnext", {{"two\r\nlines", "3\n"}, {"next"}}},
        {"quote inside a field is a character", "a\"b,c", {{"a\"b", "c"}}},
        {"text after the closing quote joins the field", "\"ab\"cd,e", {{"abcd", "e"}}},
        {"empty quoted", "\"\",x", {{"", "x"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAll(c.text), c.lines) << c.what;
    EXPECT_EQ(CsvFields("LOCATION,a,\"b, c\",9"),
              (std::vector<std::string>{"LOCATION", "a", "b, c", "9"}));
}

// A line is held only up to the cap, a quoted field's line ends counted in its line.
TEST(CsvFieldsTest, ALineLongerThanTheCapIsRefusedWithItsNumber) {
    const std::string full(MaxLineBytes, 'x');
    const struct {
        const char* what;
        std::string text;
        int line;  // 0: read whole
    } cases[] = {
        {"at the cap", "a\n" + full + "\r\nb\n", 0},
        {"at the cap, last line", full, 0},
        {"one byte over", "a\n" + full + "x\nb\n", 2},
        {"over in a quoted field", "a\n\"" + full + "\n\"\n", 2},
        {"over in a later field", "a\nb,c\n1," + full, 3},
    };
    for (const auto& c : cases) {
        try {
            ReadAll(c.text);
            EXPECT_EQ(c.line, 0) << c.what << ": accepted";
        } catch (const CsvLineTooLong& e) {
            EXPECT_EQ(e.line, c.line) << c.what;
        }
    }
}

TEST(CsvFieldsTest, AnOpenQuoteNamesTheLineItOpenedOn) {
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {"\"open", 1},
        {"a\n\"open\n1\n", 2},
        {"\"two\nlines\"\nx,\"open\nmore", 3},
    };
    for (const auto& c : cases) {
        try {
            ReadAll(c.text);
            ADD_FAILURE() << c.text << ": accepted";
        } catch (const CsvQuoteError& e) {
            EXPECT_EQ(e.line, c.line) << c.text;
            EXPECT_STREQ(e.what(), "a quote is not closed");
        }
    }
}

}  // namespace
