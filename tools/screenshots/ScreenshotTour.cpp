// Walks the wizard along the single-sun road, then through the diffuse and matrix results, and
// saves a picture of every screen, once at the size it opens with and once shrunk to its minimum
// size, so that cut or overlapping controls show. Messages are printed instead of shown; the
// program folder is a temporary one.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Clock.h"
#include "modes/year/SunPosition.h"
#include "modes/year/screens/frmShadingYear.h"
#include "platform/Host.h"
#include "screens/kit/Wizard.h"
#include "screens/program/frmAwnSplash.h"
#include "wizard/ProgramFolderSetup.h"

namespace {

QString outputFolder;

QWidget* Screen(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == name) {
            return window;
        }
    }
    std::fprintf(stderr, "screen %s is not open\n", name);
    std::exit(EXIT_FAILURE);
}

void Save(QWidget* screen, const QString& suffix) {
    // Twice: a screen that fits itself to the display lays itself out again after that.
    QApplication::processEvents();
    QApplication::processEvents();
    const QString path = outputFolder + "/" + screen->objectName() + suffix + ".png";
    if (!screen->grab().save(path)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        std::exit(EXIT_FAILURE);
    }
}

void Photograph(const char* name, const QString& variant = {}) {
    QWidget* screen = Screen(name);
    Save(screen, variant);
    const QSize opened = screen->size();
    screen->resize(screen->minimumSize());
    Save(screen, variant + "-min");
    screen->resize(opened);
}

void Click(const char* screen, const char* button) {
    Screen(screen)->findChild<QPushButton*>(button)->click();
    QApplication::processEvents();
}

void Type(const char* screen, const char* box, const char* text) {
    Screen(screen)->findChild<QLineEdit*>(box)->setText(text);
    QApplication::processEvents();
}

void Choose(const char* screen, const char* option) {
    Screen(screen)->findChild<QRadioButton*>(option)->setChecked(true);
}

// The beam results of the awning with fins for one sun position, then back to the sun entry,
// which keeps the mode last chosen.
void PhotographSun(const char* altitude, const char* azimuth, const QString& label) {
    Choose("frmSourceMode", "OptSingleSun");
    Type("frmSourceMode", "txtSolAlt", altitude);
    Type("frmSourceMode", "txtSolAzi", azimuth);
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmBeamResults", label);
    Click("frmBeamResults", "cmdNewSource");
}

// A cloudless year at the default place, enough to fill the year screen's bars.
std::shared_ptr<const WeatherYear> ClearSkyYear() {
    auto weather = std::make_shared<WeatherYear>();
    weather->location = {"Golden, CO, USA", {39.742476, -105.1786, 1830}, -7};
    const double first = JulianDayUtc(2026, 1, 1, 7, 0, 0);
    for (int hour = 0; hour < 8760; ++hour) {
        const SunAngles sun =
            ApparentSunPosition(weather->location.place, first + (hour + 0.5) / 24);
        const double height = std::sin(std::max(sun.altitude, 0.0) * 3.14159265358979 / 180);
        const double direct = height > 0.02 ? 950 * std::exp(-0.14 / height) : 0;
        const double diffuse = 110 * height;
        weather->hours.push_back(
            {1, 1, hour % 24 + 1, direct, diffuse, direct * height + diffuse, false});
    }
    return weather;
}

void SetValue(const char* screen, const char* box, double value) {
    Screen(screen)->findChild<QDoubleSpinBox*>(box)->setValue(value);
    QApplication::processEvents();
}

