// cleaners.cpp — cleaning men walk along their row toward the wizard's
// column, only onto cells that stand on a carrying block, and glide 2 pixels
// per frame (20 frames per cell). They never move vertically.
//
// Writes: World::cleaners (x, offsetX).
#include "common/tile_codes.h"
#include "game/rules/creature_chase.h"
#include "game/rules/creature_glide.h"
#include "game/rules/creatures.h"
#include "game/world/scene.h"

namespace {

constexpr GlideRule kCleanerGlide{2, true, drawCleaners};

// A cleaning man may walk onto (x, y) when it can be entered and the cell
// beneath carries him: a code above 50, so a plain barrier (50) does not.
// Cells outside the map read as solid wall and carry.
bool canWalkOnto(int x, int y) { return isEnterable(cellAt(x, y)) && cellAt(x, y + 1) > tile::Barrier; }

}  // namespace

void chaseCleaners() {
    const int px = world.playerX;
    const int last = creatureLimit(world.cleanerCount);
    for (int k = 1; k <= last; ++k) {
        Creature& c = world.cleaners[static_cast<std::size_t>(k)];
        if (!onCurrentScreen(c) || c.offsetX != 0) continue;
        stepToward(c.x, c.offsetX, px, [&](int x) { return canWalkOnto(x, c.y); });
    }
}

void stepCleaners() { glideCreatures(world.cleaners, world.cleanerCount, kCleanerGlide); }
