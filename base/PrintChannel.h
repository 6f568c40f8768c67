#pragma once

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
// carriage return and line feed. The statements are gathered in memory and reach the file in one
// write when the channel closes, so that runs side by side never mix their text; a replacement,
// which no one reads before it is renamed, goes out in large pieces as it grows. Every failure
// to open, write or close the file throws UnexpectedError naming the file and the reason.
class PrintChannel {
  public:
    // Output: created, or cut to nothing when it exists, and written in place.
    // Append: created when missing; the text goes to its end in a single write.
    // Replace: written under a temporary name beside the file and renamed over it on closing,
    // so that a reader finds the old file or the new one, never a mixture. Only a regular file
    // or a missing one is replaced so; anything else (a device) is written in place.
    enum class OpenMode { Output, Append, Replace };

    PrintChannel(std::string path, OpenMode mode);
    // Never throws. A channel left open by a fault still writes what it holds, except that a
    // replacement is dropped and the old file stays as it was.
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

    // Throws the error that opening the file for writing would meet, without touching it: a
    // missing folder, a folder in the file's place, a file or folder that may not be written.
    // For a missing file, a probe file is made in its folder and removed again.
    static void CheckWritable(const std::string& path);

  private:
    std::string path_;
    std::string temporary_;  // the replacement's own name while it is written
    int file_ = -1;
    std::string pending_;
    int column_ = 1;
};
