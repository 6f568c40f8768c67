// The default-path file holding any bytes: reading it never faults, and a folder read from it
// holds no control character, stays within the line limit and comes from the file's first line.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "output/DefaultPathFile.h"
#include "output/OutputFiles.h"

namespace fs = std::filesystem;

namespace {

fs::path folder;
std::string filePath;

void RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A file system in memory where there is one: rewriting a file on disk costs milliseconds.
    const fs::path memory = "/dev/shm";
    std::error_code error;
    const fs::path base = fs::is_directory(memory, error) ? memory : fs::temp_directory_path();
    std::string pattern = (base / "umbravel-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    folder = pattern;
    std::atexit(RemoveFolder);
    mduUmbravel::ProgramFolder = pattern + "/";
    filePath = DefaultPathFilePath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int file = ::open(filePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (file < 0 || ::write(file, data, size) != static_cast<ssize_t>(size) || ::close(file) != 0)
        std::abort();

    const auto read = ReadDefaultPathFile();
    const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
    const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7f; };
    if (read &&
        (std::any_of(read->begin(), read->end(), control) || read->size() > DefaultPathLineLimit ||
         firstLine.find(*read) == std::string_view::npos)) {
        std::fprintf(stderr, "read \"%s\" from a file whose first line is \"%.*s\"\n",
                     read->c_str(), static_cast<int>(firstLine.size()), firstLine.data());
        std::abort();
    }
    return 0;
}
