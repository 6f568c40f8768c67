#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/Faults.h"
#include "model/ShadingCase.h"
#include "output/DefaultPathFile.h"
#include "output/OutputFiles.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

class OutputFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { ProgramFolder = program.Slash(); }
    std::string PrintFile() const { return data.Slash() + "Umbravel.prt"; }
    std::filesystem::path DefaultPathFile() const { return program.Path() / "DefPath.asc"; }

    TempFolder program;
    TempFolder data;
};

TEST_F(OutputFilesTest, StartingAfreshLeavesOneEmptyLine) {
    WriteBytes(data.Path() / "Umbravel.prt", "an earlier session\r\n");
    StartPrintFileAfresh(PrintFile());
    EXPECT_EQ(ReadBytes(data.Path() / "Umbravel.prt"), "\r\n");
}

TEST_F(OutputFilesTest, AFolderWithoutItsFinalSeparatorNamesFilesBesideIt) {
    const OutputTarget runs{data.Slash() + "runs", "Umbravel.prt"};
    StartPrintFileAfresh(runs.PrintFilePath());
    EXPECT_TRUE(std::filesystem::exists(data.Path() / "runsUmbravel.prt"));
    EXPECT_EQ(runs.PrintFilePath(), data.Slash() + "runsUmbravel.prt");
}

TEST_F(OutputFilesTest, AMissingDataFolderIsAnUnexpectedErrorNamingTheFile) {
    try {
        StartPrintFileAfresh(data.Slash() + "gone/Umbravel.prt");
        FAIL() << "no error";
    } catch (const UnexpectedError& error) {
        EXPECT_NE(std::string(error.what()).find(data.Slash() + "gone/Umbravel.prt"),
                  std::string::npos)
            << error.what();
    }
}

TEST_F(OutputFilesTest, DefaultFolderIsTheProgramFoldersOutFiles) {
    EXPECT_EQ(DefaultDataFolder(), program.Slash() + "OutFiles/");
}

TEST_F(OutputFilesTest, SavedFolderIsOneLineAndReadsBackAsSaved) {
    WriteDefaultPathFile("d:\\runs\\");
    EXPECT_EQ(ReadBytes(DefaultPathFile()), "d:\\runs\\\r\n");
    EXPECT_TRUE(DefaultPathFilePresent());
    EXPECT_EQ(ReadDefaultPathFile(), "d:\\runs\\");
}

// Cutting at the comma lost the saved setting; the whole line is the folder.
TEST_F(OutputFilesTest, AFolderWithACommaSurvivesTheRoundTrip) {
    WriteDefaultPathFile("d:\\a,b\\");
    EXPECT_EQ(ReadDefaultPathFile(), "d:\\a,b\\");
    WriteDefaultPathFile(data.Slash() + "x, y/");
    EXPECT_EQ(ReadDefaultPathFile(), data.Slash() + "x, y/");
}

TEST_F(OutputFilesTest, ReadingTakesTheFirstLineWithoutSurroundingBlanksOrQuotes) {
    const struct {
        std::string bytes;
        std::string folder;
    } rows[] = {
        {"   /home/ann/runs/  \r\nsecond line\r\n", "/home/ann/runs/"},
        {"\"/home/ann/quoted, folder/\" trailing\r\n", "/home/ann/quoted, folder/"},
        {"\"/home/ann/unclosed\r\n", "/home/ann/unclosed"},
        {"/no/line/end/", "/no/line/end/"},
        {"\r\n", ""},
    };
    for (const auto& row : rows) {
        WriteBytes(DefaultPathFile(), row.bytes);
        EXPECT_EQ(ReadDefaultPathFile(), row.folder) << row.bytes;
    }
}

TEST_F(OutputFilesTest, AnEmptyFileOrAnotherLetterCaseCountsAsAbsent) {
    EXPECT_FALSE(DefaultPathFilePresent());
    EXPECT_EQ(ReadDefaultPathFile(), std::nullopt);

    WriteBytes(DefaultPathFile(), "");
    EXPECT_EQ(ReadDefaultPathFile(), std::nullopt);
    std::filesystem::remove(DefaultPathFile());

    WriteBytes(program.Path() / "defpath.asc", "/somewhere/\r\n");
    EXPECT_FALSE(DefaultPathFilePresent());
    EXPECT_EQ(ReadDefaultPathFile(), std::nullopt);
}

TEST_F(OutputFilesTest, DeletingRemovesTheFileAndIsHarmlessWhenAbsent) {
    WriteDefaultPathFile("/somewhere/");
    DeleteDefaultPathFile();
    EXPECT_FALSE(std::filesystem::exists(DefaultPathFile()));
    EXPECT_NO_THROW(DeleteDefaultPathFile());
}

TEST_F(OutputFilesTest, SavingIntoAMissingProgramFolderIsAnUnexpectedError) {
    ProgramFolder = program.Slash() + "missing/";
    EXPECT_THROW(WriteDefaultPathFile("/somewhere/"), UnexpectedError);
    EXPECT_FALSE(DefaultPathFilePresent());
}

TEST(ProgramFolderPath, FollowsTheUserDataFolder) {
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedData ? savedData : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";

    setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(ProgramFolderPath(), "/tmp/xdg-data/Helioran/Umbravel/");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(ProgramFolderPath(), "/home/ann/.local/share/Helioran/Umbravel/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ProgramFolderPath(), "/home/ann/.local/share/Helioran/Umbravel/");

    if (savedData)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
