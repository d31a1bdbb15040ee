// creature_chase.cpp — the chase toward the wizard on both axes.
//
// Writes: x, y, offsetX, offsetY of creature entries.
#include "game/rules/creature_chase.h"

#include "game/rules/creature_glide.h"

void chaseOnBothAxes(CreatureTable& table, int count, bool wallsBlock) {
    const int px = world.playerX;
    const int py = world.playerY;
    // cellAt reads every cell outside the map as solid, so a creature on the
    // map's border never looks past it.
    auto open = [wallsBlock](int x, int y) { return !wallsBlock || isEnterable(cellAt(x, y)); };
    const int last = creatureLimit(count);
    for (int k = 1; k <= last; ++k) {
        Creature& c = table[static_cast<std::size_t>(k)];
        if (!onCurrentScreen(c) || !creatureAtRest(c)) continue;
        // The row step looks from the column the creature now has.
        stepToward(c.x, c.offsetX, px, [&](int x) { return open(x, c.y); });
        stepToward(c.y, c.offsetY, py, [&](int y) { return open(c.x, y); });
    }
}
