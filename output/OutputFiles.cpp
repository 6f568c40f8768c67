#include "output/OutputFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "model/mduUmbravel.h"
#include "platform/ProgramFolder.h"

namespace fs = std::filesystem;
using namespace mduUmbravel;

namespace {

std::string DefaultPathFilePath() {
    return ProgramFolder + std::string(DefaultPathFileName);
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string PrintFilePath() {
    return DataPath + PrintFileName;
}

void StartPrintFileAfresh() {
    PrintChannel channel(PrintFilePath(), PrintChannel::OpenMode::Output);
    channel.Print({});
    channel.Close();
}

std::string DefaultDataFolder() {
    return ProgramFolder + std::string(DefaultDataFolderName);
}

bool DefaultPathFilePresent() {
    // Compare the names found in the folder, so that another letter case never counts.
    std::error_code error;
    for (fs::directory_iterator it(ProgramFolder.empty() ? "." : ProgramFolder, error), end;
         !error && it != end; it.increment(error)) {
        if (it->path().filename() == DefaultPathFileName && it->is_regular_file(error)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ReadDefaultPathFile() {
    if (!DefaultPathFilePresent())
        return std::nullopt;
    const std::string path = DefaultPathFilePath();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw UnexpectedError("Cannot read the default-path file " + path + ": " +
                              std::strerror(errno));
    }
    std::string line;
    if (!std::getline(file, line) && line.empty())
        return std::nullopt;
    line = line.substr(0, line.find('\r'));

    const std::string field = TrimBlanks(line);
    if (!field.empty() && field.front() == '"') {
        const auto closing = field.find('"', 1);
        return field.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    return field;
}

void WriteDefaultPathFile(const std::string& folder) {
    PrintChannel channel(DefaultPathFilePath(), PrintChannel::OpenMode::Output);
    channel.Print({folder});
    channel.Close();
}

void DeleteDefaultPathFile() {
    if (!DefaultPathFilePresent())
        return;
    std::error_code error;
    fs::remove(DefaultPathFilePath(), error);
    if (error) {
        throw UnexpectedError("Cannot delete the default-path file " + DefaultPathFilePath() +
                              ": " + error.message());
    }
}
