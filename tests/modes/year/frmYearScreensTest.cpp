#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QThreadPool>
#include <filesystem>
#include <string>

#include "modes/year/EpwText.h"
#include "modes/year/screens/frmShadingYear.h"
#include "output/OutputFiles.h"
#include "screens/kit/mduUmbravel.h"
#include "support/WizardFixture.h"
#include "wizard/ProjectEntries.h"

namespace {

// The screen tests run in America/Denver, whose place in the zone table is 39°44'21" N,
// 104°59'03" W: the first place offered, to the boxes' six decimals.
constexpr double DenverLatitude = 39.739167;
constexpr double DenverLongitude = -104.984167;

class frmYearScreensTest : public WizardFixture {
  protected:
    void SetUp() override {
        WizardFixture::SetUp();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings_.Path().string()));
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

    static frmShadingYear* Year() { return static_cast<frmShadingYear*>(Screen("frmShadingYear")); }

    static bool Busy() { return !Find<QLabel>("frmShadingYear", "lblBusy")->isHidden(); }

    // The heat map's cells and the year's totals as the screen shows them.
    static QStringList Figures() {
        QStringList figures;
        auto* table = Find<QTableWidget>("frmShadingYear", "tblMonthHour");
        for (int month = 0; month < 12; ++month) {
            for (int hour = 0; hour < 24; ++hour) {
                const QTableWidgetItem* cell = table->item(month, hour);
                figures << (cell ? cell->text() : "none");
            }
        }
        return figures << Find<QLabel>("frmShadingYear", "lblTotals")->text();
    }

    static void WaitForYear() {
        ASSERT_TRUE(QTest::qWaitFor([] { return !Busy(); }, 60000));
    }

    // Lets every calculation end, stopped or not, and its result arrive.
    static void WaitForAllCalculations() {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    static std::shared_ptr<WeatherYear> SteadyWeather() {
        auto weather = std::make_shared<WeatherYear>();
        weather->location = {"Nowhere", {-33.9, 151.2, 0}, 10};
        for (int hour = 0; hour < 8760; ++hour)
            weather->hours.push_back({1, 1, hour % 24 + 1, 500, 100, 300, false});
        return weather;
    }

    static void SetFacing(double bearing) {
        Find<QDoubleSpinBox>("frmShadingYear", "txtFacing")->setValue(bearing);
    }

    // The screen with a weather year, its figures in.
    void OpenWithWeather() {
        Click("frmSourceMode", "cmdShadingYear");
        Year()->UseWeather(SteadyWeather());
        WaitForYear();
    }

    // Opens the year screen, or finds it open, and loads a weather file of Golden, Colorado,
    // through the file dialog.
    void LoadGolden() {
        LoadWeatherFile(goldenPath_.string());
        WaitForWeatherLine("\"golden.epw\" (Golden, CO, USA)");
    }

    static void WaitForWeatherLine(const std::string& part) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !Busy() &&
                       Text("frmShadingYear", "lblWeather").find(part) != std::string::npos;
            },
            20000))
            << Text("frmShadingYear", "lblWeather");
    }

    TempFolder settings_;
    std::filesystem::path goldenPath_ = settings_.Path() / "golden.epw";
};

