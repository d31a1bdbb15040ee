// processes.cpp — posix_spawn, waitpid with a deadline, SIGKILL.
#include "tests/realwindow/processes.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace realwindow {

namespace {

std::vector<std::string> environmentStrings(const Environment& changes) {
    std::vector<std::string> result;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (changes.count(name) == 0) result.push_back(entry);
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty()) result.push_back(name + "=" + value);
    }
    return result;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings) result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

int statusOf(int raw) {
    if (WIFEXITED(raw)) return WEXITSTATUS(raw);
    if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
    return -1;
}

// The child's folder is set with posix_spawn_file_actions_addchdir_np
// (glibc 2.29 and later).
pid_t spawn(const std::vector<std::string>& argv, const Environment& environment, const std::string& folder, int outFd,
            int errFd) {
    std::vector<std::string> args = argv;
    std::vector<std::string> env = environmentStrings(environment);
    std::vector<char*> argp = pointers(args);
    std::vector<char*> envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    if (outFd >= 0) posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    if (errFd >= 0) posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

}  // namespace

double now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

std::string findInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string rest = path ? path : "/usr/bin:/bin";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string folder = rest.substr(0, colon);
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

pid_t startProgram(const std::vector<std::string>& argv, const Environment& environment, const std::string& folder,
                   const std::string& logFile) {
    int log = -1;
    if (!logFile.empty()) log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const pid_t pid = spawn(argv, environment, folder, log, log);
    if (log >= 0) ::close(log);
    return pid;
}

std::optional<int> waitForEnd(pid_t pid, double seconds) {
    if (pid <= 0) return -1;
    const double deadline = now() + seconds;
    for (;;) {
        int raw = 0;
        const pid_t done = ::waitpid(pid, &raw, WNOHANG);
        if (done == pid) return statusOf(raw);
        if (done < 0 && errno != EINTR) return -1;
        if (now() >= deadline) return std::nullopt;
        pause(0.02);
    }
}

void killProgram(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    int raw = 0;
    while (::waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
}

CommandResult runCommand(const std::vector<std::string>& argv, const Environment& environment, double seconds) {
    CommandResult result;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return result;
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = spawn(argv, environment, "", pipeFds[1], devNull);
    ::close(pipeFds[1]);
    if (devNull >= 0) ::close(devNull);
    if (pid < 0) {
        ::close(pipeFds[0]);
        return result;
    }
    const double deadline = now() + seconds;
    bool open = true;
    while (open && now() < deadline) {
        pollfd p{pipeFds[0], POLLIN, 0};
        const int ready = ::poll(&p, 1, 50);
        if (ready <= 0) continue;
        char block[65536];
        const ssize_t n = ::read(pipeFds[0], block, sizeof block);
        if (n > 0) {
            result.output.append(block, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            open = false;
        }
    }
    ::close(pipeFds[0]);
    const std::optional<int> status = waitForEnd(pid, open ? 0.0 : std::max(0.0, deadline - now()) + 1.0);
    if (!status) {
        killProgram(pid);
        result.status = -1;
        return result;
    }
    result.status = *status;
    return result;
}

}  // namespace realwindow
