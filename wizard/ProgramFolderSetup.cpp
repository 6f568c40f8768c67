#include "wizard/ProgramFolderSetup.h"

#include <QFile>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "base/Faults.h"
#include "platform/ProgramFolder.h"
#include "screens/program/InformationFile.h"

namespace fs = std::filesystem;

namespace {

void CreateFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw UnexpectedError("Cannot create folder \"" + folder + "\": " + error.message());
    }
}

void InstallWhenMissing(const QString& builtIn, const std::string& path) {
    std::error_code error;
    if (fs::exists(path, error)) {
        return;
    }
    QFile source(builtIn);
    if (!source.open(QIODevice::ReadOnly)) {
        throw UnexpectedError("The program lacks its copy of \"" + path + "\"");
    }
    const QByteArray bytes = source.readAll();
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.constData(), bytes.size());
    file.close();
    if (!file) {
        throw UnexpectedError("Cannot write file \"" + path + "\"");
    }
}

}  // namespace

void PrepareProgramFolder() {
    CreateFolder(ProgramFolderPath() + std::string(DefaultDataFolderName));
    InstallWhenMissing(":/information/USINGUMBRAVEL.txt", UsingFilePath());
    InstallWhenMissing(":/information/AWNINFO.txt", AboutFilePath());
}
