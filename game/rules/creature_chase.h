// creature_chase.h — the chase on both axes shared by pigs, flame ghosts and
// eyes.
#pragma once

#include "game/world/world.h"

// Gives every creature of the table that is on the current screen and at
// rest its next step toward the wizard's cell: first one column toward
// playerX, then, from the column it now has, one row toward playerY. With
// wallsBlock, a step goes only into a cell with a code below 50; without,
// through every cell. A step sets the offset to +40 (left, up) or -40.
void chaseOnBothAxes(CreatureTable& table, int count, bool wallsBlock);
