#include "base/PrintChannel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/Faults.h"
#include "base/NewFileProbe.h"
#include "base/NumberText.h"

namespace {

constexpr int kZoneWidth = 14;
constexpr std::string_view kLineEnd = "\r\n";
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file
constexpr std::size_t kReplacementChunk = 1 << 20;

[[noreturn]] void Fail(const std::string& path, std::string_view action, int error) {
    throw UnexpectedError("Cannot " + std::string(action) + " file \"" + path +
                          "\": " + std::strerror(error));
}

// The folder part of a path, with its final "/", or "./" for a bare name.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

int OpenFile(const std::string& path, int flags) {
    int file;
    do {
        file = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode);
    } while (file < 0 && errno == EINTR);
    return file;
}

// A new file beside the path, named after it and this process, that no one else writes.
int OpenTemporary(const std::string& path, std::string& temporary) {
    static unsigned counter = 0;
    const std::string folder = FolderOf(path);
    const std::string base = "." + path.substr(folder.size()) + "~" + std::to_string(getpid());
    int file;
    do {
        temporary = folder + base + "-" + std::to_string(counter++);
        file = OpenFile(temporary, O_EXCL);
    } while (file < 0 && errno == EEXIST);
    return file;
}

// 0 when every byte is written, else the error. One write(2) takes the whole text unless the
// disk fills or a signal interrupts it.
int WriteAll(int file, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(file, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

PrintChannel::PrintChannel(std::string path, OpenMode mode) : path_(std::move(path)) {
    struct stat old {};
    const bool exists = ::lstat(path_.c_str(), &old) == 0;
    const bool replace =
        mode == OpenMode::Replace && (exists ? S_ISREG(old.st_mode) : errno == ENOENT);
    if (!replace) {
        file_ = OpenFile(path_, mode == OpenMode::Append ? O_APPEND : O_TRUNC);
    } else if (exists && ::access(path_.c_str(), W_OK) != 0) {
        Fail(path_, "open", errno);
    } else {
        file_ = OpenTemporary(path_, temporary_);
        // The replacement keeps the permissions of the file it replaces.
        if (file_ >= 0 && exists)
            ::fchmod(file_, old.st_mode & 07777);
    }
    if (file_ < 0)
        Fail(path_, "open", errno);
}

PrintChannel::~PrintChannel() {
    if (file_ < 0)
        return;
    if (temporary_.empty())
        WriteAll(file_, pending_);
    ::close(file_);
    if (!temporary_.empty())
        std::remove(temporary_.c_str());
}

void PrintChannel::Print(std::initializer_list<PrintPiece> pieces) {
    if (file_ < 0) {
        Fail(path_, "write", EBADF);
    }
    std::string& line = pending_;
    const auto endLine = [&] {
        line += kLineEnd;
        column_ = 1;
    };
    const auto blanksTo = [&](int column) {
        line.append(column - column_, ' ');
        column_ = column;
    };
    for (const PrintPiece& piece : pieces) {
        if (const auto* text = std::get_if<std::string_view>(&piece)) {
            line += *text;
            column_ += static_cast<int>(text->size());
        } else if (const auto* number = std::get_if<double>(&piece)) {
            const std::string item = PrintItemText(*number);
            line += item;
            column_ += static_cast<int>(item.size());
        } else if (const auto* tab = std::get_if<Tab>(&piece)) {
            const int column = std::max(tab->column, 1);
            if (column_ > column) {
                endLine();
            }
            blanksTo(column);
        } else if (std::get<Sep>(piece) == Sep::Zone) {
            blanksTo((column_ - 1) / kZoneWidth * kZoneWidth + kZoneWidth + 1);
        }
    }
    const bool continues = pieces.size() > 0 && std::holds_alternative<Sep>(*std::rbegin(pieces)) &&
                           std::get<Sep>(*std::rbegin(pieces)) == Sep::Join;
    if (!continues) {
        endLine();
    }
    // No one reads a replacement before it is renamed, so a large one goes out as it grows.
    if (!temporary_.empty() && pending_.size() >= kReplacementChunk) {
        if (const int error = WriteAll(file_, pending_); error != 0)
            Fail(path_, "write", error);
        pending_.clear();
    }
}

void PrintChannel::Close() {
    if (file_ < 0) {
        return;
    }
    const int file = std::exchange(file_, -1);
    const int writeError = WriteAll(file, pending_);
    pending_.clear();
    const int closeError = ::close(file) == 0 ? 0 : errno;
    const std::string temporary = std::exchange(temporary_, {});
    if (writeError == 0 && closeError == 0 &&
        (temporary.empty() || std::rename(temporary.c_str(), path_.c_str()) == 0)) {
        return;
    }
    const int renameError = errno;
    if (!temporary.empty())
        std::remove(temporary.c_str());
    if (writeError != 0)
        Fail(path_, "write", writeError);
    Fail(path_, closeError != 0 ? "close" : "replace", closeError != 0 ? closeError : renameError);
}

void PrintChannel::CheckWritable(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            Fail(path, "open", EISDIR);
        if (::access(path.c_str(), W_OK) != 0)
            Fail(path, "open", errno);
    } else if (errno != ENOENT) {
        Fail(path, "open", errno);
    } else if (const int error = NewFileError(FolderOf(path)); error != 0) {
        Fail(path, "open", error);
    }
}
