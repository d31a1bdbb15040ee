// items.h — exchange and use of the held item, weapon kills and the
// shooting-star burst.
//
// Writes: World::heldItem, map (exchange, corpses), creature entries (kills),
// score, splinterX/Y, splinterTimer (firing).
#pragma once

void swapHeldItem();
void useHeldItem();
// One frame of the splinter burst.
void burstStep();
