// action.cpp — the action command of live input: exchange the held item on
// cells with code 10 or more, use it on the others.
//
// Writes: nothing itself (see items.h).
#include "common/move_check.h"
#include "game/rules/items.h"
#include "game/rules/player.h"
#include "game/world/world.h"

void actionCommand() {
    if (actionExchanges(cellAt(world.playerX, world.playerY))) {
        swapHeldItem();
    } else {
        useHeldItem();
    }
}
