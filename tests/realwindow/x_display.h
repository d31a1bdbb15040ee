// x_display.h — a virtual X display for one test (Xvfb, 800 x 600, 24-bit)
// and the X tools that act as the player on it: xdotool presses keys and
// finds windows, xwd takes the pictures.
#pragma once

#include "tests/realwindow/pictures.h"
#include "tests/realwindow/processes.h"

#include <optional>
#include <string>
#include <vector>

namespace realwindow {

// The tools the tests need that are not in PATH, as "Xvfb (package xvfb)".
std::vector<std::string> missingTools();

class XDisplay {
public:
    XDisplay() = default;
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // Starts the server on the first free display (Xvfb -displayfd), with
    // -noreset so that it outlives its clients; its messages go to logFile.
    // False, with the reason in `problem`, when it does not come up.
    bool start(const std::string& logFile, std::string& problem);
    // What a program on this display is started with: DISPLAY, SDL's X11
    // video and silent audio, and a UTF-8 character type (for window names
    // beyond ASCII).
    Environment environment() const;

    // The id of the program's window, once it shows and can take the
    // keyboard focus. (Searching by name fails for a name beyond ASCII,
    // the editor's; the process id is exact anyway.)
    std::optional<std::string> waitForWindow(pid_t program, double seconds) const;
    // The window's name, UTF-8.
    std::string windowName(const std::string& window) const;
    // The windows whose name matches a pattern as tools that read only the
    // old-style name (WM_NAME) find them: their ids, one per line.
    std::string windowsNamed(const std::string& pattern) const;
    // The window's pixels; nothing when xwd fails (the window is gone).
    std::optional<Picture> capture(const std::string& window) const;

    // Keys by their X names ("space", "Right", "Escape", "F1", "s", "1").
    void keyDown(const std::string& key) const;
    void keyUp(const std::string& key) const;
    // Holds a key for `seconds`.
    void tap(const std::string& key, double seconds) const;
    // Types text as characters, a key at a time.
    void type(const std::string& text) const;

private:
    bool xdotool(const std::vector<std::string>& args) const;

    pid_t server_ = -1;
    std::string display_;
};

}  // namespace realwindow
