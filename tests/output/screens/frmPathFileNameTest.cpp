#include <QLabel>
#include <QLineEdit>
#include <filesystem>
#include <set>
#include <string>

#include "base/PathText.h"
#include "output/OutputFiles.h"
#include "screens/kit/mduUmbravel.h"
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

// Saved as "Continue" would use it: with its final separator.
// The default is saved for later runs; within this run the folder last typed stays.
TEST_F(frmPathFileNameTest, TheDefaultFolderIsSavedAndTheFolderLastTypedKept) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", "d/runs");
    Click("frmPathFileName", "cmdDefault");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), "d/runs/");
    EXPECT_EQ(ReadBytes(DefaultPathFile()), "d/runs/\r\n");
    EXPECT_EQ(Text("frmPathFileName", "lblStatus"), "The default folder is now d/runs/.");
    TypeOver("frmPathFileName", "txtPath", "elsewhere/");
    Revisit();
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), "elsewhere/");
    EXPECT_EQ(DataPath, "elsewhere/");
    EXPECT_EQ(ReadBytes(DefaultPathFile()), "d/runs/\r\n");
}

TEST_F(frmPathFileNameTest, TheSavedDefaultFolderIsOfferedWhenTheProgramStarts) {
    WriteBytes(DefaultPathFile(), "d/runs/\r\n");
    WalkTo("frmPathFileName");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), "d/runs/");
}

TEST_F(frmPathFileNameTest, RestoreGoesBackToTheProgramsFolderAndForgetsTheDefault) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", "d/runs/");
    Click("frmPathFileName", "cmdDefault");
    Click("frmPathFileName", "cmdRestore");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
    EXPECT_EQ(DataPath, DataFolder());
    EXPECT_FALSE(std::filesystem::exists(DefaultPathFile()));
    EXPECT_EQ(Text("frmPathFileName", "lblStatus"),
              "The default folder is the program's own again: " + DataFolder() + ".");
    Click("frmPathFileName", "cmdRestore");
    EXPECT_TRUE(messages.empty());
    Revisit();
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
}

TEST_F(frmPathFileNameTest, TheHintNamesTheProgramsOwnDataFolder) {
    WalkTo("frmPathFileName");
    const std::string hint = Text("frmPathFileName", "lblHint");
    EXPECT_NE(hint.find(" is " + DataFolder() + "."), std::string::npos) << hint;
    EXPECT_EQ(hint.find("Documents"), std::string::npos) << hint;
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

TEST_F(frmPathFileNameTest, AnUnusableDefaultPathFileIsToldOnceAndTheOwnFolderProposed) {
    WriteBytes(DefaultPathFile(), "\x89\xfe\x01garbage");
    WalkTo("frmPathFileName");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("DefPath.asc"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("control characters"), std::string::npos) << messages[0];
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
    Revisit();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(frmPathFileNameTest, BrowseFillsTheFolderBoxAsTypingWould) {
    WalkTo("frmPathFileName");
    chosenFolders.push_back(DataFolder() + "picked");
    Click("frmPathFileName", "cmdBrowse");
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), DataFolder() + "picked/");
    EXPECT_EQ(DataPath, DataFolder() + "picked/");
    EXPECT_EQ(Text("frmPathFileName", "lblPrintFilePath"), DataFolder() + "picked/Umbravel.prt");
    Click("frmPathFileName", "cmdBrowse");  // cancelled
    EXPECT_EQ(DataPath, DataFolder() + "picked/");
}

TEST_F(frmPathFileNameTest, AMissingFolderIsCreatedOnRequestWithItsFinalSeparatorAdded) {
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPath", DataFolder() + "new/deeper");
    answers.push_back("Create Folder");
    Click("frmPathFileName", "cmdContinue");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("deeper/ does not exist"), std::string::npos) << questions[0];
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmGeomChoice"});
    EXPECT_EQ(DataPath, DataFolder() + "new/deeper/");
    EXPECT_EQ(ReadBytes(DataFolder() + "new/deeper/Umbravel.prt"), "\r\n");
    EXPECT_FALSE(std::filesystem::exists(DataFolder() + "new/deeperUmbravel.prt"));
}

// "Continue" over a print file: a new or freshly started file is started afresh at once; one
// holding earlier results is started afresh only when the user says so.
struct AfreshCase {
    const char* name;
    const char* earlier;  // the print file's bytes before, nullptr when there is none
    const char* answer;   // to the afresh question, nullptr when none is expected
    const char* after;
    std::set<std::string> opensAfter;
    int appendChoice;
};

void PrintTo(const AfreshCase& row, std::ostream* out) {
    *out << row.name;
}

class frmPathFileNameAfreshTest : public frmPathFileNameTest,
                                  public ::testing::WithParamInterface<AfreshCase> {};

TEST_P(frmPathFileNameAfreshTest, EarlierResultsAreDeletedOnlyWhenTheUserSaysSo) {
    const AfreshCase& row = GetParam();
    const std::string printFile = DataFolder() + "old.prt";
    if (row.earlier != nullptr) {
        WriteBytes(printFile, row.earlier);
    }
    WalkTo("frmPathFileName");
    TypeOver("frmPathFileName", "txtPrintFileName", "old.prt");
    if (row.answer != nullptr) {
        answers.push_back(row.answer);
    }
    Click("frmPathFileName", "cmdContinue");

    ASSERT_EQ(questions.size(), row.answer != nullptr ? 1u : 0u);
    if (row.answer != nullptr) {
        EXPECT_NE(questions[0].find(printFile), std::string::npos) << questions[0];
        EXPECT_NE(questions[0].find("lost"), std::string::npos) << questions[0];
    }
    EXPECT_EQ(ReadBytes(printFile), row.after);
    EXPECT_EQ(OpenScreens(), row.opensAfter);
    EXPECT_EQ(AppendToPrintFile, row.appendChoice);
    EXPECT_EQ(PrintFileName, "old.prt");
}

