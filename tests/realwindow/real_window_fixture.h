// real_window_fixture.h — one test in a real window: a scratch folder, its
// own virtual X display, the programs it started (ended with SIGKILL at the
// end, since SDL would take SIGTERM as the close button), and the player's
// eyes and hands: pictures of the window, keys, and the menu, the cursor and
// the wizard found on screen.
#pragma once

#include "tests/realwindow/pictures.h"
#include "tests/realwindow/processes.h"
#include "tests/realwindow/x_display.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace realwindow {

// Generous: the tests run beside the build and the other tests on two cores,
// the sanitizer build among them.
constexpr double kStartSeconds = 60.0;  // a program's window appears
constexpr double kSeeSeconds = 20.0;    // what a key does shows on the screen
constexpr double kEndSeconds = 60.0;    // "Spiel beenden" darkens the screen, then the program ends

// A picture from the build's sprites folder (fails the test if missing).
Picture sprite(const std::string& name);
// The wizard at rest, in any of his pictures: his cell, if he shows.
std::optional<Cell> wizardCell(const Picture& window);
// The line 1..7 that the menu's white frame surrounds; 0 without menu.
int menuLine(const Picture& window);

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A ready-to-run folder below the scratch folder: sprites and wave lead
    // to the build's, Data holds the shipped levels as the build staged them
    // and no settings file.
    std::filesystem::path makeRunFolder(const std::string& name) const;
    // Starts a program in a folder; ended at the end of the test.
    pid_t start(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& folder,
                const Environment& extra = {});
    // The window of a started program; fails the test when it does not
    // appear.
    std::string windowOf(pid_t program);
    // Pictures of the window until one satisfies `seen`; nothing when none
    // does in time.
    std::optional<Picture> lookFor(const std::string& window, const std::function<bool(const Picture&)>& seen,
                                   double seconds, std::optional<Picture>* last = nullptr) const;
    // The same, failing the test, with the last picture kept, when none does.
    std::optional<Picture> waitToSee(const std::string& window, const std::function<bool(const Picture&)>& seen,
                                     const std::string& what, double seconds = kSeeSeconds);

    // Waits until the window bears the name; true if it does.
    bool named(const std::string& window, const std::string& name) const;
    // Moves the menu's frame to `line` with the arrow keys, a short press
    // at a time, looking after each.
    void chooseMenuLine(const std::string& window, int line);

    ScratchDir dir;
    XDisplay display;
    std::vector<pid_t> programs;
};

}  // namespace realwindow
