#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "modes/year/EpwText.h"
#include "support/BatchProgram.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Every name in the folder with its bytes; folders show as "<folder>".
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        files[name] = entry.is_symlink()     ? "-> " + fs::read_symlink(entry.path()).string()
                      : entry.is_directory() ? "<folder>"
                                             : ReadBytes(entry.path());
    }
    return files;
}

// The program started with the arguments, standard output and error thrown away.
pid_t Start(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(UMBRAVEL_BATCH_PATH)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    posix_spawn(&child, UMBRAVEL_BATCH_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

class OutputSet : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder.Path() / "w.epw", SteadyDaysEpw());
        WriteBytes(folder.Path() / "Umbravel.prt", "old print\r\n");
        WriteBytes(folder.Path() / "h.csv", "old hours\r\n");
        WriteBytes(folder.Path() / "m.csv", "old months\r\n");
        fs::create_directory(folder.Path() / "adir");
    }
    std::string Year(const std::string& more) const {
        const std::string f = folder.Slash();
        return "--folder " + f + " --mode year --facing 200 --fin-side right --year 2025 " +
               "--weather " + f + "w.epw " + more;
    }
    int Run(const std::string& arguments) {
        return RunBatchProgram(arguments, (folder.Path() / "err.txt").string()).status;
    }
    std::string Err() const { return ReadBytes(folder.Path() / "err.txt"); }
    TempFolder folder;
};

// A file that cannot be written, whichever it is, leaves every file as it was.
TEST_F(OutputSet, AnyOutputThatCannotBeWrittenLeavesEveryFileAsItWas) {
    const std::string f = folder.Slash();
    const std::string fine = "--csv " + f + "h.csv --monthly-csv " + f + "m.csv";
    const struct {
        const char* name;
        std::string arguments;
    } faults[] = {
        {"hourly in a missing folder", "--csv " + f + "none/h.csv --monthly-csv " + f + "m.csv"},
        {"hourly a folder", "--csv " + f + "adir --monthly-csv " + f + "m.csv"},
        {"hourly a full disk", "--csv /dev/full --monthly-csv " + f + "m.csv"},
        {"monthly in a missing folder", "--csv " + f + "h.csv --monthly-csv " + f + "none/m.csv"},
        {"monthly a folder", "--csv " + f + "h.csv --monthly-csv " + f + "adir"},
        {"monthly a full disk", "--csv " + f + "h.csv --monthly-csv /dev/full"},
        {"print file a folder", fine + " --print-file adir"},
        {"hourly named twice", "--csv " + f + "h.csv --monthly-csv " + f + "./h.csv"},
        {"hourly is the print file", "--csv " + f + "Umbravel.prt --monthly-csv " + f + "m.csv"},
    };
    const auto before = Snapshot(folder.Path());
    for (const auto& fault : faults) {
        EXPECT_EQ(Run(Year(fault.arguments)), 1) << fault.name << ": " << Err();
        fs::remove(folder.Path() / "err.txt");
        EXPECT_EQ(Snapshot(folder.Path()), before) << fault.name;
    }
    // The same run with every file writable replaces both tables and then the print file.
    EXPECT_EQ(Run(Year(fine)), 0) << Err();
    EXPECT_TRUE(ReadBytes(folder.Path() / "Umbravel.prt")
                    .starts_with("\r\nUMBRAVEL 3.0 Shading Over the Year\r\n"));
    EXPECT_NE(ReadBytes(folder.Path() / "m.csv"), "old months\r\n");
}

TEST_F(OutputSet, AMatrixDataFileThatCannotBeWrittenLeavesTheOthers) {
    for (int k = 1; k <= 5; ++k)
        WriteBytes(folder.Path() / ("AWNONLY" + std::to_string(k) + ".DAT"), "earlier\r\n");
    fs::remove(folder.Path() / "AWNONLY3.DAT");
    fs::create_symlink("/dev/full", folder.Path() / "AWNONLY3.DAT");
    const auto before = Snapshot(folder.Path());
    EXPECT_EQ(Run("--folder " + folder.Slash() + " --mode matrix --append"), 1);
    fs::remove(folder.Path() / "err.txt");
    EXPECT_EQ(Snapshot(folder.Path()), before);
}

