#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/OptionTable.h"
#include "batch/OptionValues.h"
#include "support/TempFolder.h"

namespace {

// The text with every run of blanks and line ends as one blank.
std::string OneLine(const std::string& text) {
    std::istringstream words(text);
    std::string joined;
    for (std::string word; words >> word;)
        joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

// As roff spells it: every hyphen escaped.
std::string Roff(std::string_view text) {
    std::string escaped;
    for (const char c : text)
        escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
}

// The option itself, not a longer one it begins ("--project" in "--projection").
bool NamesOption(const std::string& man, const std::string& roff) {
    for (std::size_t at = man.find(roff); at != std::string::npos; at = man.find(roff, at + 1)) {
        const char next = at + roff.size() < man.size() ? man[at + roff.size()] : ' ';
        if (!std::isalnum(static_cast<unsigned char>(next)) && next != '\\')
            return true;
    }
    return false;
}

TEST(OptionTable, EveryOptionIsInTheHelpWithItsValueAndDefaultAndInTheManPage) {
    const std::string help = OneLine(BatchHelpText());
    const std::string man = ReadBytes(UMBRAVEL_MAN_PAGE);
    for (const BatchOption& row : BatchOptionTable()) {
        const std::string named = row.value.empty() ? row.names : row.names + " " + row.value;
        EXPECT_NE(help.find(" " + named + " " + OneLine(row.about)), std::string::npos) << named;
        EXPECT_TRUE(NamesOption(man, Roff(row.LongName()))) << row.LongName();
        if (row.value.find('|') != std::string::npos) {
            EXPECT_NE(man.find(row.value), std::string::npos) << row.value;
        }
    }
}

TEST(OptionTable, EveryWordOfANameTableIsTakenByItsOption) {
    const auto parsed = [](const std::string& option, std::string_view word) {
        return ParseBatchOptions({"--help", option, std::string(word)});
    };
    for (const auto& row : GeometryTable)
        EXPECT_EQ(parsed("--geometry", row.option).geometry, row.geometry) << row.option;
    for (const auto& row : SourceModeTable)
        EXPECT_EQ(parsed("--mode", row.option).sourceMode, row.mode) << row.option;
    for (const auto& row : LayoutTable)
        EXPECT_EQ(parsed("--layout", row.option).layout, row.layout) << row.option;
    for (const auto& row : FinSideTable)
        EXPECT_EQ(parsed("--fin-side", row.option).year.finSide, row.side) << row.option;
    for (const auto& row : SkyModelTable)
        EXPECT_EQ(parsed("--sky", row.option).year.sky, row.sky) << row.option;
    for (const auto& row : GlazingTable)
        EXPECT_EQ(parsed("--glazing", row.option).year.glazingPanes, row.panes) << row.option;
}

// The first unusable argument is the one refused, in the runner's own words.
TEST(OptionTable, RefusalsNameTheFirstUnusableArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"--frobnicate"}, "unknown option \"--frobnicate\"; see --help"},
        {{"--json", "stray"}, "unknown option \"stray\"; see --help"},
        {{"--", "--json"}, "unknown option \"--\"; see --help"},
        {{"--altitude=5"}, "unknown option \"--altitude=5\"; see --help"},
        {{"--json=false"}, "unknown option \"--json=false\"; see --help"},
        {{"-hx"}, "unknown option \"-hx\"; see --help"},
        {{"--json", "--altitude"}, "--altitude needs a value"},
        {{"--geometry", "4"}, "--geometry must be 1, 2 or 3, not \"4\""},
        {{"--mode", "sky"}, "--mode must be beam, diffuse, matrix or year, not \"sky\""},
        {{"--layout", "left"}, "--layout must be drawn or mirrored, not \"left\""},
        {{"--fin-side", "up"}, "--fin-side must be left or right, not \"up\""},
        {{"--frobnicate", "--geometry", "9"}, "unknown option \"--frobnicate\"; see --help"},
        {{"--geometry", "9", "--frobnicate"}, "--geometry must be 1, 2 or 3, not \"9\""},
        {{"--geometry", "9", "--geometry", "1"}, "--geometry must be 1, 2 or 3, not \"9\""},
        {{"--mode", "sky", "--geometry", "9"},
         "--mode must be beam, diffuse, matrix or year, not \"sky\""},
        {{"--step", "7"}, "--step must be a whole number of minutes that divides 60, not 7"},
        // Every number finite and in range, the option named; input shown escaped and short.
        {{"--step", "1.5"}, "--step must be a whole number, not \"1.5\""},
        {{"--utc-offset", "nan"}, "--utc-offset must be a number, not \"nan\""},
        {{"--elevation", "-inf"}, "--elevation must be a number, not \"-inf\""},
        {{"--facing", "1e999"}, "--facing must be a number a double can hold, not \"1e999\""},
        {{"--reflectance", "0.5x"}, "--reflectance must be a number, not \"0.5x\""},
        {{"--year", "2025.5"}, "--year must be a whole number, not \"2025.5\""},
        {{"--shard", "4/4"},
         "--shard must be K/N, two whole numbers with K from 0 to N - 1, not \"4/4\""},
        {{"--shard", "-1/4"},
         "--shard must be K/N, two whole numbers with K from 0 to N - 1, not \"-1/4\""},
        {{"--shard", "1/4 "},
         "--shard must be K/N, two whole numbers with K from 0 to N - 1, not \"1/4 \""},
        {{"--shard", "1"},
         "--shard must be K/N, two whole numbers with K from 0 to N - 1, not \"1\""},
        {{"--shard", "0/0"},
         "--shard must be K/N, two whole numbers with K from 0 to N - 1, not \"0/0\""},
        {{"--shard", "0/4"}, "--shard needs --cases"},
        {{"--longitude", "181"}, "--longitude must lie between -180 and 180, not \"181\""},
        {{"--awning-width", "1e308", "--window-width", "-1e308"},
         "--awning-width minus --window-width is too large to calculate with"},
        {{"--fin-side", "\x1b]0;x\x07"},
         "--fin-side must be left or right, not \"\\x1b]0;x\\x07\""},
        {{"--geometry", std::string(500, '9')},
         "--geometry must be 1, 2 or 3, not \"" + std::string(80, '9') + "...\""},
    };
    for (const auto& [args, message] : rows) {
        try {
            ParseBatchOptions(args);
            ADD_FAILURE() << message << ": accepted";
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

// A value is the argument after its option, whatever it reads; the last of an option given
// twice counts.
TEST(OptionTable, ValuesAreTakenAsTheyCome) {
    const BatchOptions o =
        ParseBatchOptions({"--header", "--json", "--front-height", "-2", "--case", "-abc",
                           "--geometry", "2", "--geometry", "3", "-h", "--append", "--append"});
    EXPECT_EQ(o.header, "--json");
    EXPECT_FALSE(o.json);
    EXPECT_EQ(o.frontHeight, "-2");
    EXPECT_EQ(o.caseText, "-abc");
    EXPECT_EQ(o.geometry, Geometry::AwningAndFins);
    EXPECT_TRUE(o.help);
    EXPECT_TRUE(o.append);
    EXPECT_FALSE(o.printFileGiven);
    EXPECT_TRUE(ParseBatchOptions({"--print-file", "Umbravel.prt"}).printFileGiven);
}

}  // namespace
