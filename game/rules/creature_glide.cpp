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

// Restores the part of the block at `to` that the block at `from` does not
// cover, where `to` is `from` moved along one axis: a strip at most one
// block wide.
void restoreUncovered(Pixel from, Pixel to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if (dx > 0) restoreArea(std::max(to.x, from.x + kCell), to.y, std::min(dx, kCell), kCell);
    if (dx < 0) restoreArea(to.x, to.y, std::min(-dx, kCell), kCell);
    if (dy > 0) restoreArea(to.x, std::max(to.y, from.y + kCell), kCell, std::min(dy, kCell));
    if (dy < 0) restoreArea(to.x, to.y, kCell, std::min(-dy, kCell));
}

bool moves(const Creature& c, bool horizontalOnly) {
    return onCurrentScreen(c) && (c.offsetX != 0 || (!horizontalOnly && c.offsetY != 0));
}

}  // namespace

void glideCreatures(CreatureTable& table, int count, const GlideRule& rule) {
    // The picture this must leave is that of the plain rule: for every moving
    // creature and axis, erase the whole kind, move that one offset, draw the
    // whole kind. Every such draw is wiped again by the erase of the next
    // move, which restores exactly the blocks it drew. So the same pixels come
    // from restoring, once, every block some erase would restore, and one draw
    // of the whole kind at the end: each creature's block at its starting
    // place, and each moved creature's block after each of its moves except
    // the very last move of the kind (that block only the next move's erase
    // would have restored). Restores copy the unchanging background page, so
    // their order does not matter and overlaps need copying once: after a
    // creature's starting block, only the strip each move uncovers is copied.
    // That is linear in the number of creatures instead of quadratic, and
    // copies about a block per moving creature instead of three.
    const int last = creatureLimit(count);
    int lastMover = 0;
    for (int k = 1; k <= last; ++k) {
        if (moves(table[static_cast<std::size_t>(k)], rule.horizontalOnly)) lastMover = k;
    }
    if (lastMover == 0) return;
    for (int k = 1; k <= last; ++k) {
        Creature& c = table[static_cast<std::size_t>(k)];
        if (!onCurrentScreen(c)) continue;
        Pixel block = blockOf(c, rule.horizontalOnly);
        restoreBlock(block.x, block.y);
        int* axes[2] = {&c.offsetX, rule.horizontalOnly ? nullptr : &c.offsetY};
        for (int* offset : axes) {
            if (offset == nullptr || *offset == 0) continue;
            *offset = glidedOffset(*offset, rule.pixels);
            const Pixel moved = blockOf(c, rule.horizontalOnly);
            const bool lastMove = k == lastMover && (offset == &c.offsetY || rule.horizontalOnly || c.offsetY == 0);
            if (!lastMove) restoreUncovered(block, moved);
            block = moved;
        }
    }
    rule.draw();
}
