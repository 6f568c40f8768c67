#include "base/PrintChannel.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "base/Faults.h"

namespace {

namespace fs = std::filesystem;
using OpenMode = PrintChannel::OpenMode;
using Kind = StagedFiles::Kind;

class PrintChannelTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "printchannel-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "out.prt").string();
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void WriteFile(const std::string& text) const {
        std::ofstream(path_, std::ios::binary) << text;
    }

    fs::path folder_;
    std::string path_;
};

// The description must name the file and the system's reason.
void ExpectFailure(const std::function<void()>& action, const std::string& path, int error) {
    try {
        action();
        ADD_FAILURE() << "no error for " << path;
    } catch (const UnexpectedError& failure) {
        const std::string description = failure.what();
        EXPECT_NE(description.find(path), std::string::npos) << description;
        EXPECT_NE(description.find(std::strerror(error)), std::string::npos) << description;
    }
}

TEST_F(PrintChannelTest, ItemsSeparatorsAndTabs) {
    PrintChannel channel(path_, OpenMode::Output);
    channel.Print({"using number of points: ", 100.0});
    channel.Print({"a", "b", 1.0, -2.5});
    channel.Print({"a", Sep::Zone, "b", Sep::Zone, 0.5});
    channel.Print({std::string_view("fourteen chars"), Sep::Zone, "y", Sep::Zone});
    channel.Print({"abc", Tab{10}, "d", Tab{11}, "e"});
    channel.Print({"abcdef", Tab{3}, "x"});
    channel.Print({});
    channel.Print({"\n", Sep::Zone, "\r"});
    channel.Close();
    EXPECT_EQ(Contents(),
              "using number of points:  100 \r\n"
              "ab 1 -2.5 \r\n"
              "a             b              0.5 \r\n"
              "fourteen chars              y             \r\n"
              "abc      de\r\n"
              "abcdef\r\n  x\r\n"
              "\r\n"
              "\n             \r\r\n");
}

TEST_F(PrintChannelTest, TrailingJoinContinuesTheLine) {
    PrintChannel channel(path_, OpenMode::Output);
    channel.Print({"ab", Sep::Join});
    EXPECT_EQ(channel.Column(), 3);
    channel.Print({3.0, Sep::Zone, Sep::Join});
    EXPECT_EQ(channel.Column(), 15);
    channel.Print({"c"});
    EXPECT_EQ(channel.Column(), 1);
    channel.Close();
    EXPECT_EQ(Contents(), "ab 3          c\r\n");
}

TEST_F(PrintChannelTest, OutputReplacesAndAppendExtends) {
    PrintChannel(path_, OpenMode::Append).Print({"first"});
    EXPECT_EQ(Contents(), "first\r\n");
    PrintChannel(path_, OpenMode::Append).Print({"second"});
    EXPECT_EQ(Contents(), "first\r\nsecond\r\n");
    WriteFile("old text\r\n");
    PrintChannel(path_, OpenMode::Output).Print({"new"});
    EXPECT_EQ(Contents(), "new\r\n");
}

TEST_F(PrintChannelTest, OpenFailuresNameTheFileAndTheReason) {
    const std::string missing = (folder_ / "no such folder" / "out.prt").string();
    ExpectFailure([&] { PrintChannel(missing, OpenMode::Append); }, missing, ENOENT);
    const std::string folder = folder_.string();
    ExpectFailure([&] { PrintChannel(folder, OpenMode::Output); }, folder, EISDIR);
}

TEST_F(PrintChannelTest, ReadOnlyFolderCannotBeWritten) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    // Permissions do not bind root, so root hands the folder to an ordinary user and takes
    // that user's identity for the attempt.
    constexpr uid_t kNobody = 65534;
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(folder_.c_str(), kNobody, kNobody), 0);
        if (seteuid(kNobody) != 0) {
            GTEST_SKIP() << "cannot leave the root identity";
        }
    }
    ExpectFailure([&] { PrintChannel(path_, OpenMode::Output); }, path_, EACCES);
    ExpectFailure(
        [&] {
            StagedFiles files;
            PrintChannel(files, path_, Kind::Replace);
        },
        path_, EACCES);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
}

