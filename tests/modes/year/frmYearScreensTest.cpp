#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <string>

#include "modes/year/screens/frmShadingYear.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

namespace {

class frmYearScreensTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings_.Path().string()));
        WalkTo("frmSourceMode");
    }

    void EnterPlace(double latitude, double longitude, double offset, double facing,
                    const char* finSide) {
        Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->setValue(latitude);
        Find<QDoubleSpinBox>("frmSunFromPlace", "txtLongitude")->setValue(longitude);
        Find<QComboBox>("frmSunFromPlace", "cboTimeZone")->setCurrentIndex(0);
        Find<QDoubleSpinBox>("frmSunFromPlace", "txtUtcOffset")->setValue(offset);
        Find<QDoubleSpinBox>("frmSunFromPlace", "txtFacing")->setValue(facing);
        Find<QComboBox>("frmSunFromPlace", "cboFinSide")->setCurrentText(finSide);
    }

    TempFolder settings_;
};

TEST_F(frmYearScreensTest, PlaceAndTimeTypeTheWindowAnglesIntoTheBoxes) {
    Click("frmSourceMode", "cmdFromPlace");
    EnterPlace(39.742476, -105.1786, -7, 180, "left");
    Find<QDateTimeEdit>("frmSunFromPlace", "txtWhen")
        ->setDateTime(QDateTime(QDate(2003, 10, 17), QTime(12, 30, 30)));
    EXPECT_EQ(Text("frmSunFromPlace", "lblSun").substr(0, 45),
              "Sun: altitude 39.89 deg, azimuth 194.34 deg f");
    Click("frmSunFromPlace", "cmdUse");
    FinishEvents();
    EXPECT_EQ(OpenScreens().count("frmSunFromPlace"), 0u);
    // Typed into the boxes with four decimals; at sea level, as the dialog has no elevation.
    EXPECT_EQ(Text("frmSourceMode", "txtSolAlt").size(), 7u);
    EXPECT_NEAR(mduUmbravel::SolAlt, 39.89, 0.01);
    EXPECT_NEAR(mduUmbravel::SolAzi, 14.34, 0.01);

    // The place is remembered; a sun behind the wall offers nothing.
    Click("frmSourceMode", "cmdFromPlace");
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->value(), 39.742476);
    Find<QDoubleSpinBox>("frmSunFromPlace", "txtFacing")->setValue(0);
    Find<QDateTimeEdit>("frmSunFromPlace", "txtWhen")
        ->setDateTime(QDateTime(QDate(2003, 10, 17), QTime(12, 30, 30)));
    EXPECT_EQ(Text("frmSunFromPlace", "lblWindow").substr(0, 54),
              "The sun does not reach the window: it is behind the wa");
    EXPECT_FALSE(Find<QPushButton>("frmSunFromPlace", "cmdUse")->isEnabled());
}

TEST_F(frmYearScreensTest, YearScreenShowsTheTableAndWithWeatherTheTotals) {
    Click("frmSourceMode", "cmdShadingYear");
    auto* table = Find<QTableWidget>("frmShadingYear", "tblMonthHour");
    EXPECT_NE(table->item(11, 0)->toolTip().indexOf("below the horizon"), -1);
    EXPECT_TRUE(table->item(11, 0)->text().isEmpty());
    EXPECT_EQ(table->item(5, 12)->text().size(), 4);
    EXPECT_NE(table->item(5, 12)->toolTip().indexOf("21 June"), -1);
    EXPECT_FALSE(
        Find<QLabel>("frmShadingYear", "lblTotals")->isVisibleTo(Screen("frmShadingYear")));

    auto weather = std::make_shared<WeatherYear>();
    weather->location = {"Nowhere", {-33.9, 151.2, 0}, 10};
    for (int hour = 0; hour < 8760; ++hour)
        weather->hours.push_back({1, 1, hour % 24 + 1, 500, 100, 300, false});
    static_cast<frmShadingYear*>(Screen("frmShadingYear"))->UseWeather(weather);
    EXPECT_EQ(Find<QDoubleSpinBox>("frmShadingYear", "txtLatitude")->value(), -33.9);
    const std::string totals = Text("frmShadingYear", "lblTotals");
    EXPECT_NE(totals.find("June-August (winter)"), std::string::npos) << totals;
    EXPECT_TRUE(Find<QPushButton>("frmShadingYear", "cmdSaveMonthly")->isEnabled());
}

}  // namespace
