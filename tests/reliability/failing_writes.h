// failing_writes.h — ways to make the programs' writes fail, for tests that
// must see no good file destroyed, and a look at what a folder holds.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// While it lives, no file of this process may grow beyond `bytes`: a write
// that would is cut there and the next one fails, as on a full disk. Unlike
// permission bits this stops root too, so the tests run the same as root.
// The signal that would end the process at the limit is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// The id of a process that has ended, as a writer killed before its rename
// leaves it in the name of its scratch file.
inline pid_t endedProcessId() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// True when this process's writes are stopped by permission bits (not root).
inline bool permissionsStopWrites() { return ::geteuid() != 0; }

// The names in a folder, hidden ones included, sorted.
inline std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) names.insert(entry.path().filename());
    return names;
}
