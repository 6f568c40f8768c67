#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>

#include "base/Temporaries.h"
#include "base/VersionText.h"
#include "screens/device/frmGeomChoice.h"
#include "screens/kit/EventGuard.h"
#include "screens/kit/QtHost.h"
#include "screens/kit/ScreenParts.h"
#include "screens/kit/UserSettings.h"
#include "screens/kit/Wizard.h"
#include "screens/kit/mduUmbravel.h"
#include "screens/program/frmAwnSplash.h"
#include "wizard/ProgramFolderSetup.h"
#include "wizard/ProjectEntries.h"
#include "wizard/ProjectMenu.h"

namespace {

void DescribeApplication() {
    QApplication::setApplicationName("Umbravel");
    QApplication::setOrganizationName("Helioran");
    QApplication::setOrganizationDomain("helioran.org");
    QApplication::setDesktopFileName("org.helioran.Umbravel");
}

// Help and version are answered before the application connects to a display, so they work
// on a terminal without one. Returns true when one of them was asked for and answered.
bool AnswerHelpAndVersion(QCommandLineParser& parser, int argc, char* argv[]) {
    parser.setApplicationDescription(
        "Shading of a window by an awning, side fins or both.\n"
        "A wizard leads through the entries. Licence: MIT.");
    parser.addHelpOption();
    parser.addPositionalArgument("project", "A project file to open.", "[FILE.umbravel]");
    const QCommandLineOption version({"v", "version"}, "Displays version and licence.");
    parser.addOption(version);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (parser.isSet(version)) {
        std::fputs(VersionText("umbravel").c_str(), stdout);
        return true;
    }
    if (parser.isSet("help")) {
        // The usage line names the program from the running application's arguments.
        const QCoreApplication core(argc, argv);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return true;
    }
    return false;
}

QIcon WindowIcon() {
    QIcon icon;
    icon.addFile(":/icons/umbravel-48.png");
    icon.addFile(":/icons/umbravel-128.png");
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Ended by a signal while saving, the wizard leaves every file as it was and no temporary.
    RemoveTemporariesOnSignals();
    DescribeApplication();
    QCommandLineParser parser;
    if (AnswerHelpAndVersion(parser, argc, argv))
        return 0;
    QApplication application(argc, argv);
    // The toolkit's own options are gone now; anything else is refused.
    parser.process(application);
    QApplication::setWindowIcon(WindowIcon());
    InstallQtHost();
    if (!Guarded(PrepareProgramFolder))
        return 1;
    mduUmbravel::Kept.unit = LoadLengthUnit();
    // A design opened from a file starts at its device; the start screen otherwise.
    LastSavedProject.design = CurrentProject();
    const QStringList projects = parser.positionalArguments();
    const bool opened = !projects.isEmpty() && OpenProjectFile(FromQt(projects.front()));
    if ((opened ? static_cast<QWidget*>(Wizard::Show<frmGeomChoice>())
                : Wizard::Show<frmAwnSplash>()) == nullptr)
        return 1;
    return QApplication::exec();
}
