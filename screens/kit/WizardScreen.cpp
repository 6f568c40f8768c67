#include "screens/kit/WizardScreen.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "screens/kit/DisplayFit.h"
#include "screens/kit/EventGuard.h"

WizardScreen::WizardScreen(const char* name, const QString& title) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

// As the toolkit takes the children down, a box losing the focus may still report that its
// editing ended; the screen whose handlers would take it is gone by then.
WizardScreen::~WizardScreen() {
    for (QWidget* child : findChildren<QWidget*>())
        child->blockSignals(true);
}

bool WizardScreen::Open() {
    return Guarded([this] { Form_Load(); });
}

// A focused button lets Enter pass to its screen (it is never an auto-default button, so that
// Qt gives no default to the screens that have none): Enter presses the focused button here.
// Enter from a text box or an option reaches the dialog's own handling of the default button.
void WizardScreen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        event->accept();
        if (closesOnEscape_)
            close();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
            focused != nullptr && focused->isEnabled()) {
            event->accept();
            focused->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// Wrapping captions and drawings that keep their shape need more height as the screen narrows.
// Qt sets a window's minimum size without them, so the screen follows its own width here, and
// never narrows so far that it would grow taller than the display. Content that grows past the
// display as the screen works (a year's figures coming in) scrolls instead.
void WizardScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize room = ClientRoom(this);
    if (isVisible() && (width() > room.width() || height() > room.height())) {
        QMetaObject::invokeMethod(
            this, [this] { ScrollWithinDisplay(); }, Qt::QueuedConnection);
    }
    ArrangeByWidth();
    if (layout() == nullptr || !layout()->hasHeightForWidth()) {
        return;
    }
    if (narrowestWidth_ == 0) {
        // Styled as it will be shown: a screen resized before it is shown is not yet.
        ensurePolished();
        narrowestWidth_ = NarrowestFittingWidth();
        setMinimumWidth(narrowestWidth_);
    }
    setMinimumHeight(layout()->totalHeightForWidth(width()));
}

void WizardScreen::ScrollWithinDisplay() {
    const QSize room = ClientRoom(this);
    FitRoom(this, room);
    if (layout()->hasHeightForWidth()) {
        // Still whole: wide enough for the height its content has now.
        narrowestWidth_ = NarrowestFittingWidth();
        setMinimumWidth(narrowestWidth_);
        resize(std::max(width(), narrowestWidth_), height());
        return;
    }
    // The least size the screen followed while its captions wrapped is its layout's now.
    layout()->activate();
    setMinimumSize(layout()->totalMinimumSize());
    resize(size().boundedTo(room).expandedTo(minimumSize()));
    // A new scroll bar leaves less room beside it, whether or not the size changed.
    ArrangeByWidth();
}

void WizardScreen::ArrangeByWidth() {
    if (sideBySide_.empty())
        return;
    // Styled as shown, and measured side by side as built.
    ensurePolished();
    const int bar = ScrollsWhole(this) ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    for (SideBySide& s : sideBySide_) {
        if (s.wide == 0)
            s.wide = s.box->sizeHint().width() + s.margins + 2 * layout()->contentsMargins().left();
        s.box->setDirection(width() >= s.wide + bar ? QBoxLayout::LeftToRight
                                                    : QBoxLayout::TopToBottom);
    }
}

// The least width at which the screen's height, window frame included, fits the display; the
// display's width when none does. Heights only fall as the width grows, so halving finds it.
int WizardScreen::NarrowestFittingWidth() const {
    const QSize room = ClientRoom(this);
    const int fittingHeight = room.height();
    int narrow = layout()->totalMinimumSize().width();
    int wide = std::max(narrow, room.width());
    if (layout()->totalHeightForWidth(narrow) <= fittingHeight) {
        return narrow;
    }
    while (wide - narrow > 1) {
        const int middle = (narrow + wide) / 2;
        if (layout()->totalHeightForWidth(middle) <= fittingHeight) {
            wide = middle;
        } else {
            narrow = middle;
        }
    }
    return wide;
}
