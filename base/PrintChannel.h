#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// Moves the print position to the given column (from 1).
struct Tab {
    int column;
};

// The separators between print items: Join writes nothing, Zone moves to the next print zone.
enum class Sep { Join, Zone };

using PrintPiece = std::variant<std::string_view, double, Tab, Sep>;

// An output text file written by print statements, with its current print column. Lines end in
// carriage return and line feed. Every failure to open, write or close the file throws
// UnexpectedError naming the file and the reason.
class PrintChannel {
  public:
    // Output: created, or cut to nothing when it exists. Append: created when missing.
    enum class OpenMode { Output, Append };

    PrintChannel(std::string path, OpenMode mode);
    ~PrintChannel();  // closes if still open, never throws
    PrintChannel(const PrintChannel&) = delete;
    PrintChannel& operator=(const PrintChannel&) = delete;

    // One print statement. Texts are written unchanged and numbers as PrintItemText; items with
    // no separator between them are joined. A trailing Sep::Join leaves the line open for the
    // next statement; otherwise the statement ends the line.
    void Print(std::initializer_list<PrintPiece> pieces);

    // Flushes and closes; afterwards the channel is closed even when this throws.
    void Close();

    int Column() const { return column_; }

  private:
    [[noreturn]] void Fail(std::string_view action, int error) const;

    std::string path_;
    std::FILE* file_;
    int column_ = 1;
};
