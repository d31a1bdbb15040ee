// creature_glide.h — what the four creature kinds share: the range of used
// table entries, rest, and the per-frame glide of a whole kind.
#pragma once

#include "game/world/world.h"

// How a kind glides: pixels per frame, whether it moves on rows at all (and
// so is drawn and erased with its row offset or without), and the scene
// operation that draws every creature of the kind.
struct GlideRule {
    int pixels;           // offset change per frame and axis
    bool horizontalOnly;  // cleaning men never glide vertically
    void (*draw)();       // draws the whole kind
};

// Used entries are 1..creatureLimit(count): the count held to 0..100, so a
// damaged count can never index outside a table.
int creatureLimit(int count);
// Both offsets 0.
bool creatureAtRest(const Creature& c);
// Removes a killed creature from play.
void emptyEntry(Creature& c);
// The glide of every creature of a table that is on the current screen. It
// leaves the screen as if, for each moving one and each axis, the whole kind
// were erased, that offset moved and the whole kind drawn again.
void glideCreatures(CreatureTable& table, int count, const GlideRule& rule);
