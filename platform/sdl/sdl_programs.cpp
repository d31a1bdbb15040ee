// sdl_programs.cpp — starting another program and waiting for it, for the
// editor, which starts the game on the level being made.
//
// The program is looked for beside the running program's own file (the
// game lies beside the editor in the ready-to-run folder and in the
// installed bin), then on the PATH. While it runs, the window keeps
// handling its events, so it is redrawn and not taken for hung.
#include "platform/backend.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

extern char** environ;

namespace backend {

namespace {
constexpr int kWaitSliceMs = 50;

std::string besideThisProgram(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return name;
    const std::filesystem::path beside = self.parent_path() / name;
    return std::filesystem::is_regular_file(beside, ec) ? beside.string() : name;
}
}  // namespace

int runProgram(const std::string& name, const std::vector<std::string>& arguments) {
    const std::string path = besideThisProgram(name);
    std::vector<std::string> words = {name};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (done < 0 && errno != EINTR) return -1;
        sleepFor(kWaitSliceMs);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace backend
