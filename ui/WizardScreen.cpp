#include "ui/WizardScreen.h"

#include <QKeyEvent>
#include <QLayout>

#include "ui/EventGuard.h"

WizardScreen::WizardScreen(const char* name, const QString& title) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

bool WizardScreen::Open() {
    return Guarded([this] { Form_Load(); });
}

void WizardScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Wrapping captions and drawings that keep their shape need more height as the screen narrows.
// Qt sets a window's minimum size without them, so the screen follows its own width here.
void WizardScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (layout() != nullptr && layout()->hasHeightForWidth()) {
        setMinimumHeight(layout()->totalHeightForWidth(width()));
    }
}
