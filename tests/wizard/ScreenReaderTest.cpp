#include <QAccessible>
#include <QChartView>
#include <QComboBox>
#include <QScrollArea>

#include "screens/kit/Drawings.h"
#include "screens/kit/ShadowView.h"
#include "support/WizardFixture.h"

namespace {

// A screen reader names every control, picture and chart of every screen and says what it does
// or shows.
class ScreenReaderTest : public WizardFixture {
  protected:
    static void ExpectSaid(const char* name) {
        QWidget* screen = Screen(name);
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            const bool picture = qobject_cast<DrawingView*>(w) || dynamic_cast<ShadowView*>(w) ||
                                 qobject_cast<QChartView*>(w);
            if (!(picture || (w->focusPolicy() & Qt::TabFocus)) || !w->isVisibleTo(screen) ||
                IsInnerPart(w))
                continue;
            const QAccessibleInterface* said = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(said, nullptr) << name << " " << qPrintable(w->objectName());
            // A list's interface gives its current item as its name; the reader takes the
            // list's own name beside it.
            const QString heard =
                qobject_cast<QComboBox*>(w) ? w->accessibleName() : said->text(QAccessible::Name);
            EXPECT_FALSE(heard.isEmpty()) << name << " " << qPrintable(w->objectName());
            EXPECT_FALSE(said->text(QAccessible::Description).isEmpty())
                << name << " " << qPrintable(w->objectName()) << " (" << qPrintable(heard) << ")";
        }
    }

    // Spin boxes' own boxes, scroll areas and their viewports are parts of a control or of the
    // screen, not controls.
    static bool IsInnerPart(const QWidget* w) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
        return w->objectName().startsWith("qt_") || qobject_cast<const QScrollArea*>(w) ||
               (area != nullptr && area->viewport() == w);
    }
};

TEST_F(ScreenReaderTest, EveryControlPictureAndChartIsNamedAndDescribed) {
    VisitEveryScreen(ExpectSaid);
}

}  // namespace
