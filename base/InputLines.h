#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

// An input file read line by line with bounds: only a regular file is read (a FIFO would hang
// the reader, a device such as /dev/zero would feed it forever, a directory has no lines), and
// a line longer than MaxLineBytes is refused rather than held.
inline constexpr std::size_t MaxLineBytes = 64 * 1024;

// A file that cannot be read or a line too long; the message says why, the caller names the
// file.
class InputFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class InputLines {
  public:
    // Opens the file, refusing what is not a regular file before reading a byte of it.
    static InputLines Open(const std::string& path);
    // Lines of a stream already open, such as an in-memory one.
    explicit InputLines(std::FILE* stream);

    // The next line without its LF or CR LF; false at the end of the file.
    bool Next(std::string& line);
    // The number of the last line read, from 1.
    int LineNumber() const { return number_; }

  private:
    InputLines(std::FILE* stream, int (*close)(std::FILE*)) : stream_(stream, close) {}
    void RequireNoReadError() const;

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream_;
    int number_ = 0;
};

// Throws InputFileError unless the path names a regular file; does not open it, so that a
// FIFO cannot block.
void RequireRegularFile(const std::string& path);

// Why a small file kept by the program (such as its settings) cannot be read safely: not a
// regular file, or larger than maxBytes; empty when it can, or when there is none.
std::string SmallFileProblem(const std::string& path, std::size_t maxBytes);
