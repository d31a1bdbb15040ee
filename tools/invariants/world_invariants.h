// world_invariants.h — what must hold of the game's record at any moment of
// a run, whatever files it read and whatever keys were pressed: the ranges
// its fields' comments promise, as far as later code indexes with them or
// shows them. Returns "" when all holds, else what broke first.
#pragma once

#include "common/level_list.h"
#include "game/front/best_players.h"
#include "game/world/world.h"
#include "tools/invariants/invariants.h"

#include <string>

namespace invariants {

inline std::string range(const char* field, int value, int low, int high) {
    if (value >= low && value <= high) return "";
    return std::string(field) + " = " + std::to_string(value);
}

// The labyrinth part: wizard, view, creatures and the map's border.
inline std::string levelPart(const World& w) {
    std::string problem = startAndView(w.playerX, w.playerY, w.viewX, w.viewY);
    for (int kind = 0; kind < kCreatureKinds && problem.empty(); ++kind) {
        const CreatureKindFields& f = kCreatureKindFields[kind];
        const CreatureTable& table = w.*f.table;
        problem = creatureTable(table, w.*f.count, kKindNames[kind]);
        for (int k = 0; k < kCreatureSlots && problem.empty(); ++k) {
            const Creature& c = table[static_cast<std::size_t>(k)];
            if (c.offsetX < -kCell || c.offsetX > kCell || c.offsetY < -kCell || c.offsetY > kCell)
                problem = where(kKindNames[kind], k) + " step offset out of range";
        }
    }
    if (problem.empty()) problem = mapBorder(w.map);
    return problem;
}

// The switches and the best-player table as the settings file fills them.
inline std::string settingsPart(const World& w) {
    for (const auto& [name, value] : {std::pair{"soundOn", w.soundOn}, std::pair{"joystickOn", w.joystickOn},
                                      std::pair{"fullScreen", w.fullScreen}}) {
        if (value != 0 && value != 1) return range(name, value, 0, 1);
    }
    for (int i = 1; i <= kBestPlayers; ++i) {
        const std::string& name = w.bestNames[static_cast<std::size_t>(i)];
        if (name.size() > static_cast<std::size_t>(kMaxPlayerName)) return where("bestNames", i) + " too long";
        if (name.find('"') != std::string::npos) return where("bestNames", i) + " holds a quote";
    }
    return "";
}

// Everything, as seen between two platform calls of a running game.
inline std::string wholeWorld(const World& w) {
    std::string problem = levelPart(w);
    if (problem.empty()) problem = settingsPart(w);
    if (problem.empty() && w.heldItem != 0 && !isItemCode(w.heldItem)) problem = range("heldItem", w.heldItem, 0, 0);
    // Several contacts in one frame may take the energy a little below 0.
    if (problem.empty()) problem = range("energy", w.energy, -4 * kMaxCreatures, 99);
    if (problem.empty()) problem = range("score", w.score, 0, 2000000000);
    // The door raises level to 9 just before the loader makes it 1.
    if (problem.empty()) problem = range("level", w.level, 0, kLevelCount + 1);
    if (problem.empty()) problem = range("deathKind", w.deathKind, 0, 2);
    if (problem.empty()) problem = range("demoStep", w.demoStep, 0, kDemoMoves);
    // The frame step counts to 41 before it wraps to 0.
    if (problem.empty()) problem = range("frameCounter", w.frameCounter, 0, 41);
    if (problem.empty()) problem = range("turnHold", w.turnHold, 0, 4);
    if (problem.empty()) problem = range("splinterTimer", w.splinterTimer, 0, 20);
    if (problem.empty()) problem = range("menuCursor", w.menuCursor, 0, 7);
    if (problem.empty()) problem = range("demoCycle", w.demoCycle, 0, kRecordings - 1);
    if (problem.empty() && (w.playerOffsetX % 5 != 0 || w.playerOffsetY % 5 != 0))
        problem = "wizard step offset not a multiple of 5";
    if (problem.empty()) problem = range("playerOffsetX", w.playerOffsetX, -kCell, kCell);
    if (problem.empty()) problem = range("playerOffsetY", w.playerOffsetY, -kCell, kCell);
    return problem;
}

}  // namespace invariants
