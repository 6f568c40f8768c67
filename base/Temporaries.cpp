#include "base/Temporaries.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include "base/Faults.h"

namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file

std::mutex& RegistryLock() {
    static std::mutex lock;
    return lock;
}

std::vector<std::string>& Registry() {
    static std::vector<std::string> temporaries;
    return temporaries;
}

void Forget(const std::string& temporary) {
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), temporary), registry.end());
}

sigset_t EndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, s);
    return signals;
}

}  // namespace

std::string CreateTemporaryBeside(const std::string& path) {
    static unsigned counter = 0;
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base =
        folder + "." + path.substr(folder.size()) + "~" + std::to_string(getpid()) + "-";
    const std::lock_guard hold(RegistryLock());
    for (;;) {
        std::string temporary = base + std::to_string(counter++);
        const int file =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (file >= 0) {
            ::close(file);
            Registry().push_back(temporary);
            return temporary;
        }
        if (errno != EEXIST && errno != EINTR) {
            throw UnexpectedError("Cannot open file \"" + path + "\": " + std::strerror(errno));
        }
    }
}

void RemoveTemporary(const std::string& temporary) {
    const std::lock_guard hold(RegistryLock());
    ::unlink(temporary.c_str());
    Forget(temporary);
}

std::pair<int, std::string> RenameTemporaries(
    const std::vector<std::pair<std::string, std::string>>& temporaryAndFile) {
    const std::lock_guard hold(RegistryLock());
    for (const auto& [temporary, file] : temporaryAndFile) {
        if (std::rename(temporary.c_str(), file.c_str()) != 0)
            return {errno, file};
        Forget(temporary);
    }
    return {0, {}};
}

void RemoveTemporariesOnSignals() {
    static std::once_flag started;
    std::call_once(started, [] {
        const sigset_t signals = EndingSignals();
        pthread_sigmask(SIG_BLOCK, &signals, nullptr);
        std::thread([signals] {
            int received = 0;
            while (sigwait(&signals, &received) != 0) {
            }
            RegistryLock().lock();  // held to the end: no temporary is made or renamed after
            for (const std::string& temporary : Registry())
                ::unlink(temporary.c_str());
            std::signal(received, SIG_DFL);
            pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
            std::raise(received);
        }).detach();
    });
}
