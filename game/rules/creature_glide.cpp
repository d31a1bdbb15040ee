// creature_glide.cpp — per-frame glide and table helpers shared by the kinds.
//
// Writes: offsetX and offsetY of creature entries (glide); x, y, homeViewX,
// homeViewY of an emptied entry.
#include "game/rules/creature_glide.h"

#include "game/rules/glide.h"
#include "game/world/scene.h"

#include <algorithm>

int creatureLimit(int count) { return std::clamp(count, 0, kMaxCreatures); }

bool creatureAtRest(const Creature& c) { return c.offsetX == 0 && c.offsetY == 0; }

void emptyEntry(Creature& c) {
    c.x = 0;
    c.y = 0;
    c.homeViewX = 0;
    c.homeViewY = 0;
}

namespace {

Pixel blockOf(const Creature& c, bool horizontalOnly) {
    return spritePixel(c.x, c.y, c.offsetX, horizontalOnly ? 0 : c.offsetY);
}

}  // namespace

void glideCreatures(CreatureTable& table, int count, const GlideRule& rule) {
    // The picture this must leave is that of the plain rule: for every moving
    // creature and axis, erase the whole kind, move that one offset, draw the
    // whole kind. Every such draw is wiped again by the erase of the next
    // move, which restores exactly the blocks it drew. So the same pixels come
    // from one erase of the whole kind at its starting places, a restore of
    // each moved creature's new block except after the last move (that is
    // what the next move's erase would have restored), and one draw of the
    // whole kind at the end: linear in the number of creatures instead of
    // quadratic, which matters with many creatures on one screen.
    const int last = creatureLimit(count);
    bool erased = false;
    bool pending = false;  // a moved block that a later move's erase would restore
    Pixel pendingBlock{0, 0};
    for (int k = 1; k <= last; ++k) {
        Creature& c = table[static_cast<std::size_t>(k)];
        if (!onCurrentScreen(c)) continue;
        int* axes[2] = {&c.offsetX, rule.horizontalOnly ? nullptr : &c.offsetY};
        for (int* offset : axes) {
            if (offset == nullptr || *offset == 0) continue;
            if (!erased) {
                rule.erase();
                erased = true;
            }
            if (pending) restoreBlock(pendingBlock.x, pendingBlock.y);
            *offset = glidedOffset(*offset, rule.pixels);
            pendingBlock = blockOf(c, rule.horizontalOnly);
            pending = true;
        }
    }
    if (erased) rule.draw();
}
