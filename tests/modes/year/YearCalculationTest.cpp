#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThreadPool>

#include "modes/year/screens/YearCalculation.h"

namespace {

// Requests with a weather year, so that each calculation goes through the whole year; each
// request faces the window to the next of the given bearings.
class YearCalculationTest : public ::testing::Test {
  protected:
    YearCalculationTest() {
        weather_->location = {"Nowhere", {39.74, -105.18, 0}, -7};
        for (int hour = 0; hour < 8760; ++hour)
            weather_->hours.push_back({1, 1, hour % 24 + 1, 500, 100, 300, false});
    }

    YearRequest Next() {
        YearEntries e;
        e.latitude = 39.74;
        e.longitude = -105.18;
        e.utcOffset = -7;
        e.facing.bearing = bearings_.at(requests_++);
        return {e, weather_};
    }

    static void WaitForAllCalculations() {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    std::shared_ptr<WeatherYear> weather_ = std::make_shared<WeatherYear>();
    std::vector<double> bearings_;
    std::size_t requests_ = 0;
    YearCalculation calculation_{[this] { return Next(); }, nullptr};
    QSignalSpy ready_{&calculation_, &YearCalculation::ResultReady};
};

TEST_F(YearCalculationTest, OnlyTheNewestOfOverlappingCalculationsIsShown) {
    bearings_ = {90, 270};
    calculation_.Start();
    calculation_.Start();
    EXPECT_TRUE(calculation_.Busy());
    ASSERT_TRUE(ready_.wait(60000));
    WaitForAllCalculations();
    EXPECT_EQ(ready_.count(), 1);
    EXPECT_FALSE(calculation_.Busy());
    ASSERT_NE(calculation_.Latest(), nullptr);
    EXPECT_EQ(calculation_.Latest()->settings.facing.bearing, 270);
    ASSERT_TRUE(calculation_.Latest()->totals);
    // Stopped part-way, the first would lack the year's last months.
    EXPECT_GT(calculation_.Latest()->totals->without[11].sky, 0);
}

TEST_F(YearCalculationTest, SettledTakesTheRequestedEntriesAtOnce) {
    bearings_ = {90, 270, 200};
    calculation_.Start();
    ASSERT_TRUE(ready_.wait(60000));
    calculation_.Request();
    const YearResult& settled = calculation_.Settled();
    EXPECT_EQ(settled.settings.facing.bearing, 270);
    EXPECT_EQ(ready_.count(), 2);
    EXPECT_FALSE(calculation_.Busy());
    // Once taken, the same result does not arrive a second time.
    WaitForAllCalculations();
    EXPECT_EQ(ready_.count(), 2);
    EXPECT_EQ(calculation_.Settled().settings.facing.bearing, 270);
    EXPECT_EQ(requests_, 2u);
}

}  // namespace
