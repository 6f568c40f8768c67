// Walks the wizard along the single-sun road, then through the diffuse and matrix results, and
// saves a picture of every screen, once at the size it opens with and once shrunk to its minimum
// size, so that cut or overlapping controls show. Messages are printed instead of shown; the
// program folder is a temporary one.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/Host.h"
#include "ui/ProgramFolderSetup.h"
#include "ui/Wizard.h"
#include "ui/frmAwnSplash.h"

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
    QApplication::processEvents();
    const QString path = outputFolder + "/" + screen->objectName() + suffix + ".png";
    if (!screen->grab().save(path)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        std::exit(EXIT_FAILURE);
    }
}

void Photograph(const char* name) {
    QWidget* screen = Screen(name);
    Save(screen, "");
    const QSize opened = screen->size();
    screen->resize(screen->minimumSize());
    Save(screen, "-min");
    screen->resize(opened);
}

void Click(const char* screen, const char* button) {
    Screen(screen)->findChild<QPushButton*>(button)->click();
    QApplication::processEvents();
}

void Choose(const char* screen, const char* option) {
    Screen(screen)->findChild<QRadioButton*>(option)->setChecked(true);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString(argv[1]) : QString("screenshots");
    QDir().mkpath(outputFolder);

    QTemporaryDir programHome;
    qputenv("XDG_DATA_HOME", programHome.path().toUtf8());
    FixClock({2026, 12, 8, 13, 5, 9});
    InstallMessageHandler(
        [](const std::string& text) { std::printf("message: %s\n", text.c_str()); });
    InstallEndHandler([] {});
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
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmBeamResults");
    Click("frmBeamResults", "cmdNewSource");
    Choose("frmSourceMode", "optDiffuse");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmDiffuseResults");
    Click("frmDiffuseResults", "cmdNewSource");
    Choose("frmSourceMode", "optMatrix");
    Click("frmSourceMode", "cmdCalculate");
    Photograph("frmMatrixResults");
    Click("frmMatrixResults", "cmdExit");
    Photograph("frmSaved");
    Click("frmSaved", "cmdPrintIt");
    Photograph("frmViewPrint");
    return EXIT_SUCCESS;
}
