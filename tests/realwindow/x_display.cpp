// x_display.cpp — Xvfb, xdotool and xwd.
#include "tests/realwindow/x_display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace realwindow {

namespace {

constexpr double kServerStartSeconds = 30.0;
constexpr double kToolSeconds = 20.0;  // an X tool on a loaded machine

struct Tool {
    const char* program;
    const char* package;
};
constexpr Tool kTools[] = {{"Xvfb", "xvfb"}, {"xdotool", "xdotool"}, {"xwd", "x11-apps"}};

}  // namespace

std::vector<std::string> missingTools() {
    std::vector<std::string> missing;
    for (const Tool& tool : kTools) {
        if (findInPath(tool.program).empty()) {
            std::string entry = tool.program;
            entry.append(" (package ").append(tool.package).append(")");
            missing.push_back(entry);
        }
    }
    return missing;
}

XDisplay::~XDisplay() { killProgram(server_); }

bool XDisplay::start(const std::string& logFile, std::string& problem) {
    int fds[2];
    if (::pipe(fds) != 0) {
        problem = "no pipe for Xvfb -displayfd";
        return false;
    }
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    server_ = startProgram({findInPath("Xvfb"), "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x600x24",
                            "-noreset", "-nolisten", "tcp"},
                           {}, "", logFile);
    ::close(fds[1]);
    std::string number;
    const double deadline = now() + kServerStartSeconds;
    while (number.find('\n') == std::string::npos && now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        char c[16];
        const ssize_t n = ::read(fds[0], c, sizeof c);
        if (n <= 0) break;
        number.append(c, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (server_ < 0 || number.find('\n') == std::string::npos) {
        problem = "Xvfb did not come up within " + std::to_string(int(kServerStartSeconds)) + " s (see " + logFile + ")";
        return false;
    }
    number.erase(number.find('\n'));
    display_ = std::string(":").append(number);
    return true;
}

Environment XDisplay::environment() const {
    return {{"DISPLAY", display_},
            {"SDL_VIDEODRIVER", "x11"},
            {"SDL_AUDIODRIVER", "dummy"},
            {"LC_ALL", "C.UTF-8"},
            {"WAYLAND_DISPLAY", ""}};
}

bool XDisplay::xdotool(const std::vector<std::string>& args) const {
    std::vector<std::string> argv = {findInPath("xdotool")};
    argv.insert(argv.end(), args.begin(), args.end());
    return runCommand(argv, environment(), kToolSeconds).status == 0;
}

std::optional<std::string> XDisplay::waitForWindow(pid_t program, double seconds) const {
    const double deadline = now() + seconds;
    while (now() < deadline) {
        const CommandResult found = runCommand(
            {findInPath("xdotool"), "search", "--onlyvisible", "--pid", std::to_string(program)}, environment(),
            kToolSeconds);
        if (found.status == 0 && !found.output.empty()) {
            const std::string window = found.output.substr(0, found.output.find('\n'));
            // Without a window manager the focus must be given; it is refused
            // until the window is mapped.
            if (xdotool({"windowfocus", window})) return window;
        }
        pause(0.1);
    }
    return std::nullopt;
}

std::string XDisplay::windowName(const std::string& window) const {
    std::string name = runCommand({findInPath("xdotool"), "getwindowname", window}, environment(), kToolSeconds).output;
    while (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

std::string XDisplay::windowsNamed(const std::string& pattern) const {
    std::string ids = runCommand({findInPath("xdotool"), "search", "--name", pattern}, environment(), kToolSeconds).output;
    while (!ids.empty() && ids.back() == '\n') ids.pop_back();
    return ids;
}

std::optional<Picture> XDisplay::capture(const std::string& window) const {
    const CommandResult dump = runCommand({findInPath("xwd"), "-silent", "-id", window}, environment(), kToolSeconds);
    if (dump.status != 0) return std::nullopt;
    return readXwd(dump.output);
}

void XDisplay::keyDown(const std::string& key) const { xdotool({"keydown", key}); }
void XDisplay::keyUp(const std::string& key) const { xdotool({"keyup", key}); }

void XDisplay::tap(const std::string& key, double seconds) const {
    keyDown(key);
    pause(seconds);
    keyUp(key);
}

void XDisplay::type(const std::string& text) const { xdotool({"type", "--delay", "80", text}); }

}  // namespace realwindow
