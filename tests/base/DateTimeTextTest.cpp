#include "base/DateTimeText.h"

#include <gtest/gtest.h>

#include "base/Clock.h"

namespace {

class DateTimeTextTest : public testing::Test {
  protected:
    void TearDown() override { ReleaseClock(); }
};

TEST_F(DateTimeTextTest, WritesTheFixedReadingZeroPadded) {
    FixClock({2026, 12, 8, 13, 5, 9});
    EXPECT_EQ(DateText(), "12-08-2026");
    EXPECT_EQ(TimeText(), "13:05:09");
    FixClock({999, 1, 2, 0, 0, 0});
    EXPECT_EQ(DateText(), "01-02-0999");
    EXPECT_EQ(TimeText(), "00:00:00");
}

TEST_F(DateTimeTextTest, ReleaseReturnsToTheSystemClock) {
    FixClock({1900, 1, 1, 0, 0, 0});
    ReleaseClock();
    EXPECT_GT(ClockNow().year, 2000);
    EXPECT_EQ(DateText().size(), 10u);
    EXPECT_EQ(TimeText().size(), 8u);
}

}  // namespace
