// game_cycle.cpp — the cycle of modes: each game begins at the title screen,
// is played live or as a demonstration, and a lost live game passes through
// game over before the next title screen.
//
// Writes: World::mode; playerOffsetX/Y (start of play); a new game's fields
// through resetForNewGame; what the recording writes (a game started, a
// game ended).
#include "game/flow/flow.h"

#include "game/front/front.h"
#include "game/front/recording.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

// A new game: level 1 behind the title screen, which returns when play is to
// begin (a start key, a demonstration loaded, a game loaded).
void titleMode() {
    resetForNewGame();
    loadLevel();
    renderScene();
    const bool loaded = titleScreen();
    world.mode = world.demoStep == 1 ? GameMode::Demonstration : GameMode::Live;
    // A recording is played from the labyrinth's start, so only a game
    // started there is recorded, not a saved one.
    if (loaded) {
        dropRecording();
    } else {
        startRecording();
    }
}

// The wizard appears and the frame loop runs until the game ends. A live
// game lost sets GameMode::GameOver in the frame step; every other end
// returns to the title.
void playMode() {
    double lastFrame = startPlay();
    while (loopPass(lastFrame)) {
    }
    finishRecording();
    if (world.mode != GameMode::GameOver) world.mode = GameMode::Title;
}

void gameOverMode() {
    gameOver();
    world.mode = GameMode::Title;
}

}  // namespace

double startPlay() {
    if (world.demoStep == 1) {
        loadLevel();
        world.sceneShown = 0;
        renderScene();
    }
    world.playerOffsetX = 0;
    world.playerOffsetY = 0;
    wizardAppear();
    const double lastFrame = timerSeconds();
    showHeldItem();
    // Eyes and cleaning men show from the first periodic redraw.
    drawPigs();
    drawFlameGhosts();
    return lastFrame;
}

void runMode() {
    switch (world.mode) {
        case GameMode::Title: titleMode(); break;
        case GameMode::Live:
        case GameMode::Demonstration: playMode(); break;
        case GameMode::GameOver: gameOverMode(); break;
        // The menu is modal and opened from inside the other modes; should the
        // cycle ever find it, the title screen follows.
        case GameMode::Menu: world.mode = GameMode::Title; break;
    }
}

void runGameProgram(const RunOptions& options) {
    startUp(options);
    if (!options.levelName.empty()) playOneLevel(options.levelName);
    world.mode = GameMode::Title;
    for (;;) runMode();
}
