// frame_loop.cpp — the paced frame loop of play.
//
// On every pass the loop runs the creatures' chase steps, empties the key
// buffer and tests the door; once more than 0.02 s have passed since the
// last frame it runs a frame step: contacts, one command and the end tests
// at rest, the glides, the frame counter, death and drowning, the periodic
// redraws, the tile animation and the shooting-star burst.
//
// A pass that finds the next frame not yet due rests until it is, instead of
// spinning: between two frame steps the chase steps and the door test can
// only act once (nothing moves and no input is read until the next frame
// step), so the passes a spinning loop would add change nothing but the
// processor's load. The order of chase steps, key buffer, door test and
// frame step stays the same, and so does every frame of play.
//
// Writes: World::frameCounter, turnHold, splinterTimer, deathKind, level
// (level exit), sceneShown, menuRequested, mode (a live game lost, the menu);
// what the recording and the pauses write.
// The window's close button ends the program from here (quitGame).
#include "game/flow/flow.h"

#include "common/level_list.h"
#include "common/move_check.h"
#include "common/tile_codes.h"
#include "game/front/front.h"
#include "game/front/recording.h"
#include "game/rules/contacts.h"
#include "game/rules/creatures.h"
#include "game/rules/items.h"
#include "game/rules/player.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr int kDeathMarkPauseMs = 1500;   // the death mark shows this long
constexpr int kDeathClearPauseMs = 1000;  // the screen without the wizard
constexpr int kDrowningPauseMs = 2000;
constexpr int kLastDemoStep = 999;  // a demonstration plays moves 1..999

// Is any creature of the table on this screen and at rest?
bool anyRestingOnScreen(const CreatureTable& table, int count, bool horizontalOnly) {
    const int n = std::clamp(count, 0, kMaxCreatures);
    for (int k = 1; k <= n; ++k) {
        const Creature& c = table[k];
        if (onCurrentScreen(c) && c.offsetX == 0 && (horizontalOnly || c.offsetY == 0)) return true;
    }
    return false;
}

void chaseSteps() {
    if (anyRestingOnScreen(world.pigs, world.pigCount, false)) chasePigs();
    if (anyRestingOnScreen(world.flameGhosts, world.flameGhostCount, false)) chaseFlameGhosts();
    if (anyRestingOnScreen(world.eyes, world.eyeCount, false)) chaseEyes();
    if (anyRestingOnScreen(world.cleaners, world.cleanerCount, true)) chaseCleaners();
}

// A live game that was lost goes on to game over; a demonstration just ends.
void endLost() {
    if (world.demoStep <= 0) world.mode = GameMode::GameOver;
}

// Energy ran out: the death mark, then the creatures taken off the screen.
void dieOfExhaustion() {
    world.deathKind = 1;
    eraseWizard();
    const Pixel p = spritePixel(world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
    drawImage(p.x + 20, p.y + 20, image(Img::Zaub10), DrawMode::Transparent);
    playCue(Snd::plop);
    sleepMs(kDeathMarkPauseMs);
    eraseWizard();
    // Exclusive-or drawing over the creatures takes them off the screen.
    drawCleaners();
    drawFlameGhosts();
    drawPigs();
    drawEyes();
    sleepMs(kDeathClearPauseMs);
    endLost();
}

void drown() {
    world.deathKind = 2;
    eraseWizard();
    playCue(Snd::plop);
    sleepMs(kDrowningPauseMs);
    endLost();
}

void periodicRedraw() {
    eraseWizard();
    erasePigs();
    eraseFlameGhosts();
    eraseCleaners();
    eraseEyes();
    drawFlameGhosts();
    drawPigs();
    drawWizard();
    drawCleaners();
    drawEyes();
    contactStep();
}

// The menu the rules asked for; the frame loop stands still meanwhile.
void openRequestedMenu() {
    world.menuRequested = 0;
    const GameMode playing = world.mode;
    world.mode = GameMode::Menu;
    if (gameMenu()) dropRecording();
    world.mode = playing;
}

// At rest: contacts, then one command from live input or the recording, and
// the end tests. False when the game ends here.
bool restStep() {
    contactStep();
    bool menuOpened = false;
    if (world.demoStep < 1) {
        const CommandWitness before = witnessWizard();
        recordCommand(liveInputStep(), before);
        if (world.menuRequested != 0) {
            openRequestedMenu();
            menuOpened = true;
        }
    }
    if (world.demoStep > kLastDemoStep) return false;
    // Space ends a demonstration; Esc ends a demonstration or, held with a
    // move in a live game, the game. The Esc that opened the menu in this
    // frame is spent on the menu.
    if (world.demoStep > 0 && isKeyDown(scancode::Space)) return false;
    if (!menuOpened && isKeyDown(scancode::Esc)) return false;
    carryOut(demoInputStep());
    return true;
}

}  // namespace

bool frameStep(double& lastFrame) {
    if (playerAtRest() && !restStep()) return false;
    stepWizard();
    stepPigs();
    stepFlameGhosts();
    stepCleaners();
    stepEyes();
    lastFrame = timerSeconds();
    logFrameStep(lastFrame);
    ++world.frameCounter;
    if (world.turnHold > 0) --world.turnHold;

    if (world.energy < 1) {
        if (world.demoStep <= 0) dieOfExhaustion();
        return false;
    }
    if (drownsOn(cellAt(world.playerX, world.playerY)) && world.playerOffsetY == 0) {
        drown();
        return false;
    }
    if (world.frameCounter > 40) world.frameCounter = 0;
    if (world.frameCounter == 10 || world.frameCounter == 30) periodicRedraw();
    if (world.frameCounter == 0 || world.frameCounter == 20) animateTiles();
    if (world.splinterTimer > 0) {
        burstStep();
        --world.splinterTimer;
        if (world.splinterTimer == 0) eraseSplinters();
    }
    return true;
}

bool loopPass(double& lastFrame) {
    // The pass empties the key buffer, where the close request also lands;
    // the request itself is kept apart and ends the program here.
    quitOnCloseRequest();
    holdPlayWhenAsked(lastFrame);
    const double now = timerSeconds();
    chaseSteps();
    flushKeys();
    // The door is taken only at rest, so the wizard has fully arrived on it.
    if (playerAtRest() && cellAt(world.playerX, world.playerY) == tile::Door) {
        if (world.oneLevel != 0) return false;  // one level played: its door ends the run
        // The last labyrinth's door ends what a recording can hold: play
        // goes on in the first one, which no demonstration starts from.
        if (world.level >= kLevelCount) finishRecording();
        ++world.level;
        loadLevel();
        world.sceneShown = 0;
        renderScene();
        showHeldItem();
    }
    if (now - lastFrame <= kFramePeriod) {
        sleepUntil(lastFrame + kFramePeriod);
        return true;
    }
    return frameStep(lastFrame);
}
