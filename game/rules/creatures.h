// creatures.h — chase rules and glides of pigs, flame ghosts, eyes and
// cleaning men.
//
// Writes: the creature tables' x, y, offsetX, offsetY.
#pragma once

void chasePigs();
void chaseFlameGhosts();
void chaseEyes();
void chaseCleaners();

void stepPigs();
void stepFlameGhosts();
void stepEyes();
void stepCleaners();
