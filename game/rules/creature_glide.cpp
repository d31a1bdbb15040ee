// creature_glide.cpp — per-frame glide and table helpers shared by the kinds.
//
// Writes: offsetX and offsetY of creature entries (glide); x, y, homeViewX,
// homeViewY of an emptied entry.
#include "game/rules/creature_glide.h"

#include "game/rules/glide.h"

#include <algorithm>

int creatureLimit(int count) { return std::clamp(count, 0, kMaxCreatures); }

bool isEmptyEntry(const Creature& c) {
    return c.x == 0 && c.y == 0 && c.homeViewX == 0 && c.homeViewY == 0;
}

bool creatureAtRest(const Creature& c) { return c.offsetX == 0 && c.offsetY == 0; }

void emptyEntry(Creature& c) {
    c.x = 0;
    c.y = 0;
    c.homeViewX = 0;
    c.homeViewY = 0;
}

void glideCreatures(CreatureTable& table, int count, const GlideRule& rule) {
    const int last = creatureLimit(count);
    for (int k = 1; k <= last; ++k) {
        Creature& c = table[static_cast<std::size_t>(k)];
        if (!onCurrentScreen(c)) continue;
        glideOffset(c.offsetX, rule.pixels, rule.erase, rule.draw);
        if (!rule.horizontalOnly) glideOffset(c.offsetY, rule.pixels, rule.erase, rule.draw);
    }
}
