// web_programs.cpp — what the browser has in place of starting another
// program.
//
// A page cannot start a program and wait for it. The one program the editor
// starts is the game on a level (F5: the game with --level NAME); here that
// opens the game's page on the level in a new tab once the player's files
// are stored, and the editor goes on at once. Anything else cannot be
// started.
//
// Writes: nothing of its own (the page opens the tab).
#include "platform/backend.h"
#include "platform/web/web_js.h"

namespace backend {

namespace {
constexpr const char* kGameProgram = "zauberlabyrinth";
}  // namespace

int runProgram(const std::string& name, const std::vector<std::string>& arguments) {
    if (name != kGameProgram || arguments.size() != 2 || arguments[0] != "--level") return -1;
    zl_js_open_game_level(arguments[1].c_str());
    return 0;
}

}  // namespace backend