TEST_F(frmYearScreensTest, PlaceAndTimeTypeTheWindowAnglesIntoTheBoxes) {
    Click("frmSourceMode", "cmdFromPlace");
    EnterPlace(39.742476, -105.1786, -7, 180, "left");
    TypeOver("frmSunFromPlace", "txtWhen", "2003-10-17 12:30:30");
    EXPECT_EQ(Text("frmSunFromPlace", "lblSun").substr(0, 45),
              "Sun: altitude 39.89 deg, azimuth 194.34 deg f");
    Click("frmSunFromPlace", "cmdUse");
    FinishEvents();
    EXPECT_EQ(OpenScreens().count("frmSunFromPlace"), 0u);
    // Typed into the boxes with four decimals; at sea level, as the dialog has no elevation.
    EXPECT_EQ(Text("frmSourceMode", "txtSolAlt").size(), 7u);
    EXPECT_NEAR(mduUmbravel::SolAlt, 39.89, 0.01);
    EXPECT_NEAR(mduUmbravel::SolAzi, 14.34, 0.01);
    // The place is kept for the next time.
    const std::string kept = ReadBytes(settings_.Path() / "Helioran" / "Umbravel.conf");
    EXPECT_NE(kept.find("latitude=39.742476"), std::string::npos) << kept;

    // The place is remembered; a sun behind the wall offers nothing.
    Click("frmSourceMode", "cmdFromPlace");
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->value(), 39.742476);
    Find<QDoubleSpinBox>("frmSunFromPlace", "txtFacing")->setValue(0);
    TypeOver("frmSunFromPlace", "txtWhen", "2003-10-17 12:30:30");
    EXPECT_EQ(Text("frmSunFromPlace", "lblWindow").substr(0, 54),
              "The sun does not reach the window: it is behind the wa");
    EXPECT_FALSE(Find<QPushButton>("frmSunFromPlace", "cmdUse")->isEnabled());
}

// The first place is the system zone's own; a place far from its zone's meridian is pointed
// out, and a time typed in full is taken in full, the clocks' changes explained.
TEST_F(frmYearScreensTest, ThePlaceStartsInTheUsersZoneAndTheTimeIsTakenAsTyped) {
    Click("frmSourceMode", "cmdFromPlace");
    EXPECT_EQ(Find<QComboBox>("frmSunFromPlace", "cboTimeZone")->currentText(), "America/Denver");
    EXPECT_TRUE(Find<QLabel>("frmSunFromPlace", "lblZoneCheck")->isHidden());
    Find<QComboBox>("frmSunFromPlace", "cboTimeZone")->setCurrentText("Europe/Berlin");
    EXPECT_FALSE(Find<QLabel>("frmSunFromPlace", "lblZoneCheck")->isHidden());

    TypeOver("frmSunFromPlace", "txtWhen", "2026-03-29 02:28");
    EXPECT_EQ(Text("frmSunFromPlace", "lblWhenNote").substr(0, 48),
              "2026-03-29 02:28 does not exist in Europe/Berlin");
    EXPECT_NE(Text("frmSunFromPlace", "lblSun").find("(at 2026-03-29 01:28:00 UTC)"),
              std::string::npos);
    TypeOver("frmSunFromPlace", "txtWhen", "2026-12-21 12:30:00");
    EXPECT_NE(Text("frmSunFromPlace", "lblSun").find("(at 2026-12-21 11:30:00 UTC)"),
              std::string::npos);
    TypeOver("frmSunFromPlace", "txtWhen", "2026-12-21 12");
    EXPECT_FALSE(Find<QPushButton>("frmSunFromPlace", "cmdUse")->isEnabled());
    Click("frmSunFromPlace", "cmdCancel");
}

// Stored values that are not numbers within their bounds are told on the dialog and give the
// defaults rather than being clamped by the boxes; Cancel leaves the stored file as it was.
TEST_F(frmYearScreensTest, RefusedStoredPlaceIsToldAndCancelSavesNothing) {
    const std::string stored =
        "[place]\nlatitude=nan\nlongitude=1e308\nutcOffset=north\n"
        "[window]\nfacing=90\nfinSide=up\n";
    std::filesystem::create_directories(settings_.Path() / "Helioran");
    WriteBytes(settings_.Path() / "Helioran" / "Umbravel.conf", stored);
    Click("frmSourceMode", "cmdFromPlace");
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->value(), DenverLatitude);
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtLongitude")->value(), DenverLongitude);
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtUtcOffset")->value(), -7);
    EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtFacing")->value(), 90);
    EXPECT_EQ(Text("frmSunFromPlace", "lblStoredPlace"),
              "The stored settings were refused and the defaults taken: place/latitude must be a "
              "number, not \"nan\"; place/longitude must lie between -180 and 180, not "
              "\"1e308\"; place/utcOffset must be a number, not \"north\"; window/finSide must "
              "be left or right, not \"up\".");
    Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->setValue(10);
    Click("frmSunFromPlace", "cmdCancel");
    FinishEvents();
    EXPECT_EQ(ReadBytes(settings_.Path() / "Helioran" / "Umbravel.conf"), stored);
}

