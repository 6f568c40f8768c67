#include "model/CaseKinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every value of a kind has exactly one row, each word names one row, and a word no row has
// names nothing.
template <class Row, std::size_t N, class Kind>
void ExpectOneRowEach(const std::array<Row, N>& table, Kind Row::*key,
                      std::initializer_list<Kind> values) {
    std::set<std::string_view> words;
    for (const Kind value : values) {
        int rows = 0;
        for (const Row& row : table)
            rows += row.*key == value ? 1 : 0;
        EXPECT_EQ(rows, 1) << static_cast<int>(value);
        const Row& named = RowOf(table, key, value);
        EXPECT_TRUE(words.insert(named.option).second) << named.option;
        const auto back = RowNamed(table, named.option);
        ASSERT_TRUE(back.has_value()) << named.option;
        EXPECT_EQ((*back).*key, value) << named.option;
    }
    EXPECT_EQ(words.size(), N);
    EXPECT_FALSE(RowNamed(table, "").has_value());
    EXPECT_FALSE(RowNamed(table, "0").has_value());
}

TEST(CaseKinds, EachKindHasOneRowPerValueAndOneValuePerWord) {
    ExpectOneRowEach(GeometryTable, &GeometryNames::geometry,
                     {Geometry::Awning, Geometry::Fins, Geometry::AwningAndFins});
    ExpectOneRowEach(SourceModeTable, &SourceModeNames::mode,
                     {SourceMode::Beam, SourceMode::Diffuse, SourceMode::Matrix, SourceMode::Year});
    ExpectOneRowEach(LayoutTable, &LayoutNames::layout,
                     {DeviceLayout::Drawn, DeviceLayout::Mirrored});
}

}  // namespace
