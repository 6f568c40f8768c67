#include <filesystem>
#include <string>

#include "screens/program/InformationFile.h"
#include "support/WizardFixture.h"

namespace {

class frmUsingTest : public WizardFixture {
  protected:
    std::string UsageFile() const { return ProgramFolder() + "USINGUMBRAVEL.txt"; }
};

TEST_F(frmUsingTest, TheHeadingNamesProgramMakerAndToday) {
    WalkTo("frmUsing");
    EXPECT_EQ(Text("frmUsing", "lblAbout"), std::string(15, ' ') + "Umbravel 3.0" +
                                                std::string(21, ' ') + "Helioran" +
                                                std::string(19, ' ') + "12-08-2026");
}

TEST_F(frmUsingTest, TheUsageTextShippedWithTheProgramIsShown) {
    WalkTo("frmUsing");
    EXPECT_EQ(Text("frmUsing", "txtUsing").rfind("USING UMBRAVEL\n", 0), 0u);
}

struct UsageFile {
    const char* name;
    std::string bytes;
    std::string read;   // as the screen holds it, line ends included
    std::string shown;  // as the box gives it back
};

class frmUsingReadingTest : public frmUsingTest, public ::testing::WithParamInterface<UsageFile> {};

TEST_P(frmUsingReadingTest, EveryLineIsFollowedByALineBreak) {
    WriteBytes(UsageFile(), GetParam().bytes);
    EXPECT_EQ(ReadInformationText(UsageFile()), GetParam().read);
    WalkTo("frmUsing");
    EXPECT_EQ(Text("frmUsing", "txtUsing"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, frmUsingReadingTest,
    ::testing::Values(UsageFile{"ThreeLines", "one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree\r\n",
                                "one\ntwo\nthree\n"},
                      UsageFile{"LastLineWithoutEnd", "one\r\ntwo", "one\r\ntwo\r\n", "one\ntwo\n"},
                      UsageFile{"CarriageReturnsAlone", "one\rtwo\r", "one\r\ntwo\r\n",
                                "one\ntwo\n"},
                      UsageFile{"LineFeedsAlone", "one\ntwo\n", "one\r\ntwo\r\n", "one\ntwo\n"},
                      UsageFile{"EmptyLineKept", "one\r\n\r\n  two  \r\n", "one\r\n\r\n  two  \r\n",
                                "one\n\n  two  \n"},
                      UsageFile{"Empty", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(frmUsingTest, AMissingUsageFileEndsTheProgramAndTheScreenIsNeverShown) {
    std::filesystem::remove(UsageFile());
    StartProgram();
    Click("frmAwnSplash", "cmdAbout");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(UsageFile()), std::string::npos) << messages[0];
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmAwnSplash"});
}

}  // namespace
