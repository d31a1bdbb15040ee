// start_up.cpp — what the game does once per run before the first game.
//
// Writes: what readSettings writes (switches, best players).
#include "game/flow/flow.h"

#include "game/front/front.h"
#include "game/world/game_screen.h"
#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

namespace {
// The pointer is kept hidden at the screen's centre; live input and the
// menu measure its pushes from there.
constexpr int kPointerCentreX = 400;
constexpr int kPointerCentreY = 300;
}  // namespace

void startUp() {
    readSettings();
    openGameScreen();
    setMouse(kPointerCentreX, kPointerCentreY, false);
    loadAllImages();
}
