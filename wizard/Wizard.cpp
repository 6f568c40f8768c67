#include "screens/kit/Wizard.h"

#include <QAction>
#include <QScreen>
#include <algorithm>

#include "modes/beam/screens/frmBeamResults.h"
#include "modes/diffuse/screens/frmDiffuseResults.h"
#include "modes/matrix/screens/frmMatrixResults.h"
#include "output/screens/frmHeaderText.h"
#include "output/screens/frmPathFileName.h"
#include "output/screens/frmSaved.h"
#include "screens/device/frmGeomChoice.h"
#include "screens/device/frmGeomValues.h"
#include "screens/kit/AccessibleNames.h"
#include "screens/kit/DisplayFit.h"
#include "screens/kit/WizardScreen.h"
#include "screens/mode/frmSourceMode.h"
#include "screens/program/frmAbout.h"
#include "screens/program/frmAwnSplash.h"
#include "screens/program/frmHelp.h"
#include "screens/program/frmUsing.h"
#include "wizard/ProjectMenu.h"

namespace Wizard {

namespace {

template <class Screen>
struct Kind {
    using type = Screen;
};

// Calls the action with the kind of the step's screen.
template <class Action>
auto WithScreen(Step step, Action action) {
    switch (step) {
        case Step::Start:
            return action(Kind<frmAwnSplash>{});
        case Step::Using:
            return action(Kind<frmUsing>{});
        case Step::About:
            return action(Kind<frmAbout>{});
        case Step::OutputFiles:
            return action(Kind<frmPathFileName>{});
        case Step::GeomChoice:
            return action(Kind<frmGeomChoice>{});
        case Step::GeomValues:
            return action(Kind<frmGeomValues>{});
        case Step::HeaderText:
            return action(Kind<frmHeaderText>{});
        case Step::SourceMode:
            return action(Kind<frmSourceMode>{});
        case Step::BeamResults:
            return action(Kind<frmBeamResults>{});
        case Step::DiffuseResults:
            return action(Kind<frmDiffuseResults>{});
        case Step::MatrixResults:
            return action(Kind<frmMatrixResults>{});
        case Step::Saved:
            break;
    }
    return action(Kind<frmSaved>{});
}

}  // namespace

void Show(Step target, const QWidget* placeOf) {
    WithScreen(target, [placeOf](auto kind) { Show<typename decltype(kind)::type>(placeOf); });
}

void HandOver(QWidget* owner, Step target) {
    WithScreen(target, [owner](auto kind) { HandOver<typename decltype(kind)::type>(owner); });
}

void Restart(QWidget* owner, Step target) {
    WithScreen(target, [owner](auto kind) {
        QWidget* fresh = OpenNew<typename decltype(kind)::type>(owner);
        if (fresh == nullptr)
            return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != fresh && qobject_cast<WizardScreen*>(window) && window->isVisible())
                window->close();
        }
    });
}

void CloseIfOpen(Step target) {
    WithScreen(target, [](auto kind) { CloseIfOpen<typename decltype(kind)::type>(); });
}

void BringToFront(QWidget* screen) {
    if (screen->isMinimized()) {
        screen->showNormal();
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
}

namespace {

// F1 on any screen shows the help beside it.
void AddHelpKey(QWidget* screen) {
    auto* help = new QAction(screen);
    help->setObjectName("actHelp");
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(help, &QAction::triggered, screen, [screen] { Show<frmHelp>(screen); });
    screen->addAction(help);
}

}  // namespace

void Place(QWidget* screen, const QWidget* placeOf) {
    AddProjectMenu(screen);
    AddHelpKey(screen);
    NameEntriesByTheirCaptions(screen);
    SizeForDisplay(screen, placeOf);
    const QRect room = (placeOf != nullptr ? placeOf : screen)->screen()->availableGeometry();
    if (placeOf != nullptr) {
        const QPoint at = placeOf->pos();
        screen->move(std::clamp(at.x(), room.left(),
                                std::max(room.left(), room.right() + 1 - screen->width())),
                     std::clamp(at.y(), room.top(),
                                std::max(room.top(), room.bottom() + 1 - screen->height())));
    }
}

}  // namespace Wizard
