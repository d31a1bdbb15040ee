// one_level.cpp — the --level option: one level file played on its own, as
// the editor's F5 starts it to try a level out.
//
// No title screen and no level after it: the wizard appears on the file's
// start, and the program ends when he reaches the door, when he dies (no
// game over, no closing scene), or when the game is ended (the menu's
// "Spiel beenden", Esc with a move, the window's close button). A file that
// is not there is told before any window opens (oneLevelMissing).
//
// Writes: World::oneLevel, mode; what resetForNewGame and the loader write;
// sceneShown.
#include "game/flow/flow.h"

#include "common/file_names.h"
#include "common/level_list.h"
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
    return "zauberlabyrinth: das Labyrinth Data/" + textForHost(name) + ".dat gibt es nicht im Spielordner " +
           (ec ? std::string(".") : folder) + "\n";
}

void playOneLevel(const std::string& name) {
    world.oneLevel = 1;
    resetForNewGame();
    // Only a plain name inside Data is read; anything else plays the empty
    // level a missing file gives.
    if (checkFileName(name) == NameCheck::Valid) loadNamedLevel(name);
    world.sceneShown = 0;
    renderScene();
    world.mode = GameMode::Live;
    double lastFrame = startPlay();
    while (loopPass(lastFrame)) {
    }
    endProgram();
}
