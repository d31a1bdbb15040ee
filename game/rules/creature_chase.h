// creature_chase.h — the step toward the wizard on one axis, shared by every
// kind, and the chase on both axes of pigs, flame ghosts and eyes.
#pragma once

#include "game/world/world.h"

// Gives every creature of the table that is on the current screen and at
// rest its next step toward the wizard's cell: first one column toward
// playerX, then, from the column it now has, one row toward playerY. With
// wallsBlock, a step goes only into a cell with a code below 50; without,
// through every cell. A step sets the offset to +40 (left, up) or -40.
void chaseOnBothAxes(CreatureTable& table, int count, bool wallsBlock);

// One step of the coordinate `at` toward `target` on one axis, when
// open(at - 1) or open(at + 1) says the cell it would enter may be entered:
// the coordinate moves by one and `offset` becomes +40 (a step down the axis)
// or -40 (up the axis), so the creature glides in from where it was.
template <typename Open>
void stepToward(int& at, int& offset, int target, Open open) {
    if (at > target && open(at - 1)) {
        at -= 1;
        offset = kCell;
    }
    if (at < target && open(at + 1)) {
        at += 1;
        offset = -kCell;
    }
}