TEST_F(PrintChannelTest, FullDiskFailsAtClose) {
    PrintChannel channel("/dev/full", OpenMode::Output);
    channel.Print({"line"});
    ExpectFailure([&] { channel.Close(); }, "/dev/full", ENOSPC);
    ExpectFailure([&] { channel.Print({"after close"}); }, "/dev/full", EBADF);
}

// A section reaches an appended file whole or not at all, in one write when it is finished.
TEST_F(PrintChannelTest, AppendHoldsTheSectionUntilItIsClosed) {
    WriteFile("earlier\r\n");
    const std::string line(100, 'x');
    PrintChannel channel(path_, OpenMode::Append);
    for (int i = 0; i < 100; ++i) {
        channel.Print({line});
    }
    EXPECT_EQ(Contents(), "earlier\r\n");
    channel.Close();
    EXPECT_EQ(Contents().size(), 9 + 100 * 102u);
}

// A reader of the old file keeps reading it whole; the folder holds no temporary name after.
TEST_F(PrintChannelTest, ReplaceRenamesTheFinishedFileOverTheOldOne) {
    WriteFile("old text\r\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::ifstream reader(path_, std::ios::binary);
    {
        StagedFiles files;
        PrintChannel channel(files, path_, Kind::Replace);
        channel.Print({"new"});
        channel.Close();
        EXPECT_EQ(Contents(), "old text\r\n");
        files.Commit();
    }
    EXPECT_EQ(Contents(), "new\r\n");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "old text\r\n");
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

TEST_F(PrintChannelTest, AReplacementLeftByAFaultLeavesTheOldFile) {
    WriteFile("old text\r\n");
    {
        StagedFiles files;
        PrintChannel(files, path_, Kind::Replace).Print({"half"});
    }
    EXPECT_EQ(Contents(), "old text\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

// Renaming over a device would put a plain file in its place.
// A replacement larger than what is held in memory goes out early, still unseen until renamed.
TEST_F(PrintChannelTest, ALargeReplacementArrivesWholeAndOnlyAtTheEnd) {
    WriteFile("old text\r\n");
    const std::string big(3 << 20, 'x');
    {
        StagedFiles files;
        PrintChannel channel(files, path_, Kind::Replace);
        channel.Print({big});
        channel.Close();
        EXPECT_EQ(Contents(), "old text\r\n");
        files.Commit();
    }
    EXPECT_EQ(Contents(), big + "\r\n");
    {
        StagedFiles files;
        PrintChannel(files, path_, Kind::Replace).Print({"half", big});
    }
    EXPECT_EQ(Contents(), big + "\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

TEST_F(PrintChannelTest, ReplaceWritesADeviceInPlace) {
    StagedFiles files;
    PrintChannel channel(files, "/dev/full", Kind::Replace);
    channel.Print({"line"});
    ExpectFailure([&] { channel.Close(); }, "/dev/full", ENOSPC);
    struct stat device {};
    ASSERT_EQ(stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

TEST_F(PrintChannelTest, StagingFindsWhatWritingWouldMeetAndTouchesNothing) {
    fs::create_directory(folder_ / "folder");
    const std::string missing = (folder_ / "no such folder" / "out.prt").string();
    const std::string folder = (folder_ / "folder").string();
    ExpectFailure([&] { StagedFiles().Stage(missing, Kind::Replace); }, missing, ENOENT);
    ExpectFailure([&] { StagedFiles().Stage(folder, Kind::Replace); }, folder, EISDIR);
    EXPECT_NO_THROW(StagedFiles().Stage(path_, Kind::Replace));
    EXPECT_FALSE(fs::exists(path_));
    WriteFile("kept");
    EXPECT_NO_THROW(StagedFiles().Stage(path_, Kind::Append));
    EXPECT_EQ(Contents(), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2);
}

}  // namespace
