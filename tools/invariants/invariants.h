// invariants.h — what must hold of a level and of the game's record after any
// input, however damaged: checked by the fuzz targets after every read and by
// the soak test in every frame. Each check returns "" when all holds, else
// what broke first.
#pragma once

#include "common/level_file.h"
#include "common/map_geometry.h"
#include "common/tile_codes.h"

#include <string>

namespace invariants {

inline std::string where(const char* what, int index) { return std::string(what) + "[" + std::to_string(index) + "]"; }

// One creature table and its count: the count 0..100; an entry in use is
// empty (all zero: killed) or stands on a stored cell; every entry's cell
// lies inside the map and its home is a view whose cells lie inside the map.
template <typename Table>
std::string creatureTable(const Table& table, int count, const char* kind) {
    if (count < 0 || count > kMaxCreatures) return std::string(kind) + " count " + std::to_string(count);
    for (int k = 0; k < kCreatureSlots; ++k) {
        const auto& c = table[static_cast<std::size_t>(k)];
        const bool empty = c.x == 0 && c.y == 0 && c.homeViewX == 0 && c.homeViewY == 0;
        const bool used = k >= 1 && k <= count && !empty;
        const int lowest = used ? 1 : 0;
        if (c.x < lowest || c.x > kLevelColumns || c.y < lowest || c.y > kLevelRows)
            return where(kind, k) + " on cell " + std::to_string(c.x) + "," + std::to_string(c.y);
        if (c.homeViewX < 0 || c.homeViewX > kLastViewX || c.homeViewY < 0 || c.homeViewY > kLastViewY)
            return where(kind, k) + " at home in view " + std::to_string(c.homeViewX) + "," + std::to_string(c.homeViewY);
    }
    return "";
}

// The start (or the wizard) on a reachable cell inside a view that lies in
// the map.
inline std::string startAndView(int x, int y, int viewX, int viewY) {
    if (!isReachable(x, y)) return "start " + std::to_string(x) + "," + std::to_string(y) + " not reachable";
    if (viewX < 0 || viewX > kLastViewX || viewY < 0 || viewY > kLastViewY)
        return "view " + std::to_string(viewX) + "," + std::to_string(viewY) + " leaves the map";
    if (!insideView(x, y, viewX, viewY)) return "start outside its view";
    return "";
}

inline const char* const kKindNames[kCreatureKinds] = {"pigs", "flameGhosts", "cleaners", "eyes"};

// A level made safe to play or edit.
inline std::string safeLevel(const LevelData& level) {
    std::string problem = startAndView(level.playerX, level.playerY, level.viewX, level.viewY);
    for (int kind = 0; kind < kCreatureKinds && problem.empty(); ++kind)
        problem = creatureTable(level.creatures[kind], level.counts[kind], kKindNames[kind]);
    return problem;
}

// An entry in use that the file held all zero (a killed creature) is still
// empty after the level was made safe, and one the file held otherwise is
// still a creature.
inline std::string emptyEntriesKept(const LevelData& read, const LevelData& safe) {
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 1; k <= safe.counts[kind]; ++k) {
            const bool wasEmpty = isEmptyEntry(read.creatures[kind][k]);
            if (wasEmpty != isEmptyEntry(safe.creatures[kind][k]))
                return where(kKindNames[kind], k) + (wasEmpty ? " came to life" : " was emptied");
        }
    }
    return "";
}

inline bool sameLevel(const LevelData& a, const LevelData& b) {
    return a.map == b.map && a.playerX == b.playerX && a.playerY == b.playerY && a.viewX == b.viewX &&
           a.viewY == b.viewY && a.creatures == b.creatures && a.counts == b.counts;
}

// Column 0 and row 0 of a map are never stored or written: they stay 0.
template <typename Map>
std::string mapBorder(const Map& map) {
    for (int x = 0; x < kMapColumns; ++x)
        if (map[static_cast<std::size_t>(x)][0] != 0) return "map row 0 written at column " + std::to_string(x);
    for (int y = 0; y < kMapRows; ++y)
        if (map[0][static_cast<std::size_t>(y)] != 0) return "map column 0 written at row " + std::to_string(y);
    return "";
}

}  // namespace invariants
