#include "support/WizardFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "base/Clock.h"
#include "modes/year/EpwText.h"
#include "platform/Host.h"
#include "platform/ProgramFolder.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/WizardScreen.h"
#include "screens/kit/mduUmbravel.h"
#include "screens/program/frmAwnSplash.h"
#include "wizard/ProgramFolderSetup.h"
#include "wizard/ProjectEntries.h"

namespace {

struct Step {
    const char* screen;
    const char* button;
};

// The single-sun road with every default, each step leaving its screen for the next.
constexpr Step kRoad[] = {
    {"frmAwnSplash", "cmdContinue"},  {"frmPathFileName", "cmdContinue"},
    {"frmGeomChoice", "cmdOK"},       {"frmGeomValues", "cmdContinue"},
    {"frmHeaderText", "cmdContinue"}, {"frmSourceMode", "cmdCalculate"},
    {"frmBeamResults", "cmdFinish"},  {"frmSaved", nullptr},
};

std::vector<WizardScreen*> AllScreens() {
    std::vector<WizardScreen*> screens;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<WizardScreen*>(window)) {
            screens.push_back(screen);
        }
    }
    return screens;
}

// The program-wide values as a starting program has them.
void StartWithFreshEntries() {
    using namespace mduUmbravel;
    ShadeGeometry = {};
    GeomMode = Geometry::Awning;
    Layout = DeviceLayout::Drawn;
    SolAlt = 0;
    SolAzi = 0;
    ChosenMode = SourceMode::Beam;
    DataPath.clear();
    PrintFileName.clear();
    AppendToPrintFile = 0;
    DefaultPathFaultTold = false;
    MatrixFilesWritten.clear();
    HeaderText.clear();
    GeomCaseText = DefaultGeomCaseText;
    Kept = {};
    LastSavedProject = {};
}

}  // namespace

void WizardFixture::SetUp() {
    if (const char* dataHome = std::getenv("XDG_DATA_HOME")) {
        hadDataHome_ = true;
        savedDataHome_ = dataHome;
    }
    setenv("XDG_DATA_HOME", home_.Path().c_str(), 1);
    // The user's own settings and recent projects are not the tests'.
    setenv("XDG_CONFIG_HOME", (home_.Path() / "config").c_str(), 1);
    FixClock({2026, 12, 8, 13, 5, 9});
    // Whatever the machine's locale, the number boxes see one with a decimal point.
    QLocale::setDefault(QLocale::c());
    StartWithFreshEntries();
    InstallMessageHandler([this](const std::string& text) { messages.push_back(text); });
    InstallEndHandler([this](int) { ++programEnds; });
    InstallQuestionHandler(
        [this](const std::string& text, const std::vector<std::string>& offered) -> std::size_t {
            questions.push_back(text);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << text;
                return offered.size() - 1;
            }
            const auto chosen = std::find(offered.begin(), offered.end(), answers.front());
            EXPECT_NE(chosen, offered.end()) << answers.front() << " is not offered: " << text;
            answers.pop_front();
            return chosen == offered.end() ? offered.size() - 1 : chosen - offered.begin();
        });
    InstallFolderChooser([this](const std::string&) -> std::optional<std::string> {
        if (chosenFolders.empty()) {
            return std::nullopt;
        }
        std::string folder = chosenFolders.front();
        chosenFolders.pop_front();
        return folder;
    });
    InstallFileChooser([this](const FileQuestion&) -> std::optional<std::string> {
        if (chosenFiles.empty())
            return std::nullopt;
        std::string file = chosenFiles.front();
        chosenFiles.pop_front();
        return file;
    });
    PrepareProgramFolder();
}

void WizardFixture::TearDown() {
    FinishEvents();
    // A screen opened from another is its child and goes with it.
    std::vector<QPointer<WizardScreen>> open;
    for (WizardScreen* screen : AllScreens()) {
        open.emplace_back(screen);
    }
    for (const QPointer<WizardScreen>& screen : open) {
        delete screen.data();
    }
    EXPECT_TRUE(answers.empty()) << "answers left for questions never asked";
    InstallMessageHandler({});
    InstallQuestionHandler({});
    InstallFolderChooser({});
    InstallFileChooser({});
    InstallEndHandler({});
    ReleaseClock();
    if (hadDataHome_) {
        setenv("XDG_DATA_HOME", savedDataHome_.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

std::string WizardFixture::ProgramFolder() const {
    return home_.Slash() + "Helioran/Umbravel/";
}

std::string WizardFixture::DataFolder() const {
    return ProgramFolder() + std::string(DefaultDataFolderName);
}

void WizardFixture::StartProgram() {
    ASSERT_NE(Wizard::Show<frmAwnSplash>(), nullptr);
}

void WizardFixture::WalkTo(const char* screen) {
    StartProgram();
    const std::string target = screen;
    if (target == "frmUsing" || target == "frmAbout") {
        Click("frmAwnSplash", "cmdAbout");
        if (target == "frmAbout") {
            Click("frmUsing", "cmdAbout");
        }
        return;
    }
    for (const Step& step : kRoad) {
        if (target == step.screen) {
            return;
        }
        Click(step.screen, step.button);
    }
}

void WizardFixture::LoadWeatherFile(const std::string& path) {
    WriteBytes(path, SteadyDaysEpw());
    if (OpenScreens().count("frmShadingYear") == 0)
        Click("frmSourceMode", "cmdShadingYear");
    chosenFiles.push_back(path);
    Click("frmShadingYear", "cmdLoadWeather");
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            return Find<QWidget>("frmShadingYear", "lblTotals")
                ->isVisibleTo(Screen("frmShadingYear"));
        },
        20000));
}

