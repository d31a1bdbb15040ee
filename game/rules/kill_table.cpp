// kill_table.cpp — the kill table and the corpse rule.
//
// Writes: World::map (corpses).
#include "game/rules/kill_table.h"

#include "common/tile_codes.h"
#include "game/rules/map_edit.h"
#include "game/world/scene.h"

const std::array<KillRule, 4> kKillTable = {{
    {&World::pigs, &World::pigCount, tile::Axe, tile::DeadPig, true, Snd::Sterb, erasePigs},
    {&World::cleaners, &World::cleanerCount, tile::Sword, tile::DeadCleaner, true, Snd::schnitt, eraseCleaners},
    {&World::flameGhosts, &World::flameGhostCount, tile::Jug, tile::Smoke, false, Snd::plop, eraseFlameGhosts},
    {&World::eyes, &World::eyeCount, tile::Cross, tile::DeadEye, true, Snd::plop, eraseEyes},
}};

bool leaveCorpse(const KillRule& rule, int x, int y) {
    // Flames, water and the like keep their code under a killed creature.
    if (cellAt(x, y) >= kCorpseBelow) return false;
    writeCell(x, y, rule.corpseCode);
    return true;
}
