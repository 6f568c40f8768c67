#include <QLabel>
#include <string>

#include "support/WizardFixture.h"

namespace {

class frmAwnSplashTest : public WizardFixture {};

// The screen speaks of this release: its version, its licence and where it keeps its files, and
// no words of a draft.
TEST_F(frmAwnSplashTest, TheScreenShowsTheReleaseAndNoDraftWords) {
    StartProgram();
    EXPECT_EQ(Text("frmAwnSplash", "lblVersion"), "Version 3.0");
    EXPECT_EQ(Text("frmAwnSplash", "lblCity"), "Free software under the MIT licence");
    EXPECT_EQ(Text("frmAwnSplash", "lblPhone"),
              "Files and default data folder: " + ProgramFolder());
    std::string shown;
    for (const QLabel* label : Screen("frmAwnSplash")->findChildren<QLabel*>()) {
        shown += label->text().toStdString() + "\n";
    }
    for (const char* draftWords : {"BETA", "DRAFT", "Do Not Distribute", "2004", "Last modified"}) {
        EXPECT_EQ(shown.find(draftWords), std::string::npos) << draftWords << " in\n" << shown;
    }
}

TEST_F(frmAwnSplashTest, TheDescriptionKeepsItsQuotesAndBlanksLineByLine) {
    StartProgram();
    const std::string expected =
        std::string("Umbravel calculates the \"UnShaded \n") +
        "Fraction\" (USF) of a vertical window's area \n" +
        "for a specified sun position. It also \n" + "calculates the USF averaged over a \n" +
        "quarter-spherical solid angle, thereby \n" + "producing the diffuse USF (<USF>)." +
        std::string(14, ' ') + "\n" + std::string(77, ' ') + "\n" + " The shading which can be \n" +
        "accommodated includes a horizontal \n" + "overhang, an overhang with side fins," +
        std::string(10, ' ') + "\n" + "and an awning, with and without side fins." +
        std::string(4, ' ') + "\n";
    EXPECT_EQ(Text("frmAwnSplash", "txtAbout"), expected);
}

}  // namespace
