// processes.h — starting, watching and ending the programs a real-window
// test drives (the X server, the game, the editor, xdotool, xwd).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace realwindow {

// The environment of the started programs: the test's own, with these
// variables set (an empty value removes the variable).
using Environment = std::map<std::string, std::string>;

// A program found in PATH; "" when there is none.
std::string findInPath(const std::string& name);

// Starts a program in `folder` ("" for the test's own) without waiting; the
// pid, or -1 when it could not be started. Its output goes to `logFile`
// ("" for the test's own output).
pid_t startProgram(const std::vector<std::string>& argv, const Environment& environment, const std::string& folder = "",
                   const std::string& logFile = "");

// How a started program ended: its exit code, or 128 + the signal.
// Nothing when it has not ended within `seconds`.
std::optional<int> waitForEnd(pid_t pid, double seconds);

// Ends a program at once (SIGKILL) and collects it; nothing if it has ended.
void killProgram(pid_t pid);

struct CommandResult {
    int status = -1;     // exit code, 128 + signal, or -1 when it could not run or timed out
    std::string output;  // what it wrote to standard output
};

// Runs a short command to its end, at most `seconds`, its standard output
// captured and its standard error discarded.
CommandResult runCommand(const std::vector<std::string>& argv, const Environment& environment, double seconds);

// Seconds on a monotonic clock.
double now();
// Sleeps for a short while.
void pause(double seconds);

}  // namespace realwindow
