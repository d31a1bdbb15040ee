// kill_table.h — how each creature kind dies: the weapon that kills it, the
// corpse it leaves (whose picture a splinter kill draws), the sound and the
// points. One table drives both the
// weapons and the shooting-star burst.
#pragma once

#include "game/world/sound_catalogue.h"
#include "game/world/world.h"

#include <array>

struct KillRule {
    CreatureTable World::*table;  // the kind's table
    int World::*count;            // and its count
    int weapon;                   // item code that kills one of them on the wizard's cell
    int corpseCode;               // written on the cell if its code is below 9
    bool burstDrawsCorpse;        // smoke (flame ghosts) waits for the tile animation instead
    Snd sound;                    // played at the kill
    void (*erase)();              // scene operation erasing the whole kind
};

constexpr int kWeaponKillPoints = 1000;
constexpr int kBurstKillPoints = 500;
constexpr int kCorpseBelow = 9;  // only cells with a lower code receive a corpse

// Pig, cleaning man, flame ghost, eye: the order in which weapons and
// splinters test the kinds.
extern const std::array<KillRule, 4> kKillTable;

// Writes the rule's corpse code on (x, y) when the cell's code is below 9;
// true when it did.
bool leaveCorpse(const KillRule& rule, int x, int y);
