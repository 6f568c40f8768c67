#include "base/PrintChannel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "base/Faults.h"
#include "base/NumberText.h"

namespace {

constexpr int kZoneWidth = 14;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

// Binary mode keeps the line ends exactly as written on every platform.
PrintChannel::PrintChannel(std::string path, OpenMode mode)
    : path_(std::move(path)),
      file_(std::fopen(path_.c_str(), mode == OpenMode::Output ? "wb" : "ab")) {
    if (file_ == nullptr) {
        Fail("open", errno);
    }
}

PrintChannel::~PrintChannel() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void PrintChannel::Print(std::initializer_list<PrintPiece> pieces) {
    if (file_ == nullptr) {
        Fail("write", EBADF);
    }
    // The statement is built whole and handed to the stream in one write.
    std::string line;
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
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) {
        Fail("write", errno);
    }
}

void PrintChannel::Close() {
    if (file_ == nullptr) {
        return;
    }
    const bool flushed = std::fflush(file_) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file_) == 0;
    const int closeError = errno;
    file_ = nullptr;
    if (!flushed) {
        Fail("write", flushError);
    }
    if (!closed) {
        Fail("close", closeError);
    }
}

void PrintChannel::Fail(std::string_view action, int error) const {
    throw UnexpectedError("Cannot " + std::string(action) + " file \"" + path_ +
                          "\": " + std::strerror(error));
}
