#include "screens/program/InformationFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/Faults.h"
#include "platform/ProgramFolder.h"

std::string UsingFilePath() {
    return ProgramFolderPath() + "USINGUMBRAVEL.txt";
}

std::string AboutFilePath() {
    return ProgramFolderPath() + "AWNINFO.txt";
}

std::string ReadInformationText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw UnexpectedError("Cannot open file \"" + path + "\": " + std::strerror(errno));
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        throw UnexpectedError("Cannot read file \"" + path + "\"");
    }

    std::string text;
    std::size_t lineStart = 0;
    while (lineStart < bytes.size()) {
        std::size_t lineEnd = bytes.find_first_of("\r\n", lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = bytes.size();
        }
        text.append(bytes, lineStart, lineEnd - lineStart).append("\r\n");
        const bool pairedEnd = bytes.compare(lineEnd, 2, "\r\n") == 0;
        lineStart = lineEnd + (pairedEnd ? 2 : 1);
    }
    return text;
}
