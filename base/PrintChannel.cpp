#include "base/PrintChannel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "base/Faults.h"
#include "base/NumberText.h"

namespace {

constexpr int kZoneWidth = 14;
constexpr std::string_view kLineEnd = "\r\n";
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file
constexpr std::size_t kChunk = 1 << 20;

[[noreturn]] void Fail(const std::string& path, std::string_view action, int error) {
    throw UnexpectedError("Cannot " + std::string(action) + " file \"" + path +
                          "\": " + std::strerror(error));
}

int OpenFile(const std::string& path, int flags) {
    int file;
    do {
        file = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode);
    } while (file < 0 && errno == EINTR);
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

PrintChannel::PrintChannel(std::string path, OpenMode mode)
    : path_(std::move(path)), whole_(mode == OpenMode::Append) {
    file_ = OpenFile(path_, mode == OpenMode::Append ? O_APPEND : O_TRUNC);
    if (file_ < 0)
        Fail(path_, "open", errno);
}

PrintChannel::PrintChannel(StagedFiles& files, std::string path, StagedFiles::Kind kind, bool again)
    : path_(std::move(path)) {
    const StagedFiles::Target target = files.Stage(path_, kind, again);
    whole_ = target.inPlace && kind == StagedFiles::Kind::Append;
    file_ = OpenFile(target.path, whole_ ? O_APPEND : O_TRUNC);
    if (file_ < 0)
        Fail(path_, "open", errno);
}

PrintChannel::~PrintChannel() {
    if (file_ < 0)
        return;
    WriteAll(file_, pending_);
    ::close(file_);
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
    if (!whole_ && pending_.size() >= kChunk) {
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
    if (writeError != 0)
        Fail(path_, "write", writeError);
    if (closeError != 0)
        Fail(path_, "close", closeError);
}

void WriteStagedFile(const std::string& path, StagedFiles::Kind kind,
                     const std::function<void(PrintChannel&)>& write) {
    StagedFiles files;
    PrintChannel file(files, path, kind);
    write(file);
    file.Close();
    files.Commit();
}

void WriteWholeFile(const std::string& path, const std::string& text) {
    WriteStagedFile(path, StagedFiles::Kind::Replace, [&](PrintChannel& file) {
        file.Print({text, Sep::Join});
    });
}