// A settings file far larger than settings are, or a folder in its place, is not read: the
// dialog says so, starts from the defaults, and using its angles leaves the file as it was.
TEST_F(frmYearScreensTest, SettingsFileThatIsNotTheProgramsIsIgnored) {
    const std::filesystem::path file = settings_.Path() / "Helioran" / "Umbravel.conf";
    const std::string large = "[place]\nlatitude=10\n" + std::string(70 * 1024, '#') + "\n";
    for (bool folder : {false, true}) {
        std::filesystem::remove_all(file);
        std::filesystem::create_directories(folder ? file : file.parent_path());
        if (!folder)
            WriteBytes(file, large);
        Click("frmSourceMode", "cmdFromPlace");
        EXPECT_EQ(Find<QDoubleSpinBox>("frmSunFromPlace", "txtLatitude")->value(), DenverLatitude);
        EXPECT_EQ(Text("frmSunFromPlace", "lblStoredPlace"),
                  "The settings file \"" + file.string() + "\" was ignored: " +
                      (folder ? "it is not a plain file." : "it is larger than 64 KiB."));
        TypeOver("frmSunFromPlace", "txtWhen", "2003-10-17 12:30:30");
        Click("frmSunFromPlace", "cmdUse");
        FinishEvents();
        EXPECT_EQ(OpenScreens().count("frmSunFromPlace"), 0u);
        EXPECT_EQ(folder ? std::filesystem::is_directory(file) : ReadBytes(file) == large, true);
    }
}

TEST_F(frmYearScreensTest, YearScreenShowsTheTableAndWithWeatherTheTotals) {
    Click("frmSourceMode", "cmdShadingYear");
    WaitForYear();
    auto* table = Find<QTableWidget>("frmShadingYear", "tblMonthHour");
    EXPECT_NE(table->item(11, 0)->toolTip().indexOf("below the horizon"), -1);
    EXPECT_TRUE(table->item(11, 0)->text().isEmpty());
    EXPECT_EQ(table->item(5, 12)->text().size(), 4);
    EXPECT_NE(table->item(5, 12)->toolTip().indexOf("21 June"), -1);
    EXPECT_FALSE(
        Find<QLabel>("frmShadingYear", "lblTotals")->isVisibleTo(Screen("frmShadingYear")));

    Year()->UseWeather(SteadyWeather());
    EXPECT_EQ(Find<QDoubleSpinBox>("frmShadingYear", "txtLatitude")->value(), -33.9);
    WaitForYear();
    const std::string totals = Text("frmShadingYear", "lblTotals");
    EXPECT_NE(totals.find("June-August (winter)"), std::string::npos) << totals;
    // The steady weather's beam before sunrise is reported beside the totals.
    EXPECT_TRUE(Text("frmShadingYear", "lblChecks").starts_with("Weather data checks: "));
    EXPECT_TRUE(Find<QLabel>("frmShadingYear", "lblChecks")->isVisibleTo(Screen("frmShadingYear")));
    EXPECT_TRUE(Find<QPushButton>("frmShadingYear", "cmdSaveMonthly")->isEnabled());
}

