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
        if (c.x > px && open(c.x - 1, c.y)) {
            c.x -= 1;
            c.offsetX = kCell;
        }
        if (c.x < px && open(c.x + 1, c.y)) {
            c.x += 1;
            c.offsetX = -kCell;
        }
        if (c.y > py && open(c.x, c.y - 1)) {
            c.y -= 1;
            c.offsetY = kCell;
        }
        if (c.y < py && open(c.x, c.y + 1)) {
            c.y += 1;
            c.offsetY = -kCell;
        }
    }
}
