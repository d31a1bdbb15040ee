// demo_playback.cpp — demonstration playback: the next recorded command.
//
// Writes: World::demoStep.
#include "game/front/front.h"

#include "game/world/world.h"

Command demoInputStep() {
    if (world.demoStep <= 0) return Command::None;
    const int step = world.demoStep;
    // A code outside 1..5, 0 included, uses its step up and does nothing.
    const int code = step <= kDemoMoves ? world.demoMoves[step] : 0;
    world.demoStep = step + 1;
    return commandOfCode(code);
}
