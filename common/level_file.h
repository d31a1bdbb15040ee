// level_file.h — layout of a level file, shared by the game, the editor and
// the level tools.
//
// A level file "Data\<name>.dat" holds, in this order, each value an integer
// field: the 33,000 map codes for x = 1..220 (outer), y = 1..150 (inner), each
// followed by ","; then, each on a line of its own: the start column and row,
// the start view offsets, and for pigs, flame ghosts, cleaning men and eyes in
// turn the 101 table entries (x, y, homeViewX, homeViewY) and the count.
// Written by the editor, read by the game's loadLevel.
#pragma once

#include <array>
#include <string>

constexpr int kLevelColumns = 220;     // map columns stored in a file (1..220)
constexpr int kLevelRows = 150;        // map rows stored in a file (1..150)
constexpr int kCreatureSlots = 101;    // entries per creature table, index 0..100
constexpr int kMaxCreatures = 100;     // highest usable entry / largest count
constexpr int kCreatureKinds = 4;      // pigs, flame ghosts, cleaning men, eyes
constexpr int kLevelFileLines = 1624;  // lines of a written level file
constexpr int kLevelFileValues = kLevelColumns * kLevelRows + 4 +
                                 kCreatureKinds * (kCreatureSlots * 4 + 1);

// View offsets step by whole screens: 19 columns and 13 rows.
constexpr int kViewStepX = 19;
constexpr int kViewStepY = 13;
constexpr int kMaxViewX = 190;         // last view column offset
constexpr int kMaxViewY = 130;         // last view row offset

// Order of the creature tables in the file.
enum class FileCreatureKind { Pig = 0, FlameGhost = 1, Cleaner = 2, Eye = 3 };

// One stored creature entry (step offsets are not stored).
struct StoredCreature {
    int x = 0;          // cell column
    int y = 0;          // cell row
    int homeViewX = 0;  // view column offset of its screen
    int homeViewY = 0;  // view row offset of its screen
};

// A level as the file holds it, for tools and tests that write level files.
struct LevelData {
    // map[x][y], x 0..220, y 0..150; column 0 and row 0 are not stored.
    std::array<std::array<int, kLevelRows + 1>, kLevelColumns + 1> map{};
    int playerX = 0;   // start column
    int playerY = 0;   // start row
    int viewX = 0;     // start view column offset
    int viewY = 0;     // start view row offset
    // creatures[kind][k], kinds in file order (FileCreatureKind)
    std::array<std::array<StoredCreature, kCreatureSlots>, kCreatureKinds> creatures{};
    std::array<int, kCreatureKinds> counts{};  // used entries 1..count per kind
};

// Writes level to path ("Data\..." form) in the level file layout, through
// the field writer on file number 1. The previous file is replaced only once
// the new one is complete.
void writeLevelFile(const std::string& path, const LevelData& level);
// Reads path into level by the same reading rules the game uses; missing
// values read as 0. Values are taken as they stand (no clamping).
void readLevelFile(const std::string& path, LevelData& level);
