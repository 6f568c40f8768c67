#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "base/StagedFiles.h"

// Moves the print position to the given column (from 1).
struct Tab {
    int column;
};

// The separators between print items: Join writes nothing, Zone moves to the next print zone.
enum class Sep { Join, Zone };

using PrintPiece = std::variant<std::string_view, double, Tab, Sep>;

// An output text file written by print statements, with its current print column. Lines end in
// carriage return and line feed. A section appended in place is gathered in memory and reaches
// the file in one write when the channel closes, so that runs side by side never mix their text;
// anything else goes out in large pieces as it grows. Every failure to open, write or close the
// file throws UnexpectedError naming the file and the reason.
class PrintChannel {
  public:
    // Output: created, or cut to nothing when it exists, and written in place.
    // Append: created when missing; the text goes to its end in a single write.
    enum class OpenMode { Output, Append };

    PrintChannel(std::string path, OpenMode mode);
    // A file of the set: written under its temporary, put in place when the set is committed.
    PrintChannel(StagedFiles& files, std::string path, StagedFiles::Kind kind, bool again = false);
    // Never throws. A channel left open by a fault still writes what it holds.
    ~PrintChannel();
    PrintChannel(const PrintChannel&) = delete;
    PrintChannel& operator=(const PrintChannel&) = delete;

    // One print statement. Texts are written unchanged and numbers as PrintItemText; items with
    // no separator between them are joined. A trailing Sep::Join leaves the line open for the
    // next statement; otherwise the statement ends the line.
    void Print(std::initializer_list<PrintPiece> pieces);

    // Writes what was printed and closes; afterwards the channel is closed even when this throws.
    void Close();

    int Column() const { return column_; }

  private:
    std::string path_;
    int file_ = -1;
    bool whole_ = false;  // held until Close, for one write at the end of a shared file
    std::string pending_;
    int column_ = 1;
};

// One file written through a channel as a set of its own and put in place: replaced whole, or
// the text added to its end.
void WriteStagedFile(const std::string& path, StagedFiles::Kind kind,
                     const std::function<void(PrintChannel&)>& write);

// The text as the whole file, replaced whole: a reader finds the old file or the new one.
void WriteWholeFile(const std::string& path, const std::string& text);