TEST_F(frmYearScreensTest, ClearSkyAndGlazingGiveTheSolarGainWithoutAWeatherFile) {
    Click("frmSourceMode", "cmdShadingYear");
    WaitForYear();
    Find<QComboBox>("frmShadingYear", "cboGlazing")->setCurrentIndex(2);
    Find<QCheckBox>("frmShadingYear", "chkClearSky")->setChecked(true);
    WaitForYear();
    EXPECT_EQ(Text("frmShadingYear", "lblWeather"),
              "Figures for 39.74° N, 104.98° W, UTC-07:00: clear sky (ASHRAE 1972 clear-sky "
              "model), no weather file.");
    EXPECT_TRUE(Find<QLabel>("frmShadingYear", "lblTotals")->isVisibleTo(Screen("frmShadingYear")));
    const std::string totals = Text("frmShadingYear", "lblTotals");
    EXPECT_NE(totals.find(". Through 2 panes of clear glass "), std::string::npos) << totals;
    EXPECT_NE(totals.find("Removed from the solar gain by the device: year "), std::string::npos)
        << totals;
}

// Moving a degree away from the weather file's place asks; either answer leaves a place and
// weather that belong together, and the line above the figures says which they are.
TEST_F(frmYearScreensTest, AWeatherFileKeepsItsPlaceOrIsUnloaded) {
    LoadGolden();
    EXPECT_EQ(Text("frmShadingYear", "lblWeather"),
              "Figures for 39.74° N, 105.18° W, UTC-07:00: weather file \"golden.epw\" (Golden, "
              "CO, USA), 0 "
              "missing hours in the file.");
    auto* latitude = Find<QDoubleSpinBox>("frmShadingYear", "txtLatitude");
    auto* unload = Find<QPushButton>("frmShadingYear", "cmdUnloadWeather");
    EXPECT_TRUE(unload->isEnabled());
    latitude->setValue(40.1);
    EXPECT_TRUE(questions.empty());

    const struct {
        const char* answer;
        double latitudeAfter;
        const char* line;
    } cases[] = {
        {"Keep the File's Place", 39.74, "39.74° N, 105.18° W, UTC-07:00: weather file"},
        {"Unload the Weather File", 40.74, "40.74° N, 105.18° W, UTC-07:00: no weather file,"},
    };
    for (const auto& c : cases) {
        latitude->setValue(39.74);
        answers.push_back(c.answer);
        latitude->setValue(40.74);
        EXPECT_EQ(latitude->value(), c.latitudeAfter) << c.answer;
        WaitForWeatherLine(c.line);
    }
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_FALSE(unload->isEnabled());

    // A time zone of its own is another place's time too.
    LoadGolden();
    answers.push_back("Keep the File's Place");
    Find<QComboBox>("frmShadingYear", "cboTimeZone")->setCurrentText("America/Denver");
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_EQ(Find<QComboBox>("frmShadingYear", "cboTimeZone")->currentIndex(), 0);
}

