// level_loader.cpp — loadLevel: the level sequence and the reading of one
// level file into the World.
//
// Writes: World::map (columns 1..220, rows 1..150), playerX, playerY, viewX,
// viewY, x / y / homeViewX / homeViewY of all entries of pigs, flameGhosts,
// cleaners and eyes, pigCount, flameGhostCount, cleanerCount, eyeCount, level.
#include "game/world/level_loader.h"

#include "common/level_file.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

constexpr int kFile = 1;

// File names of the levels in play order; level n is entry n - 1.
constexpr const char* kLevelNames[] = {"001", "002", "003", "004", "005", "006", "007", "008"};
constexpr int kLevelCount = static_cast<int>(std::size(kLevelNames));
// The closing scene shown behind the game-over text.
constexpr const char* kClosingScene = "ende";

// The creature tables and their counts, in the order of the file.
struct CreatureKindFields {
    CreatureTable World::*table;
    int World::*count;
};
constexpr CreatureKindFields kFileKinds[kCreatureKinds] = {
    {&World::pigs, &World::pigCount},
    {&World::flameGhosts, &World::flameGhostCount},
    {&World::cleaners, &World::cleanerCount},
    {&World::eyes, &World::eyeCount},
};

// ---- Making a loaded level safe -----------------------------------------------
//
// A level file is data from outside: nothing stops it from holding a count of
// 1000 or a wizard at column -5, and the rules index the map and the creature
// tables with these values. So every value that is used as an index or a
// count is clamped into the range play needs, right after reading:
//  - map codes stay as read: no code is used as an index (unknown codes are
//    enterable below 50, solid from 50, and not drawn);
//  - counts to 0..100;
//  - the wizard to the cells steps can reach, columns 1..210 and rows 1..144;
//    a missing or empty file, which reads as all zeros, therefore puts him
//    on cell (1, 1) rather than on the unloaded column 0 / row 0;
//  - the view to 0..200 and 0..136, so that its 20 x 14 cells lie inside the
//    map; if the wizard is then outside the view, the view becomes the screen
//    of the regular 19 / 13 grid that holds him;
//  - creature cells to columns 1..220 and rows 1..150 for the entries in use
//    (1..count); entry 0 and unused entries keep their values but within
//    columns 0..220 and rows 0..150, so that no later code can index outside
//    the map with them;
//  - homes of all entries like the view, 0..200 and 0..136.
// Valid files (as the editor writes them) pass unchanged.

constexpr int kLastReachableColumn = 210;
constexpr int kLastReachableRow = 144;
constexpr int kLastStoredColumn = kMapColumns - 1;                // 220
constexpr int kLastStoredRow = kMapRows - 1;                      // 150
constexpr int kLastViewX = kLastStoredColumn - kViewColumns;       // 200
constexpr int kLastViewY = kLastStoredRow - kViewRows;             // 136

// The view offset of the regular screen grid (0, step, 2 step, ... last)
// whose cells first+1 .. first+size hold cell.
int gridViewFor(int cell, int step, int last) { return std::min((cell - 1) / step * step, last); }

void clampCreature(Creature& c, bool used) {
    const int lowest = used ? 1 : 0;
    c.x = std::clamp(c.x, lowest, kLastStoredColumn);
    c.y = std::clamp(c.y, lowest, kLastStoredRow);
    c.homeViewX = std::clamp(c.homeViewX, 0, kLastViewX);
    c.homeViewY = std::clamp(c.homeViewY, 0, kLastViewY);
}

void makeLevelSafe() {
    world.playerX = std::clamp(world.playerX, 1, kLastReachableColumn);
    world.playerY = std::clamp(world.playerY, 1, kLastReachableRow);
    world.viewX = std::clamp(world.viewX, 0, kLastViewX);
    world.viewY = std::clamp(world.viewY, 0, kLastViewY);
    if (world.playerX <= world.viewX || world.playerX > world.viewX + kViewColumns) {
        world.viewX = gridViewFor(world.playerX, kViewStepX, kMaxViewX);
    }
    if (world.playerY <= world.viewY || world.playerY > world.viewY + kViewRows) {
        world.viewY = gridViewFor(world.playerY, kViewStepY, kMaxViewY);
    }
    for (const CreatureKindFields& kind : kFileKinds) {
        int& count = world.*kind.count;
        count = std::clamp(count, 0, kMaxCreatures);
        CreatureTable& table = world.*kind.table;
        for (int k = 0; k < kCreatureSlots; ++k) clampCreature(table[k], k >= 1 && k <= count);
    }
}

// ---- Reading ------------------------------------------------------------------

int readValue() {
    beginFieldRead(kFile);
    return readIntField();
}

// The file name for the current level and death state; "" when none.
std::string chosenName() {
    if (world.level > kLevelCount) world.level = 1;
    if (world.deathKind > 0) return kClosingScene;
    if (world.level < 1) return "";
    return kLevelNames[world.level - 1];
}

}  // namespace

void loadLevel() {
    const std::string name = chosenName();
    if (name.empty()) return;
    // A missing file opens nothing; every read below then gives 0.
    openFile("Data\\" + name + ".dat", FileMode::Input, kFile);
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) world.map[x][y] = readValue();
    }
    world.playerX = readValue();
    world.playerY = readValue();
    world.viewX = readValue();
    world.viewY = readValue();
    for (const CreatureKindFields& kind : kFileKinds) {
        for (Creature& c : world.*kind.table) {
            c.x = readValue();
            c.y = readValue();
            c.homeViewX = readValue();
            c.homeViewY = readValue();
        }
        world.*kind.count = readValue();
    }
    closeFile(kFile);
    makeLevelSafe();
}
