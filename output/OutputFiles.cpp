#include "output/OutputFiles.h"

#include <filesystem>
#include <system_error>

#include "base/Faults.h"
#include "base/PrintChannel.h"
#include "platform/ProgramFolder.h"

namespace fs = std::filesystem;
using namespace mduUmbravel;

void StartPrintFileAfresh(const std::string& path) {
    WriteStagedFile(path, StagedFiles::Kind::Replace, [](PrintChannel& file) { file.Print({}); });
}

std::string DefaultDataFolder() {
    return ProgramFolder + std::string(DefaultDataFolderName);
}

std::string DefaultPathFilePath() {
    return ProgramFolder + std::string(DefaultPathFileName);
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

void WriteDefaultPathFile(const std::string& folder) {
    WriteStagedFile(DefaultPathFilePath(), StagedFiles::Kind::Replace,
                    [&](PrintChannel& file) { file.Print({folder}); });
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