void WizardFixture::VisitEveryScreen(const std::function<void(const char* screen)>& visit) {
    StartProgram();
    visit("frmAwnSplash");
    Click("frmAwnSplash", "cmdAbout");
    visit("frmUsing");
    Click("frmUsing", "cmdAbout");
    visit("frmAbout");
    Screen("frmUsing")->findChild<QAction*>("actHelp")->trigger();
    FinishEvents();
    visit("frmHelp");
    Click("frmUsing", "cmdContinue");
    visit("frmPathFileName");
    Click("frmPathFileName", "cmdContinue");
    visit("frmGeomChoice");
    // Awning and fins: the most dimensions.
    Click("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    visit("frmGeomValues");
    Click("frmGeomValues", "cmdContinue");
    visit("frmHeaderText");
    Click("frmHeaderText", "cmdContinue");
    visit("frmSourceMode");
    Click("frmSourceMode", "cmdFromPlace");
    visit("frmSunFromPlace");
    Click("frmSunFromPlace", "cmdCancel");

    LoadWeatherFile(home_.Slash() + "golden.epw");
    visit("frmShadingYear");
    Click("frmShadingYear", "cmdSizeDevice");
    visit("frmSizeDevice");
    Click("frmSizeDevice", "cmdClose");
    Click("frmShadingYear", "cmdCompare");
    visit("frmCompareDesigns");
    Click("frmCompareDesigns", "cmdClose");
    Click("frmShadingYear", "cmdClose");

    const struct {
        const char *option, *results, *back;
    } modes[] = {
        {"optMatrix", "frmMatrixResults", "cmdPrevious"},
        {"optDiffuse", "frmDiffuseResults", "cmdNewSource"},
        {"OptSingleSun", "frmBeamResults", "cmdNewSource"},
    };
    for (const auto& m : modes) {
        Click("frmSourceMode", m.option);
        Click("frmSourceMode", "cmdCalculate");
        visit(m.results);
        Click(m.results, m.back);
    }
    Click("frmSourceMode", "cmdCalculate");
    Click("frmBeamResults", "cmdFinish");
    visit("frmSaved");
    Click("frmSaved", "cmdPrintIt");
    visit("frmViewPrint");
}

void WizardFixture::Calculate(const char* geometryOption, const char* sourceOption) {
    Click("frmGeomChoice", geometryOption);
    Click("frmGeomChoice", "cmdOK");
    Click("frmGeomValues", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    Click("frmSourceMode", sourceOption);
    Click("frmSourceMode", "cmdCalculate");
}

std::set<std::string> WizardFixture::OpenScreens() {
    FinishEvents();
    std::set<std::string> names;
    for (WizardScreen* screen : AllScreens()) {
        if (screen->isVisible()) {
            names.insert(screen->objectName().toStdString());
        }
    }
    return names;
}

QWidget* WizardFixture::Screen(const char* screen) {
    for (WizardScreen* open : AllScreens()) {
        if (open->isVisible() && open->objectName() == screen) {
            return open;
        }
    }
    ADD_FAILURE() << screen << " is not open";
    throw std::runtime_error(std::string(screen) + " is not open");
}

void WizardFixture::Click(const char* screen, const char* control) {
    auto* widget = Find<QWidget>(screen, control);
    ASSERT_TRUE(widget->isVisible()) << control << " is hidden";
    QTest::mouseClick(widget, Qt::LeftButton);
    FinishEvents();
}

void WizardFixture::Type(const char* screen, const char* box, const std::string& keys) {
    auto* edit = Find<QLineEdit>(screen, box);
    edit->end(false);
    QTest::keyClicks(edit, QString::fromStdString(keys));
    FinishEvents();
}

void WizardFixture::TypeOver(const char* screen, const char* box, const std::string& keys) {
    auto* edit = Find<QLineEdit>(screen, box);
    edit->selectAll();
    if (keys.empty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, QString::fromStdString(keys));
    }
    FinishEvents();
}

void WizardFixture::PressKey(const char* screen, Qt::Key key) {
    QTest::keyClick(Screen(screen), key);
    FinishEvents();
}

std::string WizardFixture::Text(const char* screen, const char* control) {
    QWidget* widget = Find<QWidget>(screen, control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        return area->toPlainText().toStdString();
    }
    ADD_FAILURE() << control << " shows no text";
    return {};
}

void WizardFixture::FinishEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
