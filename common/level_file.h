// level_file.h — the level file: its layout, its one reader and one writer,
// and the clamps that make a loaded level safe to play or edit. Shared by the
// game's loadLevel, the editor and the level tools.
//
// A level file "Data\<name>.dat" holds, in this order, each value an integer
// field: the 33,000 map codes for x = 1..220 (outer), y = 1..150 (inner), each
// followed by ","; then, each on a line of its own: the start column and row,
// the start view offsets, and for pigs, flame ghosts, cleaning men and eyes in
// turn the 101 table entries (x, y, homeViewX, homeViewY) and the count.
#pragma once

#include "common/map_geometry.h"

#include <array>
#include <string>

constexpr int kCreatureSlots = 101;    // entries per creature table, index 0..100
constexpr int kMaxCreatures = 100;     // highest usable entry / largest count
constexpr int kCreatureKinds = 4;      // pigs, flame ghosts, cleaning men, eyes
constexpr int kLevelFileLines = 1624;  // lines of a written level file
constexpr int kLevelFileValues = kLevelColumns * kLevelRows + 4 + kCreatureKinds * (kCreatureSlots * 4 + 1);

// Order of the creature tables in the file.
enum class FileCreatureKind { Pig = 0, FlameGhost = 1, Cleaner = 2, Eye = 3 };

// One stored creature entry (step offsets are not stored).
struct StoredCreature {
    int x = 0;          // cell column
    int y = 0;          // cell row
    int homeViewX = 0;  // view column offset of its screen
    int homeViewY = 0;  // view row offset of its screen

    bool operator==(const StoredCreature&) const = default;
};

using StoredCreatureTable = std::array<StoredCreature, kCreatureSlots>;  // index 0..100, 1..count used

// Everything of a level but its map: the start, its view, and the creatures
// placed on the map. The editor's undo history keeps it apart from the map's
// cells.
struct LevelExtras {
    int playerX = 0;  // start column
    int playerY = 0;  // start row
    int viewX = 0;    // start view column offset
    int viewY = 0;    // start view row offset
    // creatures[kind][k], kinds in file order (FileCreatureKind)
    std::array<StoredCreatureTable, kCreatureKinds> creatures{};
    std::array<int, kCreatureKinds> counts{};  // used entries 1..count per kind

    // The tables and counts by the names the programs give them.
    StoredCreatureTable& pigs() { return creatures[static_cast<int>(FileCreatureKind::Pig)]; }
    StoredCreatureTable& flameGhosts() { return creatures[static_cast<int>(FileCreatureKind::FlameGhost)]; }
    StoredCreatureTable& cleaners() { return creatures[static_cast<int>(FileCreatureKind::Cleaner)]; }
    StoredCreatureTable& eyes() { return creatures[static_cast<int>(FileCreatureKind::Eye)]; }
    int& pigCount() { return counts[static_cast<int>(FileCreatureKind::Pig)]; }
    int& flameGhostCount() { return counts[static_cast<int>(FileCreatureKind::FlameGhost)]; }
    int& cleanerCount() { return counts[static_cast<int>(FileCreatureKind::Cleaner)]; }
    int& eyeCount() { return counts[static_cast<int>(FileCreatureKind::Eye)]; }

    bool operator==(const LevelExtras&) const = default;
};

// A level as the file holds it: what the game's loader reads and the editor
// edits. Its map, and the start and the creatures (LevelExtras).
struct LevelData : LevelExtras {
    // map[x][y], x 0..220, y 0..150; column 0 and row 0 are not stored.
    std::array<std::array<int, kMapRows>, kMapColumns> map{};

    bool operator==(const LevelData&) const = default;
};

// Calls visit(value, lineEnd) on every value of the level, in file order:
// the map by columns, the start cell and view, then per creature kind its
// 101 entries and its count. lineEnd is false for the map codes (each
// followed by ",") and true for the rest (a line each). Level is LevelData
// or const LevelData; the reader, the writer, the saved game and the
// benchmark all walk the file with it.
template <typename Level, typename Visit>
void forEachLevelValue(Level& level, Visit visit) {
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) visit(level.map[x][y], false);
    }
    visit(level.playerX, true);
    visit(level.playerY, true);
    visit(level.viewX, true);
    visit(level.viewY, true);
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (auto& c : level.creatures[kind]) {
            visit(c.x, true);
            visit(c.y, true);
            visit(c.homeViewX, true);
            visit(c.homeViewY, true);
        }
        visit(level.counts[kind], true);
    }
}

// Writes level to path ("Data\..." form) in the level file layout, through
// the field writer on file number 1. The previous file is replaced only once
// the new one is complete. True when the new file stands in place.
bool writeLevelFile(const std::string& path, const LevelData& level);
// Reads path into level by the field reading rules; missing values read as 0.
// Values are taken as they stand (see makeLevelSafe). False when the file
// could not be opened, in which case level holds zeros.
bool readLevelFile(const std::string& path, LevelData& level);

// An all-zero entry: entry 0, a killed creature or an unused slot. Inside the
// count it stays empty; it is no creature. For an entry as the file holds it
// (StoredCreature) and as the game holds it (its Creature, whose step
// offsets do not count).
template <typename Entry>
bool isEmptyEntry(const Entry& c) {
    return c.x == 0 && c.y == 0 && c.homeViewX == 0 && c.homeViewY == 0;
}

// Clamps every value that play or editing uses as an index or a count, so a
// damaged or hostile file can never lead outside the map or the tables. A
// level as the editor writes it passes unchanged:
//  - counts to 0..100;
//  - the start to the reachable cells, columns 1..210 and rows 1..144 (a
//    missing file, all zeros, thus starts on cell (1, 1));
//  - the start view to 0..200 x 0..136, then, along an axis where the start
//    lies outside it, to the screen of the start cell;
//  - creature cells in use (1..count) to 1..220 x 1..150, except an empty
//    entry, which stays empty; other entries to 0..220 x 0..150;
//  - homes of all entries to 0..200 x 0..136.
// Map codes stay as read: no code is used as an index.
void makeLevelSafe(LevelData& level);