// The year screen opens as it was left, its weather file read again; a file gone since is
// said on the line, not in a box. The project carries the same entries.
TEST_F(frmYearScreensTest, TheYearScreensEntriesAreKeptForTheRun) {
    LoadGolden();
    Find<QSpinBox>("frmShadingYear", "txtYear")->setValue(2024);
    Find<QDoubleSpinBox>("frmShadingYear", "txtReflectance")->setValue(0.35);
    Find<QComboBox>("frmShadingYear", "cboSky")->setCurrentText("Isotropic sky");
    Find<QComboBox>("frmShadingYear", "cboGlazing")->setCurrentIndex(2);
    SetFacing(135);
    WaitForYear();
    const ProjectYear expected{2024, goldenPath_.string(), 0.35, SkyModel::Isotropic, 2, false};
    EXPECT_EQ(CurrentProject().year, expected);
    EXPECT_EQ(CurrentProject().place.facing.bearing, 135);

    for (const bool fileGone : {false, true}) {
        Click("frmShadingYear", "cmdClose");
        FinishEvents();
        if (fileGone)
            std::filesystem::remove(goldenPath_);
        Click("frmSourceMode", "cmdShadingYear");
        EXPECT_EQ(Find<QSpinBox>("frmShadingYear", "txtYear")->value(), 2024);
        EXPECT_EQ(Find<QDoubleSpinBox>("frmShadingYear", "txtReflectance")->value(), 0.35);
        EXPECT_EQ(Find<QComboBox>("frmShadingYear", "cboSky")->currentText(), "Isotropic sky");
        EXPECT_EQ(Find<QComboBox>("frmShadingYear", "cboGlazing")->currentIndex(), 2);
        EXPECT_EQ(Find<QDoubleSpinBox>("frmShadingYear", "txtFacing")->value(), 135);
        WaitForWeatherLine(fileGone ? "no weather file, the beam fraction only. The weather file "
                                      "\"" +
                                          goldenPath_.string() + "\" cannot be used: "
                                    : "weather file \"golden.epw\"");
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(CurrentProject().year.weatherFile, "");
}

// What a screen reader says: every control of the year screen and the place dialog has a name
// and a description, and the heat map and the bars say what they show.
TEST_F(frmYearScreensTest, EveryControlHasWordsForAScreenReader) {
    OpenWithWeather();
    Click("frmSourceMode", "cmdFromPlace");
    int controls = 0;
    for (const char* screen : {"frmShadingYear", "frmSunFromPlace"}) {
        for (const QWidget* w : Screen(screen)->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.size() < 4 ||
                !QStringList{"cmd", "txt", "cbo", "chk", "tbl", "cht", "pic"}.contains(
                    name.left(3)) ||
                name == "picYear")
                continue;
            ++controls;
            EXPECT_TRUE(!w->accessibleName().isEmpty() || qobject_cast<const QAbstractButton*>(w))
                << screen << " " << name.toStdString();
            EXPECT_FALSE(w->accessibleDescription().isEmpty())
                << screen << " " << name.toStdString();
        }
    }
    EXPECT_GE(controls, 30);
    const QString heatMap =
        Find<QWidget>("frmShadingYear", "tblMonthHour")->accessibleDescription();
    EXPECT_TRUE(
        heatMap.contains(" of the 288 hours have the sun on the window, the least fraction "))
        << heatMap.toStdString();
    const QString bars = Find<QWidget>("frmShadingYear", "chtMonths")->accessibleDescription();
    EXPECT_TRUE(bars.contains("; December ")) << bars.toStdString();
    Click("frmSunFromPlace", "cmdCancel");
}

TEST_F(frmYearScreensTest, AChangeShowsTheBusyStateAndTheLastFiguresUntilTheNewOnes) {
    OpenWithWeather();
    EXPECT_FALSE(Busy());
    const QStringList before = Figures();
    QSignalSpy shown(Year(), &frmShadingYear::YearShown);
    SetFacing(90);
    EXPECT_TRUE(Busy());
    bool keptUntilShown = true;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (shown.isEmpty())
                keptUntilShown = keptUntilShown && Figures() == before;
            return !shown.isEmpty();
        },
        60000));
    EXPECT_TRUE(keptUntilShown);
    EXPECT_FALSE(Busy());
    EXPECT_NE(Figures(), before);
}

TEST_F(frmYearScreensTest, TwoQuickChangesShowTheSecondOnesFigures) {
    OpenWithWeather();
    QSignalSpy shown(Year(), &frmShadingYear::YearShown);
    SetFacing(90);
    SetFacing(270);
    WaitForYear();
    WaitForAllCalculations();
    EXPECT_EQ(shown.count(), 1);
    const QStringList second = Figures();

    // The same entries typed afresh, one at a time, give the same figures.
    SetFacing(90);
    WaitForYear();
    EXPECT_NE(Figures(), second);
    SetFacing(270);
    WaitForYear();
    EXPECT_EQ(Figures(), second);
}

TEST_F(frmYearScreensTest, AppendingRightAfterAChangeWaitsForTheNewFigures) {
    OpenWithWeather();
    const std::string before = Text("frmShadingYear", "lblTotals");
    SetFacing(90);
    Click("frmShadingYear", "cmdAppend");
    EXPECT_FALSE(Busy());
    const std::string after = Text("frmShadingYear", "lblTotals");
    ASSERT_NE(after, before);
    const std::string removed = after.substr(after.find("Removed by the device"));
    const std::string section = ReadBytes(mduUmbravel::PrintFilePath());
    EXPECT_NE(section.find("Window facing 90 deg"), std::string::npos) << section;
    EXPECT_NE(section.find(removed.substr(0, removed.size() - 1)), std::string::npos)
        << removed << "\n"
        << section;
}

}  // namespace

