#include "base/InputLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

int LeaveOpen(std::FILE*) {
    return 0;
}

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a special file";
}

[[noreturn]] void RefuseKind(mode_t mode) {
    throw InputFileError("this is " + KindOf(mode) + ", not a file to read");
}

[[noreturn]] void RefuseOpen(int error) {
    throw InputFileError(std::string("cannot be opened: ") + std::strerror(error));
}

}  // namespace

void RequireRegularFile(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        RefuseOpen(errno);
    if (!S_ISREG(status.st_mode))
        RefuseKind(status.st_mode);
}

std::string SmallFileProblem(const std::string& path, std::size_t maxBytes) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {};
    if (!S_ISREG(status.st_mode))
        return "it is not a plain file";
    if (static_cast<std::size_t>(status.st_size) > maxBytes)
        return "it is larger than " + std::to_string(maxBytes / 1024) + " KiB";
    return {};
}

InputLines InputLines::Open(const std::string& path) {
    RequireRegularFile(path);
    // Without blocking, and checked again once open, in case the path changed in between.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        RefuseOpen(errno);
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        RefuseKind(status.st_mode);
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* stream = fdopen(fd, "rb");
    if (stream == nullptr) {
        const int error = errno;
        close(fd);
        RefuseOpen(error);
    }
    return InputLines(stream, std::fclose);
}

InputLines::InputLines(std::FILE* stream) : InputLines(stream, LeaveOpen) {}

bool InputLines::Next(std::string& line) {
    line.clear();
    int c = std::getc(stream_.get());
    if (c == EOF) {
        RequireNoReadError();
        return false;
    }
    ++number_;
    for (; c != EOF && c != '\n'; c = std::getc(stream_.get())) {
        if (line.size() == MaxLineBytes) {
            throw InputFileError("line " + std::to_string(number_) + " is longer than " +
                                 std::to_string(MaxLineBytes) + " bytes");
        }
        line += static_cast<char>(c);
    }
    RequireNoReadError();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void InputLines::RequireNoReadError() const {
    if (std::ferror(stream_.get()))
        throw InputFileError(std::string("the file cannot be read: ") + std::strerror(errno));
}
