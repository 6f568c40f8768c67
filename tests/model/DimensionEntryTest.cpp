#include <gtest/gtest.h>

#include "model/DimensionEntry.h"

TEST(DimensionEntry, DelWTextFollowsTheTwoWidthTexts) {
    EXPECT_EQ(DelWText("3", "2"), " 1");
    EXPECT_EQ(DelWText("2.5", "2"), " .5");
    EXPECT_EQ(DelWText("1", "2"), "-1");
    EXPECT_EQ(DelWText("", "2"), "-2");
    EXPECT_EQ(DelWText("3.3", "1.1"), " 2.2");
}

TEST(DimensionEntry, ReadsTheTextsAndDelWFromItsShownText) {
    const auto g = ReadDimensions({"3.3", "1.1", DelWText("3.3", "1.1"), "4", "3 m", "", "abc"});
    EXPECT_EQ(g.WP, 3.3);
    EXPECT_EQ(g.W, 1.1);
    EXPECT_EQ(g.DelW, 2.2);
    EXPECT_NE(g.DelW, 3.3 - 1.1);
    EXPECT_EQ(g.Lh, 3);
    EXPECT_EQ(g.LhP, 0);
    EXPECT_EQ(g.L, 0);
    EXPECT_EQ(g.C, 0.75);
    EXPECT_EQ(g.F, 2.2 / 1.1);
}

TEST(DimensionEntry, RefusesWidthsWhoseDifferenceIsNotFinite) {
    const auto refused = RefuseDimensions(
        {"1.7e308", "-1.7e308", DelWText("1.7e308", "-1.7e308"), "4", "3", "1", "3"});
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->box, DimensionBox::WP);
    EXPECT_EQ(refused->message, "W' - W is too large to calculate with.");
}