namespace {

// A saved picture says what it shows: the device, its dimensions, and the place and weather its
// figures are for; the months of the bars are named.
TEST_F(frmYearScreensTest, ASavedPictureCarriesItsCaption) {
    OpenWithWeather();
    const std::string path = settings_.Slash() + "year.svg";
    chosenFiles.push_back(path);
    Click("frmShadingYear", "cmdSavePicture");
    const std::string svg = ReadBytes(path);
    EXPECT_NE(svg.find("Geometry: Awning only, as drawn"), std::string::npos);
    EXPECT_NE(svg.find("window width W = 2 m"), std::string::npos);
    EXPECT_NE(svg.find(Text("frmShadingYear", "lblWeather")), std::string::npos);
    EXPECT_EQ(Text("frmShadingYear", "lblStatus"), "Picture saved as " + path + ".");
    // Each month's name stands between its two bars: January's at 0 and 1, December's at 33 and
    // 34.
    auto* months = qobject_cast<QCategoryAxis*>(
        Find<QChartView>("frmShadingYear", "chtMonths")->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(months, nullptr);
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->categoriesLabels().front(), "Jan");
    EXPECT_EQ(months->endValue("Jan"), 0.5);
    EXPECT_EQ(months->endValue("Dec"), 33.5);
    EXPECT_EQ(months->max(), 34.5);

    // The legend tells the bars without and with the device apart; each has its own place.
    const QChart* chart = Find<QChartView>("frmShadingYear", "chtMonths")->chart();
    QStringList legend;
    for (const QLegendMarker* marker : chart->legend()->markers())
        legend << marker->label();
    EXPECT_EQ(legend, QStringList({"beam, no device", "sky, no device", "ground, no device",
                                   "beam, with the device", "sky, with the device",
                                   "ground, with the device"}));
    const auto* bars = qobject_cast<QAbstractBarSeries*>(chart->series().front());
    ASSERT_NE(bars, nullptr);
    const QList<QBarSet*> sets = bars->barSets();
    for (const int january : {0, 1}) {
        EXPECT_GT(sets[0 + 3 * january]->at(january), 0) << january;  // the set's own bar
        EXPECT_EQ(sets[3 - 3 * january]->at(january), 0) << january;  // the other set's
    }
}

// Every button that writes a file asks where, writes it there and says so in the status line;
// a cancelled choice writes nothing.
TEST_F(frmYearScreensTest, EachSavedFileIsWrittenWhereChosenAndSaidSo) {
    OpenWithWeather();
    const struct {
        const char* button;
        const char* file;
        const char* said;
        const char* firstBytes;
    } saves[] = {
        {"cmdSaveHourly", "h.csv", "Hourly CSV", "start,sun_altitude_deg"},
        {"cmdSaveMonthHour", "mh.csv", "Month × hour CSV", "month,"},
        {"cmdSaveMonthly", "m.csv", "Monthly CSV", "month,beam_without"},
    };
    for (const auto& save : saves) {
        const std::string path = settings_.Slash() + save.file;
        chosenFiles.push_back(path);
        Click("frmShadingYear", save.button);
        EXPECT_EQ(ReadBytes(path).rfind(save.firstBytes, 0), 0u) << save.button;
        EXPECT_EQ(Text("frmShadingYear", "lblStatus"),
                  std::string(save.said) + " saved as " + path + ".");

        Click("frmShadingYear", save.button);  // no file chosen
        EXPECT_EQ(Text("frmShadingYear", "lblStatus"),
                  std::string(save.said) + " saved as " + path + ".");
    }
}

}  // namespace
