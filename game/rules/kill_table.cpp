// kill_table.cpp — the kill table and the corpse rule.
//
// Writes: World::map (corpses).
#include "game/rules/kill_table.h"

#include "common/tile_codes.h"
#include "game/rules/map_edit.h"
#include "game/world/scene.h"

const std::array<KillRule, 4> kKillTable = {{
    {&World::pigs, &World::pigCount, Axe, DeadPig, Img::SchweinTot, true,
     "wave\\Sterb.wav", erasePigs},
    {&World::cleaners, &World::cleanerCount, Sword, DeadCleaner, Img::putzenmanntot, true,
     "wave\\schnitt.wav", eraseCleaners},
    {&World::flameGhosts, &World::flameGhostCount, Jug, Smoke, Img::schmauch1, false,
     "wave\\plop.wav", eraseFlameGhosts},
    {&World::eyes, &World::eyeCount, Cross, DeadEye, Img::Augetot, true,
     "wave\\plop.wav", eraseEyes},
}};

bool leaveCorpse(const KillRule& rule, int x, int y) {
    // Flames, water and the like keep their code under a killed creature.
    if (cellAt(x, y) >= kCorpseBelow) return false;
    writeCell(x, y, rule.corpseCode);
    return true;
}
