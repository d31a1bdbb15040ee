// pauses.cpp — play standing still: while the key help is shown (F1) and
// while the window is without the focus or minimised, so that a player who
// looks up a key or switches to another window finds the wizard as he left
// him. Demonstrations are not held.
//
// Nothing of the game moves meanwhile: the frame loop is not run, and the
// time the pause took is added to the time of the last frame step, so the
// loop goes on where it stopped.
//
// Writes: nothing of World but what the key help writes.
#include "game/flow/flow.h"

#include "game/front/front.h"
#include "game/front/key_help.h"
#include "game/world/command_table.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr int kFocusPollMs = 50;

// Until the window is back; the keys were released when it went. Returns
// the seconds it took.
double waitForFocus() {
    const double start = timerSeconds();
    while (!windowActive()) {
        quitOnCloseRequest();
        flushKeys();
        sleepMs(kFocusPollMs);
    }
    return timerSeconds() - start;
}

}  // namespace

void holdPlayWhenAsked(double& lastFrame) {
    if (world.demoStep > 0) return;
    if (gameKeyHeld(kInPlay, GameCommand::KeyHelp)) lastFrame += showKeyHelp();
    if (!windowActive()) lastFrame += waitForFocus();
}