const std::string kEarlier = "\r\nan earlier section\r\n";

INSTANTIATE_TEST_SUITE_P(
    EveryAnswer, frmPathFileNameAfreshTest,
    ::testing::Values(
        AfreshCase{"NewFile", nullptr, nullptr, "\r\n", {"frmGeomChoice"}, 0},
        AfreshCase{"EmptyFile", "", nullptr, "\r\n", {"frmGeomChoice"}, 0},
        AfreshCase{"FreshFile", "\r\n", nullptr, "\r\n", {"frmGeomChoice"}, 0},
        AfreshCase{"StartAfresh", kEarlier.c_str(), "Start Afresh", "\r\n", {"frmGeomChoice"}, 0},
        AfreshCase{"AppendInstead",
                   kEarlier.c_str(),
                   "Append Instead",
                   kEarlier.c_str(),
                   {"frmGeomChoice"},
                   1},
        AfreshCase{
            "StayHere", kEarlier.c_str(), "Stay Here", kEarlier.c_str(), {"frmPathFileName"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A mistake in either box, told at "Continue": the user stays on the screen with both entries
// as typed, and nothing is written anywhere.
struct PlaceCase {
    const char* name;
    std::string folder;  // "@" stands for the data folder
    std::string printFile;
    const char* madeBefore;  // a file ("name") or folder ("name/") made in the data folder
    const char* answer;      // to the question to create a missing folder
    const char* says;        // in the message, nullptr when there is none
};

void PrintTo(const PlaceCase& row, std::ostream* out) {
    *out << row.name;
}

class frmPathFileNamePlaceTest : public frmPathFileNameTest,
                                 public ::testing::WithParamInterface<PlaceCase> {
  protected:
    std::set<std::string> EverythingUnderProgramFolder() const {
        std::set<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(ProgramFolder())) {
            paths.insert(entry.path().string());
        }
        return paths;
    }

    // Typed key by key; a text with control characters is pasted, as no key types them.
    void Enter(const char* box, const std::string& text) {
        if (HoldsControlCharacter(text)) {
            auto* edit = Find<QLineEdit>("frmPathFileName", box);
            edit->selectAll();
            edit->insert(QString::fromStdString(text));
        } else {
            TypeOver("frmPathFileName", box, text);
        }
    }
};

TEST_P(frmPathFileNamePlaceTest, TheUserStaysWithEveryEntryAndNothingIsWritten) {
    const PlaceCase& row = GetParam();
    std::string folder = row.folder;
    if (!folder.empty() && folder.front() == '@') {
        folder.replace(0, 1, DataFolder());
    }
    if (row.madeBefore != nullptr) {
        const std::string made = DataFolder() + row.madeBefore;
        if (made.back() == '/') {
            std::filesystem::create_directory(made);
        } else {
            WriteBytes(made, "");
        }
    }
    WalkTo("frmPathFileName");
    Enter("txtPath", folder);
    Enter("txtPrintFileName", row.printFile);
    const auto before = EverythingUnderProgramFolder();
    if (row.answer != nullptr) {
        answers.push_back(row.answer);
    }
    Click("frmPathFileName", "cmdContinue");

    EXPECT_EQ(questions.size(), row.answer != nullptr ? 1u : 0u);
    ASSERT_EQ(messages.size(), row.says != nullptr ? 1u : 0u);
    if (row.says != nullptr) {
        EXPECT_NE(messages[0].find(row.says), std::string::npos) << messages[0];
    }
    EXPECT_EQ(OpenScreens(), std::set<std::string>{"frmPathFileName"});
    EXPECT_EQ(Text("frmPathFileName", "txtPath"), folder);
    EXPECT_EQ(Text("frmPathFileName", "txtPrintFileName"), row.printFile);
    EXPECT_EQ(EverythingUnderProgramFolder(), before);
    EXPECT_EQ(programEnds, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFault, frmPathFileNamePlaceTest,
    ::testing::Values(
        PlaceCase{"NoFolder", "", "Umbravel.prt", nullptr, nullptr, "No folder"},
        PlaceCase{"FolderWithATab", "@a\tb/", "Umbravel.prt", nullptr, nullptr,
                  "control character"},
        PlaceCase{"MissingFolderNotCreated", "@new/", "Umbravel.prt", nullptr, "Stay Here",
                  nullptr},
        PlaceCase{"FolderIsAFile", "@afile/", "Umbravel.prt", "afile", nullptr,
                  "is a file, not a folder"},
        PlaceCase{"FolderNotWritable", "/proc/", "Umbravel.prt", nullptr, nullptr,
                  "cannot be written"},
        PlaceCase{"NoName", "@", "", nullptr, nullptr, "No print file name"},
        PlaceCase{"NameWithASeparator", "@", "runs/a.prt", nullptr, nullptr, "separates folders"},
        PlaceCase{"NameWithALineBreak", "@", "a\nb.prt", nullptr, nullptr, "control character"},
        PlaceCase{"NameIsAFolder", "@", "sub", "sub/", nullptr, "is a folder"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
