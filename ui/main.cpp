#include <QApplication>

#include "ui/EventGuard.h"
#include "ui/ProgramFolderSetup.h"
#include "ui/QtHost.h"
#include "ui/Wizard.h"
#include "ui/frmAwnSplash.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallQtHost();
    if (!Guarded(PrepareProgramFolder) || Wizard::Show<frmAwnSplash>() == nullptr) {
        return 1;
    }
    return QApplication::exec();
}
