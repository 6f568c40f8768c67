#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <algorithm>
#include <map>
#include <string>

#include "screens/kit/DisplayFit.h"
#include "support/WizardFixture.h"

namespace {

// Every screen is usable on a 1366×768 display at 100 % scale, and on a 1920×1080 one at 200 %
// (960×540 logical pixels): the size it opens at and the least size it can be given leave room
// for the panel and the window frame, and on the small display its closing button stays in view.
class ScreensFitTest : public WizardFixture {
  protected:
    static void ExpectFits(const char* name, const char* closing) {
        QWidget* screen = Screen(name);
        QSize opened = screen->sizeHint();
        // As the wizard places it: wrapping captions take the height they need at that width.
        if (const QLayout* layout = screen->layout(); layout && layout->hasHeightForWidth())
            opened.setHeight(layout->totalHeightForWidth(opened.width()));
        for (const QSize& size : {screen->sizeHint(), opened, screen->minimumSizeHint()})
            ExpectWithin(name, size, {1366, 700});

        const QSize doubleScale(960, 472);
        FitRoom(screen, doubleScale);
        // Any width from its least to the display's: the lower of the heights at the two ends.
        QSize least = screen->minimumSizeHint();
        if (const QLayout* layout = screen->layout(); layout && layout->hasHeightForWidth())
            least.setHeight(std::min(layout->totalHeightForWidth(least.width()),
                                     layout->totalHeightForWidth(doubleScale.width())));
        ExpectWithin(name, least, doubleScale);
        const auto* scrolling = screen->findChild<QScrollArea*>("scrScreen");
        EXPECT_FALSE(scrolling && scrolling->isAncestorOf(Find<QWidget>(name, closing)))
            << name << ": " << closing << " scrolls out of view";
    }

    // Parts that stand side by side on a wide screen stand one under the other on a narrow one.
    static void ExpectStacksWhenNarrow(const char* name, const char* first, const char* second) {
        QWidget* screen = Screen(name);
        const auto at = [&](const char* part) {
            return Find<QWidget>(name, part)->mapTo(screen, QPoint(0, 0));
        };
        // Laid out again twice: the screen's own layout, then the scrolling content's.
        const auto resize = [screen](int width) {
            screen->resize(width, screen->height());
            QApplication::processEvents();
            QApplication::processEvents();
        };
        resize(1366);
        EXPECT_GT(at(second).x(), at(first).x()) << name << " wide";
        resize(960);
        EXPECT_GE(at(second).y(), at(first).y() + Find<QWidget>(name, first)->height())
            << name << " narrow";
    }

    static void ExpectWithin(const char* name, QSize size, QSize room) {
        EXPECT_LE(size.width(), room.width())
            << name << " " << size.width() << "×" << size.height() << " in " << room.width();
        EXPECT_LE(size.height(), room.height())
            << name << " " << size.width() << "×" << size.height() << " in " << room.height();
    }
};

TEST_F(ScreensFitTest, EveryScreenFitsALaptopAndADoubleScaleDisplay) {
    // The button that ends or leaves each screen, which must stay in view.
    const std::map<std::string, const char*> closing = {
        {"frmAwnSplash", "cmdContinue"},
        {"frmUsing", "cmdContinue"},
        {"frmAbout", "cmdReturn"},
        {"frmHelp", "cmdClose"},
        {"frmPathFileName", "cmdContinue"},
        {"frmGeomChoice", "cmdOK"},
        {"frmGeomValues", "cmdContinue"},
        {"frmHeaderText", "cmdContinue"},
        {"frmSourceMode", "cmdCalculate"},
        {"frmSunFromPlace", "cmdCancel"},
        {"frmShadingYear", "cmdClose"},
        {"frmSizeDevice", "cmdClose"},
        {"frmCompareDesigns", "cmdClose"},
        {"frmMatrixResults", "cmdFinish"},
        {"frmDiffuseResults", "cmdFinish"},
        {"frmBeamResults", "cmdFinish"},
        {"frmSaved", "cmdExit"},
        {"frmViewPrint", "cmdClose"},
    };
    VisitEveryScreen([&](const char* name) {
        ASSERT_EQ(closing.count(name), 1u) << name;
        ExpectFits(name, closing.at(name));
        if (std::string(name) == "frmShadingYear")
            ExpectStacksWhenNarrow(name, "framePlace", "txtYear");
        if (std::string(name) == "frmCompareDesigns")
            ExpectStacksWhenNarrow(name, "tblFirst", "tblSecond");
    });
}

}  // namespace