// The sizing of the awning's depth, with targets both met and then out of reach.
void PhotographSizing() {
    Click("frmShadingYear", "cmdSizeDevice");
    Click("frmSizeDevice", "cmdCompute");
    for (auto* compute = Screen("frmSizeDevice")->findChild<QPushButton*>("cmdCompute");
         !compute->isEnabled();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    SetValue("frmSizeDevice", "txtPercent1", 45);
    SetValue("frmSizeDevice", "txtPercent2", 40);
    Photograph("frmSizeDevice", "-met");
    SetValue("frmSizeDevice", "txtPercent1", 90);
    Photograph("frmSizeDevice", "-neither");
    Click("frmSizeDevice", "cmdClose");
}

// The year screen's design beside the same awning at half its depth.
void PhotographComparison() {
    Click("frmShadingYear", "cmdCompare");
    QWidget* compare = Screen("frmCompareDesigns");
    for (auto* differences = compare->findChild<QTableWidget*>("tblDifferences");
         !differences->item(0, 0) || !compare->findChild<QLabel*>("lblBusy")->isHidden();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Photograph("frmCompareDesigns");
    Click("frmCompareDesigns", "cmdClose");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString(argv[1]) : QString("screenshots");
    QDir().mkpath(outputFolder);

    QTemporaryDir programHome;
    qputenv("XDG_DATA_HOME", programHome.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", programHome.path().toUtf8());
    FixClock({2026, 12, 8, 13, 5, 9});
    InstallMessageHandler(
        [](const std::string& text) { std::printf("message: %s\n", text.c_str()); });
    InstallEndHandler([](int) {});
    PrepareProgramFolder();

    Wizard::Show<frmAwnSplash>();
    Photograph("frmAwnSplash");
    Click("frmAwnSplash", "cmdAbout");
    Photograph("frmUsing");
    Click("frmUsing", "cmdAbout");
    Photograph("frmAbout");
    Click("frmAbout", "cmdReturn");
    Click("frmUsing", "cmdContinue");
    Click("frmPathFileName", "cmdKeep");
    Photograph("frmPathFileName");
    Click("frmPathFileName", "cmdContinue");
    Photograph("frmGeomChoice");
    Click("frmGeomChoice", "cmdOK");
    Photograph("frmGeomValues");
    Click("frmGeomValues", "cmdContinue");
    Photograph("frmHeaderText");
    Click("frmHeaderText", "cmdContinue");
    Photograph("frmSourceMode");
    Click("frmSourceMode", "cmdFromPlace");
    Screen("frmSunFromPlace")->findChild<QLineEdit*>("txtWhen")->setText("2026-06-21 15:00");
    Photograph("frmSunFromPlace");
    Click("frmSunFromPlace", "cmdUse");
    Click("frmSourceMode", "cmdShadingYear");
    static_cast<frmShadingYear*>(Screen("frmShadingYear"))->UseWeather(ClearSkyYear());
    // The year is calculated in the background; the picture shows its figures.
    for (auto* busy = Screen("frmShadingYear")->findChild<QLabel*>("lblBusy"); !busy->isHidden();)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Photograph("frmShadingYear");
    // The picture the year screen copies, caption and all.
    Click("frmShadingYear", "cmdCopyPicture");
    QApplication::clipboard()->image().save(outputFolder + "/frmShadingYear-picture.png");
    PhotographSizing();
    PhotographComparison();
    Click("frmShadingYear", "cmdClose");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmBeamResults");
    Click("frmBeamResults", "cmdNewSource");
    // The default awning with the sun far to the side: the analytic model says 0.
    PhotographSun("25", "-70", "-default-awning");
    Choose("frmSourceMode", "optDiffuse");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmDiffuseResults");
    // Side fins give a ground fraction outside 0 to 1, shown with its warning.
    Click("frmDiffuseResults", "cmdNewGeom");
    Choose("frmGeomChoice", "optGeom2");
    Click("frmGeomChoice", "cmdOK");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Choose("frmSourceMode", "optDiffuse");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmDiffuseResults", "-warned");
    Click("frmDiffuseResults", "cmdNewSource");
    Choose("frmSourceMode", "optMatrix");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmMatrixResults");

    // The awning with fins: the shadow for a sun in front, a steep sun, a grazing azimuth, and
    // a geometry where the analytic cases do not hold.
    Click("frmMatrixResults", "cmdNewGeom");
    Choose("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    Type("frmGeomValues", "txtLh", "-5");
    Photograph("frmGeomValues", "-typo");
    Type("frmGeomValues", "txtLh", "3");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    PhotographSun("30", "10", "-front");
    PhotographSun("70", "30", "-steep");
    PhotographSun("20", "75", "-grazing");
    Click("frmSourceMode", "cmdPrevious");
    Choose("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    const std::pair<const char*, const char*> typed[] = {
        {"txtWP", "1.738"}, {"txtW", ".888"},    {"txtH", "2.185"},
        {"txtLh", "2.577"}, {"txtLhP", "1.738"}, {"txtL", ".265"},
    };
    for (const auto& [box, text] : typed)
        Type("frmGeomValues", box, text);
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    PhotographSun("37.9", "18.1", "-analytic-fails");

    Click("frmSourceMode", "cmdCalculate");
    Click("frmBeamResults", "cmdFinish");
    Photograph("frmSaved");
    Click("frmSaved", "cmdPrintIt");
    Photograph("frmViewPrint");
    return EXIT_SUCCESS;
}
