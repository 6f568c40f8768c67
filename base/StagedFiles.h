#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// The files one run writes, put in place together or not at all. Each is written under a
// temporary name in its own folder; Commit puts them in place once every one is complete:
// replacements first, then additions (a print file's section) joined to the old text of their
// file, under a lock of its folder, so that runs side by side never lose one another's
// sections. Until Commit every file stays as it was, and a set dropped uncommitted leaves no
// temporary behind (nor does a signal, with RemoveTemporariesOnSignals).
//
// A symbolic link in a file's place is refused, a dangling one too: renaming over it would cut
// the link, and writing through it would leave its target half written. A device, or a link to
// one such as /dev/stdout, has no old text to keep and is written in place.
class StagedFiles {
  public:
    enum class Kind { Replace, Append };

    // Where the new text of a staged file goes.
    struct Target {
        std::string path;  // a temporary, or the device itself
        bool inPlace;      // a device, written directly
    };

    StagedFiles() = default;
    ~StagedFiles();  // removes the temporaries of a set not committed
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Checks, touching nothing, that the file can be written, and makes its temporary (empty;
    // for Append it takes only the added text). Throws UnexpectedError naming the file and the
    // reason: a missing folder, a folder in its place, a folder or file that may not be written,
    // a link, or a file staged before. With `again`, a file staged before for replacement is
    // handed its temporary once more instead, to be written afresh.
    Target Stage(const std::string& path, Kind kind, bool again = false);

    // Puts every staged file in place; the set is empty afterwards. Throws UnexpectedError.
    void Commit();

  private:
    struct Entry {
        std::string path;
        std::string key;  // the file's folder with its links resolved, and its name
        Kind kind;
        Target target;
        bool existed;
        mode_t mode;  // of the file replaced, kept by its replacement
    };
    std::string Join(const Entry& addition) const;

    std::vector<Entry> entries_;
};
