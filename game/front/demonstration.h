// demonstration.h — starting a recorded demonstration from the title screen.
#pragma once

// Which recording the title screen plays next and on which labyrinth, by
// World::demoCycle: Demo on labyrinth 1, Demo2 on 2, Demo3 on 3, Demo4 on
// 4, then Demo again. Loads the recording into demoMoves (a missing file
// plays as 1000 zeros), sets level and demoStep 1. A set of the player's
// plays its own demonstrations in turn, each on its labyrinth; one without
// any starts none.
// Writes: World::demoCycle, demoMoves, level, demoStep.
void startDemonstration();
// The set played has a demonstration for the title screen: always for the
// shipped labyrinths, for a set of the player's when it brings one.
bool demonstrationAvailable();
