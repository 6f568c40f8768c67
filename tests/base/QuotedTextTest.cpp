#include "base/QuotedText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Nothing from outside reaches a terminal as a command, and no field makes a huge message.
TEST(QuotedTextTest, EscapesControlsAndCapsTheLength) {
    const struct {
        const char* what;
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain", "north", "\"north\""},
        {"title and clear", "\x1b]0;x\x07\x1b[2J", "\"\\x1b]0;x\\x07\\x1b[2J\""},
        {"line ends, tab, delete", "a\r\n\tb\x7f", "\"a\\x0d\\x0a\\x09b\\x7f\""},
        {"UTF-8 kept", "Z\xc3\xbcrich \xe2\x82\xac", "\"Z\xc3\xbcrich \xe2\x82\xac\""},
        {"C1 control escaped",
         "a\xc2\x9b"
         "2J",
         "\"a\\xc2\\x9b2J\""},
        {"stray bytes escaped", "\xff\xc3", "\"\\xff\\xc3\""},
        {"80 characters whole", std::string(80, 'x'), '"' + std::string(80, 'x') + '"'},
        {"81 cut to 80", std::string(81, 'x'), '"' + std::string(80, 'x') + "...\""},
        {"a character is never split", std::string(79, 'x') + "\xc3\xbc\xc3\xbc",
         '"' + std::string(79, 'x') + "\xc3\xbc...\""},
        {"a megabyte", std::string(1 << 20, '\x1b'),
         '"' +
             [] {
                 std::string escaped;
                 for (int k = 0; k < 80; ++k)
                     escaped += "\\x1b";
                 return escaped;
             }() +
             "...\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuotedText(c.text), c.shown) << c.what;
}

}  // namespace
