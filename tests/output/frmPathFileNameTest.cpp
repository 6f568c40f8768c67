#include <QLabel>
#include <filesystem>
#include <string>

#include "model/mduUmbravel.h"
#include "support/WizardFixture.h"

using namespace mduUmbravel;

namespace {

class frmPathFileNameTest : public WizardFixture {
  protected:
    std::string DefaultPathFile() const { return ProgramFolder() + "DefPath.asc"; }
    bool Appending() { return Find<QLabel>("frmPathFileName", "lblAppending")->isVisible(); }

    // Leaves the screen and opens it afresh.
    void Revisit() {
        Click("frmPathFileName", "cmdPrev");
        Click("frmAwnSplash", "cmdContinue");
    }
};

TEST_F(frmPathFileNameTest, WithoutADefaultFolderTheProgramsOwnDataFolderIsProposed) {
    WalkTo("frmPathFileName");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
    EXPECT_EQ(Text("frmPathFileName", "txtPrintFileName"), "Umbravel.prt");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), DataFolder() + "Umbravel.prt");
    EXPECT_EQ(mduUmbravel::ProgramFolder, ProgramFolder());
    EXPECT_EQ(DataPath, DataFolder());
    EXPECT_EQ(PrintFileName, "Umbravel.prt");
    EXPECT_FALSE(Appending());
}

TEST_F(frmPathFileNameTest, TheDefaultFolderIsSavedAndOfferedOnTheNextVisit) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", "d/runs/");
    Click("frmPathFileName", "cmdDefault");
    EXPECT_EQ(ReadBytes(DefaultPathFile()), "d/runs/\r\n");
    TypeOver("frmPathFileName", "txtPath", "elsewhere/");
    Revisit();
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), "d/runs/");
    EXPECT_EQ(DataPath, "d/runs/");
}

TEST_F(frmPathFileNameTest, RestoreGoesBackToTheProgramsFolderAndForgetsTheDefault) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", "d/runs/");
    Click("frmPathFileName", "cmdDefault");
    Click("frmPathFileName", "cmdRestore");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
    EXPECT_EQ(DataPath, DataFolder());
    EXPECT_FALSE(std::filesystem::exists(DefaultPathFile()));
    Click("frmPathFileName", "cmdRestore");
    EXPECT_TRUE(messages.empty());
    Revisit();
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
}

TEST_F(frmPathFileNameTest, ADefaultPathFileInAnotherLetterCaseCountsAsAbsent) {
    WriteBytes(ProgramFolder() + "defpath.asc", "d/runs/\r\n");
    WalkTo("frmPathFileName");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
}

TEST_F(frmPathFileNameTest, TheValuesAndThePathLabelFollowBothBoxes) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", "run");
    EXPECT_EQ(DataPath, "run");
    Type("frmPathFileName", "txtPath", "s");
    EXPECT_EQ(DataPath, "runs");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), "runsUmbravel.prt");
    TypeOver("frmPathFileName", "txtPrintFileName", "");
    EXPECT_EQ(PrintFileName, "");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), "runs");
    Type("frmPathFileName", "txtPrintFileName", "a.prt");
    EXPECT_EQ(PrintFileName, "a.prt");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), "runsa.prt");
}

TEST_F(frmPathFileNameTest, ContinueStartsTheNamedPrintFileAfresh) {
    WriteBytes(DataFolder() + "old.prt", "earlier results\r\n");
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPrintFileName", "old.prt");
    Click("frmPathFileName", "cmdContinue");
    EXPECT_EQ(ReadBytes(DataFolder() + "old.prt"), "\r\n");
}

TEST_F(frmPathFileNameTest, AppendingLeavesThePrintFileAsItIs) {
    WriteBytes(DataFolder() + "Umbravel.prt", "earlier results\r\n");
    WalkTo("frmPathFileName");
    Click("frmPathFileName", "cmdKeep");
    EXPECT_TRUE(Appending());
    EXPECT_EQ(AppendToPrintFile, 1);
    Click("frmPathFileName", "cmdContinue");
    EXPECT_EQ(ReadBytes(DataFolder() + "Umbravel.prt"), "earlier results\r\n");
}

TEST_F(frmPathFileNameTest, AnotherVisitClearsTheAppendChoice) {
    WalkTo("frmPathFileName");
    Click("frmPathFileName", "cmdKeep");
    Click("frmPathFileName", "cmdContinue");
    Click("frmGeomChoice", "cmdPrevious");
    EXPECT_FALSE(Appending());
    EXPECT_EQ(AppendToPrintFile, 0);
}

TEST_F(frmPathFileNameTest, AMissingDataFolderOnContinueShowsTheErrorAndEndsTheProgram) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", ProgramFolder() + "missing/");
    Click("frmPathFileName", "cmdContinue");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("missing/Umbravel.prt"), std::string::npos) << messages[0];
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmPathFileName"});
}

}  // namespace
