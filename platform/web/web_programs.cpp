// web_programs.cpp — what the browser has in place of starting another
// program.
//
// A page cannot start a program. The one program the editor starts is the
// game on a level (F5: the game with --level NAME); here that opens the
// game's page on the level in a new tab once the player's files are stored,
// and waits, as the desktop waits for the game's process, until the game's
// page tells its exit status by a message (or its tab is closed, which ends
// the run as the player's close button does). The waits hand the thread to
// the browser, so the editor's page stays alive meanwhile. Anything else
// cannot be started.
//
// Writes: nothing of its own (the page opens the tab and keeps its state).
#include "platform/backend.h"
#include "platform/web/web_js.h"

namespace backend {

namespace {
constexpr const char* kGameProgram = "zauberlabyrinth";
constexpr int kRunning = -2;  // zl_js_game_level_state while the game's tab runs
constexpr int kWaitSliceMs = 50;
}  // namespace

int runProgram(const std::string& name, const std::vector<std::string>& arguments) {
    if (name != kGameProgram || arguments.size() != 2 || arguments[0] != "--level") return -1;
    zl_js_open_game_level(arguments[1].c_str());
    for (;;) {
        const int state = zl_js_game_level_state();
        if (state != kRunning) return state;
        sleepFor(kWaitSliceMs);
    }
}

}  // namespace backend
