#include "base/StagedFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "base/Faults.h"
#include "base/Temporaries.h"

namespace {

[[noreturn]] void Fail(const std::string& path, std::string_view action, int error) {
    throw UnexpectedError("Cannot " + std::string(action) + " file \"" + path +
                          "\": " + std::strerror(error));
}

[[noreturn]] void Refuse(const std::string& path, std::string_view reason) {
    throw UnexpectedError("Cannot write file \"" + path + "\": " + std::string(reason));
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// The folder with its links resolved and the file's name: two texts naming one file agree.
std::string FileKey(const std::string& path) {
    const std::string folder = FolderOf(path);
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) == nullptr)
        Fail(path, "open", errno);
    return std::string(resolved) + "/" + path.substr(path.rfind('/') + 1);
}

// An open descriptor, closed when it goes.
class Descriptor {
  public:
    explicit Descriptor(int file) : file_(file) {}
    ~Descriptor() {
        if (file_ >= 0)
            ::close(file_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return file_; }

  private:
    int file_;
};

int OpenRetrying(const std::string& path, int flags) {
    int file;
    do {
        file = ::open(path.c_str(), flags | O_CLOEXEC);
    } while (file < 0 && errno == EINTR);
    return file;
}

// 0 when the whole of `from` follows what `to` holds, else the error.
int CopyInto(int to, int from) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0)
            return 0;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno != EINTR)
                return errno;
            done += put < 0 ? 0 : put;
        }
    }
}

// Holds the folder's lock, which every run adding to a file of the folder takes.
class FolderLock {
  public:
    explicit FolderLock(const std::string& path)
        : folder_(OpenRetrying(FolderOf(path), O_RDONLY | O_DIRECTORY)) {
        if (folder_.Get() < 0)
            Fail(path, "open", errno);
        while (::flock(folder_.Get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                Fail(path, "lock the folder of", errno);
        }
    }

  private:
    Descriptor folder_;
};

}  // namespace

StagedFiles::~StagedFiles() {
    for (const Entry& entry : entries_) {
        if (!entry.target.inPlace)
            RemoveTemporary(entry.target.path);
    }
}

StagedFiles::Target StagedFiles::Stage(const std::string& path, Kind kind, bool again) {
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        Fail(path, "open", errno);
    if (exists && S_ISLNK(old.st_mode)) {
        struct stat target {};
        if (::stat(path.c_str(), &target) != 0)
            Refuse(path, "it is a symbolic link that leads nowhere");
        if (S_ISREG(target.st_mode) || S_ISDIR(target.st_mode))
            Refuse(path, "it is a symbolic link, which is not followed; name the file it leads to");
        old = target;
    }
    if (exists && S_ISDIR(old.st_mode))
        Fail(path, "open", EISDIR);
    if (exists && ::access(path.c_str(), W_OK) != 0)
        Fail(path, "open", errno);
    if (exists && !S_ISREG(old.st_mode))
        return {path, true};

    std::string key = FileKey(path);
    for (const Entry& entry : entries_) {
        if (entry.key != key)
            continue;
        if (again && kind == Kind::Replace && entry.kind == Kind::Replace)
            return entry.target;
        Refuse(path, "the run names it for two of its outputs");
    }
    Entry entry{path,   std::move(key),     kind, {CreateTemporaryBeside(path), false},
                exists, old.st_mode & 07777};
    // A replacement keeps the permissions of the file it replaces.
    if (exists && kind == Kind::Replace)
        ::chmod(entry.target.path.c_str(), entry.mode);
    entries_.push_back(std::move(entry));
    return entries_.back().target;
}

// A temporary holding the file's present text followed by the addition.
std::string StagedFiles::Join(const Entry& addition) const {
    const std::string joined = CreateTemporaryBeside(addition.path);
    const Descriptor to(OpenRetrying(joined, O_WRONLY | O_TRUNC));
    int error = to.Get() < 0 ? errno : 0;
    struct stat present {};
    const Descriptor old(OpenRetrying(addition.path, O_RDONLY));
    if (error == 0 && old.Get() >= 0) {
        error = ::fstat(old.Get(), &present) != 0 ? errno : CopyInto(to.Get(), old.Get());
        if (error == 0)
            ::fchmod(to.Get(), present.st_mode & 07777);
    } else if (error == 0 && errno != ENOENT) {
        error = errno;
    }
    const Descriptor added(OpenRetrying(addition.target.path, O_RDONLY));
    if (error == 0)
        error = added.Get() < 0 ? errno : CopyInto(to.Get(), added.Get());
    if (error != 0) {
        RemoveTemporary(joined);
        Fail(addition.path, "write", error);
    }
    return joined;
}

void StagedFiles::Commit() {
    std::vector<std::pair<std::string, std::string>> renames;
    for (const Entry& entry : entries_) {
        if (entry.kind == Kind::Replace && !entry.target.inPlace)
            renames.emplace_back(entry.target.path, entry.path);
    }
    // The additions' folders stay locked until their files are renamed: a run adding to the same
    // file meanwhile would otherwise join its section to the text this one replaces.
    std::vector<std::unique_ptr<FolderLock>> locks;
    std::vector<std::string> joined;
    try {
        for (const Entry& entry : entries_) {
            if (entry.kind != Kind::Append || entry.target.inPlace)
                continue;
            locks.push_back(std::make_unique<FolderLock>(entry.path));
            joined.push_back(Join(entry));
            renames.emplace_back(joined.back(), entry.path);
        }
    } catch (...) {
        for (const std::string& temporary : joined)
            RemoveTemporary(temporary);
        throw;
    }
    const auto [error, file] = RenameTemporaries(renames);
    for (const std::string& temporary : joined)
        RemoveTemporary(temporary);
    if (error != 0)
        Fail(file, "replace", error);
    for (const Entry& entry : entries_) {
        if (entry.kind == Kind::Append && !entry.target.inPlace)
            RemoveTemporary(entry.target.path);
    }
    entries_.clear();
}
