#include <filesystem>
#include <string>

#include "support/WizardFixture.h"

namespace {

class frmAboutTest : public WizardFixture {};

TEST_F(frmAboutTest, ShowsTheAboutFileOfTheProgramFolder) {
    WriteBytes(ProgramFolder() + "AWNINFO.txt", "first\r\nsecond");
    WalkTo("frmAbout");
    EXPECT_EQ(Text("frmAbout", "txtAbout"), "first\nsecond\n");
    EXPECT_EQ(Text("frmAbout", "lblScroll"), "Scroll down to read text");
}

TEST_F(frmAboutTest, AMissingAboutFileEndsTheProgramAndTheScreenIsNeverShown) {
    std::filesystem::remove(ProgramFolder() + "AWNINFO.txt");
    WalkTo("frmUsing");
    Click("frmUsing", "cmdAbout");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("AWNINFO.txt"), std::string::npos) << messages[0];
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens(), (std::set<std::string>{"frmAwnSplash", "frmUsing"}));
}

}  // namespace
