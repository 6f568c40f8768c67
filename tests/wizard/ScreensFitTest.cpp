#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QTest>
#include <algorithm>
#include <string>

#include "modes/year/EpwText.h"
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
    StartProgram();
    ExpectFits("frmAwnSplash", "cmdContinue");
    Click("frmAwnSplash", "cmdContinue");
    ExpectFits("frmPathFileName", "cmdContinue");
    Click("frmPathFileName", "cmdContinue");
    ExpectFits("frmGeomChoice", "cmdOK");
    // Awning and fins: the most dimensions.
    Click("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    ExpectFits("frmGeomValues", "cmdContinue");
    Click("frmGeomValues", "cmdContinue");
    ExpectFits("frmHeaderText", "cmdContinue");
    Click("frmHeaderText", "cmdContinue");
    ExpectFits("frmSourceMode", "cmdCalculate");

    Click("frmSourceMode", "cmdFromPlace");
    ExpectFits("frmSunFromPlace", "cmdCancel");
    Click("frmSunFromPlace", "cmdCancel");

    const TempFolder folder;
    WriteBytes(folder.Path() / "golden.epw", SteadyDaysEpw());
    Click("frmSourceMode", "cmdShadingYear");
    chosenFiles.push_back((folder.Path() / "golden.epw").string());
    Click("frmShadingYear", "cmdLoadWeather");
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            return Find<QWidget>("frmShadingYear", "lblTotals")
                ->isVisibleTo(Screen("frmShadingYear"));
        },
        20000));
    ExpectFits("frmShadingYear", "cmdClose");
    ExpectStacksWhenNarrow("frmShadingYear", "framePlace", "txtYear");
    Click("frmShadingYear", "cmdSizeDevice");
    ExpectFits("frmSizeDevice", "cmdClose");
    Click("frmSizeDevice", "cmdClose");
    Click("frmShadingYear", "cmdCompare");
    ExpectFits("frmCompareDesigns", "cmdClose");
    ExpectStacksWhenNarrow("frmCompareDesigns", "tblFirst", "tblSecond");
    Click("frmCompareDesigns", "cmdClose");
    Click("frmShadingYear", "cmdClose");

    const struct {
        const char *option, *results, *back, *finish;
    } modes[] = {
        {"optMatrix", "frmMatrixResults", "cmdPrevious", "cmdFinish"},
        {"optDiffuse", "frmDiffuseResults", "cmdNewSource", "cmdFinish"},
        {"OptSingleSun", "frmBeamResults", "cmdNewSource", "cmdFinish"},
    };
    for (const auto& m : modes) {
        Click("frmSourceMode", m.option);
        Click("frmSourceMode", "cmdCalculate");
        ExpectFits(m.results, m.finish);
        Click(m.results, m.back);
    }
}

}  // namespace