// Links at output paths are refused, a dangling one too: the link and its target stay.
TEST_F(OutputSet, LinksAtOutputPathsAreRefused) {
    TempFolder elsewhere;
    WriteBytes(elsewhere.Path() / "target", "target\r\n");
    WriteBytes(folder.Path() / "cases.csv", "projection\n1\n");
    const std::string f = folder.Slash();
    const struct {
        const char* link;
        std::string arguments;
    } links[] = {
        {"Umbravel.prt", Year("--csv " + f + "h.csv")},
        {"h.csv", Year("--csv " + f + "h.csv")},
        {"AWNONLY1.DAT", "--folder " + f + " --mode matrix --append"},
        {"results.csv",
         "--folder " + f + " --cases " + f + "cases.csv --results " + f + "results.csv"},
    };
    for (const auto& row : links) {
        for (const std::string target : {"target", "missing"}) {
            fs::remove(folder.Path() / row.link);
            fs::create_symlink(elsewhere.Path() / target, folder.Path() / row.link);
            const auto before = Snapshot(folder.Path());
            EXPECT_EQ(Run(row.arguments), 1) << row.link << " to " << target << ": " << Err();
            EXPECT_NE(Err().find("symbolic link"), std::string::npos) << Err();
            fs::remove(folder.Path() / "err.txt");
            EXPECT_EQ(Snapshot(folder.Path()), before) << row.link << " to " << target;
            EXPECT_EQ(Snapshot(elsewhere.Path()),
                      (std::map<std::string, std::string>{{"target", "target\r\n"}}));
        }
    }
}

// A study that is refused, or names its print file as its results, leaves the old results.
TEST_F(OutputSet, AStudyThatIsRefusedLeavesItsOldResults) {
    const std::string f = folder.Slash();
    WriteBytes(folder.Path() / "cases.csv", "projection\n1\n2\n");
    WriteBytes(folder.Path() / "results.csv", "old results\r\n");
    const std::string study = "--folder " + f + " --cases " + f + "cases.csv --results ";
    const auto before = Snapshot(folder.Path());
    for (const std::string& refused :
         {study + f + "results.csv --print-file adir", study + f +
                                                           "Umbravel.prt --print-file "
                                                           "Umbravel.prt"}) {
        EXPECT_EQ(Run(refused), 1) << refused;
        fs::remove(folder.Path() / "err.txt");
        EXPECT_EQ(Snapshot(folder.Path()), before) << refused;
    }
    EXPECT_EQ(Run("--print-file ../escape.prt"), 2);
    EXPECT_NE(Err().find("--print-file"), std::string::npos) << Err();
}

// Each study's results are whole, whichever comes last.
TEST_F(OutputSet, StudiesSideBySideEachWriteAWholeResultsFile) {
    constexpr int kStudies = 5;
    const std::string f = folder.Slash();
    std::vector<std::string> alone;
    std::string script;
    for (int s = 1; s <= kStudies; ++s) {
        std::string cases = "projection\n";
        for (int row = 0; row < 600 * s; ++row)
            cases += std::to_string(s) + "." + std::to_string(row % 10) + "\n";
        const std::string name = f + "cases" + std::to_string(s) + ".csv";
        WriteBytes(name, cases);
        const std::string run = std::string(UMBRAVEL_BATCH_PATH) + " --folder " + f + " --cases " +
                                name + " --results ";
        ASSERT_EQ(RunScript(run + name + ".out"), 0);
        alone.push_back(ReadBytes(name + ".out"));
        script += run + f + "shared.csv &\n";
    }
    ASSERT_EQ(RunScript(script + "wait\n"), 0);
    const std::string shared = ReadBytes(folder.Path() / "shared.csv");
    EXPECT_NE(std::find(alone.begin(), alone.end(), shared), alone.end());
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find('~'), std::string::npos);
}

// A year run ended by a signal while it writes leaves the old files and no temporary.
TEST_F(OutputSet, ASignalMidRunLeavesEveryFileAsItWas) {
    const std::string f = folder.Slash();
    const auto before = Snapshot(folder.Path());
    const pid_t child = Start(
        {"--folder",     f,        "--mode", "year",       "--facing", "200",         "--fin-side",
         "right",        "--year", "2025",   "--latitude", "40",       "--longitude", "0",
         "--utc-offset", "0",      "--step", "1",          "--csv",    f + "h.csv"});
    ASSERT_GT(child, 0);
    const auto writing = [&] {
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            if (entry.path().filename().string().starts_with(".h.csv~"))
                return true;
        }
        return false;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!writing() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(Snapshot(folder.Path()), before);
}

// A large study keeps a window of rows at a time: its peak memory does not grow with the file.
TEST_F(OutputSet, AStudyOfManyRowsKeepsLittleMemory) {
#ifdef UMBRAVEL_SANITIZED
    GTEST_SKIP() << "peak memory under the sanitizers is theirs, not the study's";
#endif
    constexpr int kRows = 300000;
    constexpr long kLimitKilobytes = 40 * 1024;  // a tenth of what keeping every row would take
    std::string cases = "projection,window-height\n";
    for (int row = 0; row < kRows; ++row)
        cases += "x,\n";
    WriteBytes(folder.Path() / "many.csv", cases);
    const pid_t child = Start({"--cases", folder.Slash() + "many.csv", "--results",
                               folder.Slash() + "many.out", "--folder", folder.Slash()});
    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(child, &status, 0, &usage), child);
    EXPECT_EQ(ExitStatus(status), 0);
    EXPECT_LT(usage.ru_maxrss, kLimitKilobytes);
}

}  // namespace
