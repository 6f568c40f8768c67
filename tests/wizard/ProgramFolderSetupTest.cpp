#include "wizard/ProgramFolderSetup.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::string BuiltIn(const char* name) {
    QFile file(QString(":/information/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

class ProgramFolderSetupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* dataHome = std::getenv("XDG_DATA_HOME")) {
            saved_ = dataHome;
        }
        setenv("XDG_DATA_HOME", home_.Path().c_str(), 1);
    }
    void TearDown() override {
        if (saved_.empty()) {
            unsetenv("XDG_DATA_HOME");
        } else {
            setenv("XDG_DATA_HOME", saved_.c_str(), 1);
        }
    }
    fs::path Folder() const { return home_.Path() / "Helioran" / "Umbravel"; }

  private:
    TempFolder home_;
    std::string saved_;
};

TEST_F(ProgramFolderSetupTest, TheFirstStartMakesTheFolderItsDataFolderAndTheInformationFiles) {
    PrepareProgramFolder();

    std::set<std::string> entries;
    for (const auto& entry : fs::directory_iterator(Folder())) {
        entries.insert(entry.path().filename().string());
    }
    EXPECT_EQ(entries, (std::set<std::string>{"AWNINFO.txt", "OutFiles", "USINGUMBRAVEL.txt"}));
    EXPECT_TRUE(fs::is_empty(Folder() / "OutFiles"));
    EXPECT_EQ(ReadBytes(Folder() / "USINGUMBRAVEL.txt"), BuiltIn("USINGUMBRAVEL.txt"));
    EXPECT_EQ(ReadBytes(Folder() / "AWNINFO.txt"), BuiltIn("AWNINFO.txt"));
    EXPECT_FALSE(BuiltIn("USINGUMBRAVEL.txt").empty());
    EXPECT_FALSE(BuiltIn("AWNINFO.txt").empty());
}

TEST_F(ProgramFolderSetupTest, LaterStartsKeepTheFilesTheUserHasChanged) {
    PrepareProgramFolder();
    WriteBytes(Folder() / "USINGUMBRAVEL.txt", "my own notes\r\n");
    fs::remove(Folder() / "AWNINFO.txt");

    PrepareProgramFolder();

    EXPECT_EQ(ReadBytes(Folder() / "USINGUMBRAVEL.txt"), "my own notes\r\n");
    EXPECT_EQ(ReadBytes(Folder() / "AWNINFO.txt"), BuiltIn("AWNINFO.txt"));
}

}  // namespace
