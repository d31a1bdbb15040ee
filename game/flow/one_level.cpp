// one_level.cpp — the --level option: one level file played on its own, as
// the editor's F5 starts it to try a level out.
//
// No title screen and no level after it: the wizard appears on the file's
// start, and the program ends when he reaches the door, when he dies (no
// game over, no closing scene), or when the game is ended (the menu's
// "Spiel beenden", Esc with a move, the window's close button). A file that
// is not there is told before any window opens (oneLevelMissing).
//
// How it ended is the program's exit status (common/run_end.h): 10 the door,
// 20 + what took the last energy, 30 drowned, 0 ended by the player. The
// same status and the steps the wizard took are also written to
// "Data\<name>.erg", for the editor to say how far he got. The menu's
// "Spiel beenden" and the close button end the program elsewhere, with 0
// and no report.
//
// Writes: World::oneLevel, mode; what resetForNewGame and the loader write;
// sceneShown.
#include "game/flow/flow.h"

#include "common/file_names.h"
#include "common/language.h"
#include "common/level_list.h"
#include "common/run_end.h"
#include "common/tile_codes.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <filesystem>
#include <system_error>

std::string oneLevelMissing(const std::string& name) {
    openFile(levelFilePath(name), FileMode::Input, 1);
    if (closeFile(1)) return "";
    std::error_code ec;
    const std::string folder = std::filesystem::current_path(ec).string();
    return "zauberlabyrinth: " +
           formatText(trTerminal("das Labyrinth Data/{0}.dat gibt es nicht im Spielordner {1}"),
                      {textForHost(name), ec ? std::string(".") : folder}) +
           "\n";
}

namespace {

constexpr int kDrowned = 2;  // deathKind of a drowning
constexpr int kExhausted = 1;

// The exit status of the run that has just ended.
int endStatus() {
    if (world.deathKind == kDrowned) return runEndStatus(RunEnd::Drowned);
    if (world.deathKind == kExhausted) return runEndStatus(RunEnd::Exhausted, static_cast<Harm>(world.lastHarm));
    if (playerAtRest() && cellAt(world.playerX, world.playerY) == tile::Door) return runEndStatus(RunEnd::Door);
    return runEndStatus(RunEnd::ByPlayer);
}

}  // namespace

void playOneLevel(const std::string& name) {
    world.oneLevel = 1;
    resetForNewGame();
    // Only a plain name inside Data is read; anything else plays the empty
    // level a missing file gives.
    const bool plainName = checkFileName(name) == NameCheck::Valid;
    if (plainName) loadNamedLevel(name);
    world.sceneShown = 0;
    renderScene();
    world.mode = GameMode::Live;
    double lastFrame = startPlay();
    while (loopPass(lastFrame)) {
    }
    const int status = endStatus();
    if (plainName) writeRunReport(name, {status, world.stepsTaken});
    endProgram(status);
}
