#include "output/DefaultPathFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

#include "base/PathText.h"
#include "output/OutputFiles.h"

namespace {

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::optional<std::string> Unusable(std::string* fault, const std::string& path,
                                    const std::string& reason) {
    if (fault != nullptr) {
        *fault = "The default folder saved in " + ShortPathText(path) +
                 " cannot be used: " + reason +
                 ". The program's own data folder is proposed instead.";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadDefaultPathFile(std::string* fault) {
    if (!DefaultPathFilePresent())
        return std::nullopt;
    const std::string path = DefaultPathFilePath();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Unusable(fault, path,
                        std::string("the file cannot be read (") + std::strerror(errno) + ")");
    }
    // One byte more than the limit tells a line that is too long from one that just fits.
    std::string head(DefaultPathLineLimit + 1, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (file.bad()) {
        return Unusable(fault, path, "the file cannot be read");
    }
    head.resize(static_cast<std::size_t>(file.gcount()));

    const std::size_t lineEnd = head.find_first_of("\r\n");
    if (lineEnd == std::string::npos && head.size() > DefaultPathLineLimit) {
        return Unusable(fault, path, "its first line is longer than any folder name");
    }
    const std::string_view line = std::string_view(head).substr(0, lineEnd);
    if (line.empty() && lineEnd == std::string::npos)
        return std::nullopt;
    if (HoldsControlCharacter(line)) {
        return Unusable(fault, path, "its first line holds control characters");
    }

    const std::string field = TrimBlanks(line);
    if (!field.empty() && field.front() == '"') {
        const auto closing = field.find('"', 1);
        return field.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    return field;
}
