#include <QLayout>
#include <QTest>
#include <string>

#include "modes/year/EpwText.h"
#include "support/WizardFixture.h"

namespace {

// Every screen is usable on a 1366×768 display at 100 % scale: the size it opens at and the
// least size it can be given leave room for the panel and the window frame.
class ScreensFitTest : public WizardFixture {
  protected:
    static void ExpectFits(const char* name) {
        const QWidget* screen = Screen(name);
        QSize opened = screen->sizeHint();
        // As the wizard places it: wrapping captions take the height they need at that width.
        if (const QLayout* layout = screen->layout(); layout && layout->hasHeightForWidth())
            opened.setHeight(layout->totalHeightForWidth(opened.width()));
        for (const QSize& size : {screen->sizeHint(), opened, screen->minimumSizeHint()}) {
            EXPECT_LE(size.width(), 1366) << name << " " << size.width() << "×" << size.height();
            EXPECT_LE(size.height(), 700) << name << " " << size.width() << "×" << size.height();
        }
    }
};

TEST_F(ScreensFitTest, EveryScreenFitsALaptopDisplay) {
    StartProgram();
    ExpectFits("frmAwnSplash");
    Click("frmAwnSplash", "cmdContinue");
    ExpectFits("frmPathFileName");
    Click("frmPathFileName", "cmdContinue");
    ExpectFits("frmGeomChoice");
    // Awning and fins: the most dimensions.
    Click("frmGeomChoice", "OptGeom3");
    Click("frmGeomChoice", "cmdOK");
    ExpectFits("frmGeomValues");
    Click("frmGeomValues", "cmdContinue");
    ExpectFits("frmHeaderText");
    Click("frmHeaderText", "cmdContinue");
    ExpectFits("frmSourceMode");

    Click("frmSourceMode", "cmdFromPlace");
    ExpectFits("frmSunFromPlace");
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
    ExpectFits("frmShadingYear");
    Click("frmShadingYear", "cmdClose");

    const struct {
        const char *option, *results, *back;
    } modes[] = {
        {"optMatrix", "frmMatrixResults", "cmdPrevious"},
        {"optDiffuse", "frmDiffuseResults", "cmdNewSource"},
        {"OptSingleSun", "frmBeamResults", "cmdNewSource"},
    };
    for (const auto& m : modes) {
        Click("frmSourceMode", m.option);
        Click("frmSourceMode", "cmdCalculate");
        ExpectFits(m.results);
        Click(m.results, m.back);
    }
}

}  // namespace
