#include "output/DefaultPathFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "output/OutputFiles.h"
#include "support/TempFolder.h"

using namespace mduUmbravel;

namespace {

// A default-path file changed by something other than the program counts as absent, and says
// why in a message of bounded length, however long the program folder's path.
TEST(DefaultPathFile, AHostileFileCountsAsAbsentAndIsToldInPlainWords) {
    const TempFolder home;
    const std::string deep = home.Slash() + std::string(200, 'd') + "/";
    std::filesystem::create_directory(deep);
    ProgramFolder = deep;
    const std::filesystem::path file = deep + "DefPath.asc";

    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } rows[] = {
        {"binary", "\x89\xfe\x01garbage", "control characters"},
        {"tab in the line", "/home/ann/\truns/\r\n", "control characters"},
        {"one line of a megabyte", std::string(1 << 20, 'a'), "longer than any folder name"},
        {"a line just too long", std::string(DefaultPathLineLimit + 1, 'a') + "\r\n",
         "longer than any folder name"},
        {"unreadable", "", "cannot be read"},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(file);
        if (std::string(row.name) == "unreadable") {
            // Opens like any file, for root too, and fails at the first read.
            std::filesystem::create_symlink("/proc/self/mem", file);
        } else {
            WriteBytes(file, row.bytes);
        }
        std::string fault;
        EXPECT_EQ(ReadDefaultPathFile(&fault), std::nullopt) << row.name;
        EXPECT_NE(fault.find(row.reason), std::string::npos) << row.name << ": " << fault;
        EXPECT_NE(fault.find("DefPath.asc"), std::string::npos) << fault;
        EXPECT_LT(fault.size(), 300u) << fault;
    }

    std::filesystem::remove(file);
    WriteBytes(file, std::string(DefaultPathLineLimit, 'a'));
    std::string fault;
    EXPECT_EQ(ReadDefaultPathFile(&fault), std::string(DefaultPathLineLimit, 'a'));
    EXPECT_EQ(fault, "");
}

}  // namespace
