// level_loader.h — the game's level loader.
//
// Writes: World::map (columns 1..220, rows 1..150), playerX, playerY, viewX,
// viewY, x / y / homeViewX / homeViewY of all 101 entries of the four
// creature tables, the four counts, and level (a level above 8 becomes 1).
#pragma once

#include <string>

// Loads "Data\001.dat".."Data\008.dat" by World::level, or "Data\ende.dat"
// while World::deathKind is above 0; while a set of the player's is played
// (World::set), its labyrinth of that number instead, and its closing scene
// when it has one. With level below 1 and deathKind 0 it
// does nothing. Values are made safe for play on the way in (see
// level_loader.cpp); step offsets, heldItem, energy, score, frameCounter,
// sceneShown and the splinters are left as they are.
void loadLevel();
// Loads "Data\<name>.dat" the same way, whatever World::level says; a
// missing file reads as zeros. False when no file could be read.
bool loadNamedLevel(const std::string& name);
