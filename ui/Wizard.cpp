#include "ui/Wizard.h"

namespace Wizard {

void BringToFront(QWidget* screen) {
    if (screen->isMinimized()) {
        screen->showNormal();
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
}

}  // namespace Wizard
