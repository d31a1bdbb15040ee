// main_loop.cpp — start-up, each game and the paced frame loop.
//
// The loop never sleeps: on every pass it runs the creatures' chase steps,
// empties the key buffer and tests the door; once more than 0.02 s have
// passed since the last frame it runs a frame step (input and contacts at
// rest, glides, the frame counter, death and drowning, periodic redraws, the
// tile animation and the shooting-star burst).
//
// Writes: World::heldItem, energy, sceneShown, deathKind, level, demoStep,
// score (new game); playerOffsetX/Y (start of play); frameCounter, turnHold,
// splinterTimer (frame step); level (level exit).
#include "game/world/main_loop.h"

#include "common/tile_codes.h"
#include "game/front/front.h"
#include "game/rules/contacts.h"
#include "game/rules/creatures.h"
#include "game/rules/items.h"
#include "game/rules/player.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr int kScancodeEsc = 1;
constexpr int kScancodeSpace = 57;

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

void newGameFields() {
    world.heldItem = 0;
    world.energy = 99;
    world.sceneShown = 0;
    world.deathKind = 0;
    world.level = 1;
    world.demoStep = 0;
    world.score = 0;
}

// The wizard's sprite position, for the death mark at its centre.
Pixel wizardPixel() {
    return spritePixel(world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
}

void playIfSoundOn(const char* path) {
    if (world.soundOn == 1) playSound(path);
}

// Energy ran out. Returns after the sequence; the game then ends.
void dieOfExhaustion() {
    world.deathKind = 1;
    eraseWizard();
    const Pixel p = wizardPixel();
    drawImage(p.x + 20, p.y + 20, image(Img::Zaub10), DrawMode::Transparent);
    playIfSoundOn("wave\\plop.wav");
    sleepMs(1500);
    eraseWizard();
    // Exclusive-or drawing over the creatures takes them off the screen.
    drawCleaners();
    drawFlameGhosts();
    drawPigs();
    drawEyes();
    sleepMs(1000);
    gameOver();
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

}  // namespace

void openGameScreen() {
    if (world.fullScreen == 0 || world.fullScreen == 1) {
        openScreen(kScreenWidth, kScreenHeight, 32, 2, world.fullScreen);
    }
}

void startUp() {
    readSettings();
    openGameScreen();
    setMouse(400, 300, false);
    loadAllImages();
}

bool frameStep(double& lastFrame) {
    if (playerAtRest()) {
        contactStep();
        if (world.demoStep < 1) liveInputStep();
        if (world.demoStep > 999) return false;
        if ((world.demoStep > 0 && isKeyDown(kScancodeSpace)) || isKeyDown(kScancodeEsc)) return false;
        demoInputStep();
    }
    stepWizard();
    stepPigs();
    stepFlameGhosts();
    stepCleaners();
    stepEyes();
    lastFrame = timerSeconds();
    ++world.frameCounter;
    if (world.turnHold > 0) --world.turnHold;

    if (world.energy < 1) {
        if (world.demoStep > 0) return false;
        dieOfExhaustion();
        return false;
    }
    if (cellAt(world.playerX, world.playerY) == Water && world.playerOffsetY == 0) {
        world.deathKind = 2;
        eraseWizard();
        playIfSoundOn("wave\\plop.wav");
        sleepMs(2000);
        if (world.demoStep <= 0) gameOver();
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
    const double now = timerSeconds();
    chaseSteps();
    flushKeys();
    // The door is taken only at rest, so the wizard has fully arrived on it.
    if (playerAtRest() && cellAt(world.playerX, world.playerY) == Door) {
        ++world.level;
        loadLevel();
        world.sceneShown = 0;
        renderScene();
        showHeldItem();
    }
    if (now - lastFrame <= kFramePeriod) return true;
    return frameStep(lastFrame);
}

void playOneGame() {
    newGameFields();
    loadLevel();
    renderScene();
    titleScreen();
    if (world.demoStep == 1) {
        loadLevel();
        world.sceneShown = 0;
        renderScene();
    }
    world.playerOffsetX = 0;
    world.playerOffsetY = 0;
    wizardAppear();
    double lastFrame = timerSeconds();
    showHeldItem();
    drawPigs();
    drawFlameGhosts();
    while (loopPass(lastFrame)) {
    }
}

void runGameProgram() {
    startUp();
    for (;;) playOneGame();
}
