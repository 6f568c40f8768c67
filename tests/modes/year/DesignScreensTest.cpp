#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <string>

#include "base/NumberText.h"
#include "modes/year/screens/frmCompareDesigns.h"
#include "modes/year/screens/frmShadingYear.h"
#include "modes/year/screens/frmSizeDevice.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"

namespace {

class DesignScreensTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings_.Path().string()));
        WalkTo("frmSourceMode");
    }

    // Bright from 7 to 18 o'clock every day at a northern place.
    static std::shared_ptr<WeatherYear> SteadyWeather() {
        auto weather = std::make_shared<WeatherYear>();
        weather->location = {"Steady", {39.74, -105.18, 1829}, -7};
        for (int hour = 0; hour < 8760; ++hour) {
            const bool day = hour % 24 >= 7 && hour % 24 < 19;
            weather->hours.push_back(
                {1, 1, hour % 24 + 1, day ? 600.0 : 0, day ? 100.0 : 0, day ? 400.0 : 0, false});
        }
        return weather;
    }

    static void Compute() {
        auto* sizing = static_cast<frmSizeDevice*>(Screen("frmSizeDevice"));
        QSignalSpy ended(sizing, &frmSizeDevice::SweepEnded);
        Click("frmSizeDevice", "cmdCompute");
        ASSERT_TRUE(ended.wait(60000));
    }

    TempFolder settings_;
};

TEST_F(DesignScreensTest, SweepsTheDepthTellsTheMeetingRangeAndUsesAValue) {
    Click("frmSourceMode", "cmdShadingYear");
    auto* year = static_cast<frmShadingYear*>(Screen("frmShadingYear"));
    year->UseWeather(SteadyWeather());
    Click("frmShadingYear", "cmdSizeDevice");
    Find<QSpinBox>("frmSizeDevice", "txtSteps")->setValue(5);
    Find<QDoubleSpinBox>("frmSizeDevice", "txtPercent1")->setValue(45);
    Find<QDoubleSpinBox>("frmSizeDevice", "txtPercent2")->setValue(40);
    Compute();
    // The summer share stays above 45 %; the winter share passes 40 % at L = 3.31.
    EXPECT_EQ(Text("frmSizeDevice", "lblMeets"), "L from 1.5 to 3.3 m meets both targets.");
    EXPECT_EQ(Text("frmSizeDevice", "lblCaption").substr(0, 50),
              "Geometry: Awning only, L from 1.5 to 6 in 5 steps.");

    chosenFiles.push_back(settings_.Slash() + "sweep.csv");
    Click("frmSizeDevice", "cmdSaveCsv");
    const std::string csv = ReadBytes(settings_.Path() / "sweep.csv");
    EXPECT_EQ(Text("frmSizeDevice", "lblStatus"),
              "Sweep CSV saved as " + settings_.Slash() + "sweep.csv.");
    EXPECT_TRUE(
        csv.starts_with("L,removed_year_percent,removed_june_august_percent,"
                        "removed_december_february_percent\r\n1.5,"))
        << csv;

    // The value offered is the middle of the range meeting both (the winter share passes 40 % at
    // L = 3.306 in 2025, the year screen's first year); using it sets the dimension and
    // recalculates the year.
    const double offered = Find<QDoubleSpinBox>("frmSizeDevice", "txtUse")->value();
    EXPECT_NEAR(offered, (1.5 + 3.306) / 2, 0.001);
    QSignalSpy shown(year, &frmShadingYear::YearShown);
    Click("frmSizeDevice", "cmdUse");
    EXPECT_EQ(mduUmbravel::Kept.dimensions.L, RoundTripText(offered));
    EXPECT_EQ(mduUmbravel::ShadeGeometry.L, offered);
    ASSERT_TRUE(shown.wait(60000));

    // A summer target out of reach is told at once, without a new sweep.
    Find<QDoubleSpinBox>("frmSizeDevice", "txtPercent1")->setValue(60);
    EXPECT_EQ(Text("frmSizeDevice", "lblMeets"),
              "No L from 1.5 to 6.0 m meets both targets: removing at least 60 % in June-August "
              "(summer) binds.");

    // A cancelled sweep keeps the figures shown.
    Find<QSpinBox>("frmSizeDevice", "txtSteps")->setValue(200);
    auto* sizing = static_cast<frmSizeDevice*>(Screen("frmSizeDevice"));
    QSignalSpy ended(sizing, &frmSizeDevice::SweepEnded);
    Click("frmSizeDevice", "cmdCompute");
    Click("frmSizeDevice", "cmdCancel");
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(Text("frmSizeDevice", "lblMeets"),
              "Cancelled: the chart shows the last sweep computed.");
    EXPECT_TRUE(Find<QPushButton>("frmSizeDevice", "cmdCompute")->isEnabled());

    PressKey("frmSizeDevice", Qt::Key_Escape);
    FinishEvents();
    EXPECT_EQ(OpenScreens().count("frmSizeDevice"), 0u);
}

// The second design's figures follow its dimension; each difference is the second design's figure
// less the first's.
TEST_F(DesignScreensTest, ComparesTheDesignWithADimensionChanged) {
    Click("frmSourceMode", "cmdShadingYear");
    static_cast<frmShadingYear*>(Screen("frmShadingYear"))->UseWeather(SteadyWeather());
    Click("frmShadingYear", "cmdCompare");
    auto* compare = static_cast<frmCompareDesigns*>(Screen("frmCompareDesigns"));
    QSignalSpy compared(compare, &frmCompareDesigns::Compared);
    ASSERT_TRUE(compared.wait(60000));
    EXPECT_EQ(Text("frmCompareDesigns", "lblFirst"), "First design: L = 3");
    EXPECT_EQ(Text("frmCompareDesigns", "lblSecond"), "Second design: L = 1.5");
    auto* differences = Find<QTableWidget>("frmCompareDesigns", "tblDifferences");
    const auto cell = [&](int row, int column) {
        return differences->item(row, column)->text().toDouble();
    };
    for (int period = 0; period < 3; ++period) {
        EXPECT_NEAR(cell(period, 2), cell(period, 1) - cell(period, 0), 0.1 + 1e-9);
        EXPECT_NEAR(cell(period, 5), cell(period, 4) - cell(period, 3), 0.1 + 1e-9);
    }
    // A shallower awning lets more through over the year.
    EXPECT_TRUE(differences->item(0, 2)->text().startsWith("+"));

    // The same device twice: no difference.
    compared.clear();
    Find<QDoubleSpinBox>("frmCompareDesigns", "txtValue")->setValue(3);
    ASSERT_TRUE(compared.wait(60000));
    for (int period = 0; period < 3; ++period) {
        EXPECT_EQ(differences->item(period, 2)->text(), "0.0");
        EXPECT_EQ(differences->item(period, 5)->text(), "0.0");
    }

    // The saved picture says which design and place it shows, and the screen says it is saved.
    const std::string path = DataFolder() + "designs.svg";
    chosenFiles.push_back(path);
    Click("frmCompareDesigns", "cmdSavePicture");
    const std::string svg = ReadBytes(path);
    EXPECT_NE(svg.find("Geometry: Awning only, the first design; 12-08-2026"), std::string::npos);
    EXPECT_NE(svg.find("depth from the wall L = 3 m"), std::string::npos);
    EXPECT_NE(svg.find("window facing 180 deg, year 2025"), std::string::npos);
    EXPECT_EQ(Text("frmCompareDesigns", "lblStatus"), "Picture saved as " + path + ".");
}

}  // namespace
