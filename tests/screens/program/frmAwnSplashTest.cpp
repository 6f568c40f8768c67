#include <string>

#include "support/WizardFixture.h"

namespace {

class frmAwnSplashTest : public WizardFixture {};

TEST_F(frmAwnSplashTest, OpeningSetsTheVersionAndTheDateOfTheLastChange) {
    StartProgram();
    EXPECT_EQ(Text("frmAwnSplash", "lblVersion"), "Version 3.0  BETA Release");
    EXPECT_EQ(Text("frmAwnSplash", "lblDate"), "2 JUNE 2004");
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
