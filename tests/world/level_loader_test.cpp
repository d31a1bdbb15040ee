// loadLevel: the level sequence, what it leaves alone, how it reads damaged
// and hostile files, and that every loaded index stays inside the map.
#include "game/world/level_loader.h"
#include "common/level_file.h"
#include "game/world/world.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace {

constexpr std::array<const char*, 9> kFileNames = {"001", "002", "003", "004", "005", "006", "007", "008", "ende"};

CreatureTable World::*const kTables[kCreatureKinds] = {&World::pigs, &World::flameGhosts, &World::cleaners, &World::eyes};
int World::*const kCounts[kCreatureKinds] = {&World::pigCount, &World::flameGhostCount, &World::cleanerCount,
                                             &World::eyeCount};

// A level that a careful editor could have written: every value in range.
std::unique_ptr<LevelData> validLevel(int marker) {
    auto level = std::make_unique<LevelData>();
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) level->map[x][y] = (x + y) % 3 == 0 ? 100 : (x * y) % 15;
    }
    level->map[7][9] = marker;
    level->playerX = 20 + marker;
    level->playerY = 14 + marker;
    level->viewX = 19;
    level->viewY = 13;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 1; k < kCreatureSlots; ++k) {
            const int vx = 19 * (k % 11), vy = 13 * ((k + kind) % 11);
            level->creatures[kind][k] = {vx + 1 + k % 20, vy + 1 + (k + kind) % 14, vx, vy};
        }
        level->counts[kind] = 25 * kind + marker % 7;
    }
    return level;
}

class LevelLoader : public ::testing::Test {
protected:
    ScratchDir dir;
    void SetUp() override { world = World{}; }

    static void write(const std::string& name, const LevelData& level) {
        writeLevelFile("Data\\" + name + ".dat", level);
    }
    // Every level and the closing scene, each with its number in map[7][9]
    // (ende: 9).
    static void writeAllLevels() {
        for (std::size_t i = 0; i < kFileNames.size(); ++i) {
            write(kFileNames[i], *validLevel(static_cast<int>(i) + 1));
        }
    }
    // Nothing the loader leaves behind can reach outside the map or a table.
    static void expectAllIndicesInsideTheMap() {
        EXPECT_GE(world.playerX, 1);
        EXPECT_LE(world.playerX, 210);
        EXPECT_GE(world.playerY, 1);
        EXPECT_LE(world.playerY, 144);
        EXPECT_GE(world.viewX, 0);
        EXPECT_LE(world.viewX + kViewColumns, kMapColumns - 1);
        EXPECT_GE(world.viewY, 0);
        EXPECT_LE(world.viewY + kViewRows, kMapRows - 1);
        EXPECT_GT(world.playerX, world.viewX);
        EXPECT_LE(world.playerX, world.viewX + kViewColumns);
        EXPECT_GT(world.playerY, world.viewY);
        EXPECT_LE(world.playerY, world.viewY + kViewRows);
        for (int kind = 0; kind < kCreatureKinds; ++kind) {
            const int count = world.*kCounts[kind];
            ASSERT_GE(count, 0);
            ASSERT_LE(count, kMaxCreatures);
            const CreatureTable& table = world.*kTables[kind];
            for (int k = 0; k < kCreatureSlots; ++k) {
                const Creature& c = table[k];
                const int lowest = k >= 1 && k <= count ? 1 : 0;
                ASSERT_TRUE(c.x >= lowest && c.x < kMapColumns && c.y >= lowest && c.y < kMapRows)
                    << "kind " << kind << " entry " << k << " at " << c.x << "," << c.y;
                ASSERT_TRUE(c.homeViewX >= 0 && c.homeViewX + kViewColumns < kMapColumns && c.homeViewY >= 0 &&
                            c.homeViewY + kViewRows < kMapRows)
                    << "kind " << kind << " entry " << k;
            }
        }
    }
};

TEST_F(LevelLoader, LevelSequence) {
    writeAllLevels();
    for (int level = 1; level <= 8; ++level) {
        world.level = level;
        loadLevel();
        EXPECT_EQ(world.map[7][9], level);
        EXPECT_EQ(world.level, level);
    }
    world.level = 9;
    loadLevel();
    EXPECT_EQ(world.map[7][9], 1) << "after the eighth level the first comes again";
    EXPECT_EQ(world.level, 1);
    for (int death : {1, 2}) {
        world.level = 3;
        world.deathKind = death;
        loadLevel();
        EXPECT_EQ(world.map[7][9], 9) << "the closing scene";
        EXPECT_EQ(world.level, 3);
    }
}

TEST_F(LevelLoader, NoLevelNoLoad) {
    writeAllLevels();
    for (int level : {0, -1, -2147483647 - 1}) {
        world.map[7][9] = 77;
        world.playerX = 5;
        world.pigCount = 3;
        world.level = level;
        world.deathKind = 0;
        loadLevel();
        EXPECT_EQ(world.map[7][9], 77);
        EXPECT_EQ(world.playerX, 5);
        EXPECT_EQ(world.pigCount, 3);
        EXPECT_EQ(world.level, level);
    }
    world.level = 0;
    world.deathKind = 1;
    loadLevel();
    EXPECT_EQ(world.map[7][9], 9) << "the closing scene needs no level";
}

TEST_F(LevelLoader, ValidLevelArrivesUnchanged) {
    const auto level = validLevel(4);
    write("004", *level);
    world.level = 4;
    loadLevel();
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) ASSERT_EQ(world.map[x][y], level->map[x][y]) << x << "," << y;
    }
    EXPECT_EQ(world.playerX, level->playerX);
    EXPECT_EQ(world.playerY, level->playerY);
    EXPECT_EQ(world.viewX, level->viewX);
    EXPECT_EQ(world.viewY, level->viewY);
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        EXPECT_EQ(world.*kCounts[kind], level->counts[kind]);
        for (int k = 0; k < kCreatureSlots; ++k) {
            const Creature& c = (world.*kTables[kind])[k];
            const StoredCreature& s = level->creatures[kind][k];
            ASSERT_TRUE(c.x == s.x && c.y == s.y && c.homeViewX == s.homeViewX && c.homeViewY == s.homeViewY)
                << "kind " << kind << " entry " << k;
        }
    }
}

TEST_F(LevelLoader, LeavesEverythingElseAlone) {
    write("002", *validLevel(2));
    for (int i = 0; i < kMapColumns; ++i) world.map[i][0] = 100 + i;
    for (int i = 1; i < kMapRows; ++i) world.map[0][i] = 300 + i;
    world.playerOffsetX = -35;
    world.playerOffsetY = 15;
    for (CreatureTable World::*table : kTables) {
        for (Creature& c : world.*table) {
            c.offsetX = 20;
            c.offsetY = -5;
        }
    }
    world.heldItem = 33;
    world.energy = 42;
    world.score = 1234;
    world.frameCounter = 17;
    world.sceneShown = 1;
    world.splinterX[3] = 4;
    world.splinterY[8] = 11;
    world.splinterTimer = 9;
    world.level = 2;
    loadLevel();
    ASSERT_EQ(world.map[7][9], 2);
    for (int i = 0; i < kMapColumns; ++i) ASSERT_EQ(world.map[i][0], 100 + i);
    for (int i = 1; i < kMapRows; ++i) ASSERT_EQ(world.map[0][i], 300 + i);
    EXPECT_EQ(world.playerOffsetX, -35);
    EXPECT_EQ(world.playerOffsetY, 15);
    for (CreatureTable World::*table : kTables) {
        for (const Creature& c : world.*table) ASSERT_TRUE(c.offsetX == 20 && c.offsetY == -5);
    }
    EXPECT_EQ(world.heldItem, 33);
    EXPECT_EQ(world.energy, 42);
    EXPECT_EQ(world.score, 1234);
    EXPECT_EQ(world.frameCounter, 17);
    EXPECT_EQ(world.sceneShown, 1);
    EXPECT_EQ(world.splinterX[3], 4);
    EXPECT_EQ(world.splinterY[8], 11);
    EXPECT_EQ(world.splinterTimer, 9);
}

TEST_F(LevelLoader, MapSeparatedByLineBreaksLoadsTheSame) {
    write("001", *validLevel(1));
    world.level = 1;
    loadLevel();
    const World expected = world;

    // The same values, one per line with LF or CR LF alternating, blanks
    // before some of them.
    std::string text = dir.readFile("Data/001.dat");
    std::string changed;
    int n = 0;
    for (char c : text) {
        if (c == ',') {
            changed += ++n % 2 ? "\n" : "\r\n";
            if (n % 5 == 0) changed += "  ";
        } else {
            changed.push_back(c);
        }
    }
    dir.writeFile("Data/001.dat", changed);
    world = World{};
    world.level = 1;
    loadLevel();
    EXPECT_EQ(world.map, expected.map);
    EXPECT_EQ(world.playerX, expected.playerX);
    EXPECT_EQ(world.viewY, expected.viewY);
    EXPECT_EQ(world.eyes[100].homeViewX, expected.eyes[100].homeViewX);
    EXPECT_EQ(world.eyeCount, expected.eyeCount);
}

TEST_F(LevelLoader, ShortFileReadsTheRestAsZero) {
    std::string text;
    for (int y = 1; y <= kLevelRows; ++y) text += "101,";
    text += "55";  // cut off in the middle of the map
    dir.writeFile("Data/001.dat", text);
    world.map[3][3] = 100;
    world.pigCount = 4;
    world.level = 1;
    loadLevel();
    EXPECT_EQ(world.map[1][150], 101);
    EXPECT_EQ(world.map[2][1], 55);
    EXPECT_EQ(world.map[2][2], 0);
    EXPECT_EQ(world.map[3][3], 0);
    EXPECT_EQ(world.pigCount, 0);
    expectAllIndicesInsideTheMap();
}

TEST_F(LevelLoader, MissingFileGivesAnEmptyLevelWithTheWizardOnCellOne) {
    world.map[200][100] = 100;
    world.playerX = 50;
    world.eyeCount = 9;
    world.level = 6;
    loadLevel();
    EXPECT_EQ(world.map[200][100], 0);
    EXPECT_EQ(world.playerX, 1);
    EXPECT_EQ(world.playerY, 1);
    EXPECT_EQ(world.viewX, 0);
    EXPECT_EQ(world.viewY, 0);
    EXPECT_EQ(world.eyeCount, 0);
    EXPECT_EQ(world.pigs[1].x, 0);
    expectAllIndicesInsideTheMap();
}

TEST_F(LevelLoader, HostileValuesAreClampedIntoTheMap) {
    auto level = validLevel(1);
    level->counts = {1000, -5, 100, 2147483647};
    level->playerX = -5;
    level->playerY = 99999;
    level->viewX = 500;
    level->viewY = -20;
    const int wild[] = {-2147483647 - 1, -1, 0, 221, 151, 5000, 2147483647};
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        for (int k = 0; k < kCreatureSlots; ++k) {
            level->creatures[kind][k] = {wild[k % 7], wild[(k + 3) % 7], wild[(k + 1) % 7], wild[(k + 5) % 7]};
        }
    }
    level->map[1][1] = -2147483647 - 1;
    level->map[2][2] = 2147483647;
    write("001", *level);
    world.level = 1;
    loadLevel();
    EXPECT_EQ(world.pigCount, 100);
    EXPECT_EQ(world.flameGhostCount, 0);
    EXPECT_EQ(world.eyeCount, 100);
    EXPECT_EQ(world.playerX, 1);
    EXPECT_EQ(world.playerY, 144);
    EXPECT_EQ(world.viewX, 0);
    EXPECT_EQ(world.viewY, 130);
    EXPECT_EQ(world.map[1][1], -2147483647 - 1) << "map codes are taken as they stand";
    EXPECT_EQ(world.map[2][2], 2147483647);
    expectAllIndicesInsideTheMap();
}

TEST_F(LevelLoader, ViewIsMovedOntoTheWizardWhenHeIsOutsideIt) {
    struct Case {
        int playerX, playerY, viewX, viewY;  // as stored
        int wantViewX, wantViewY;            // after loading
    };
    const Case cases[] = {
        {100, 50, 0, 0, 95, 39},         // outside: the grid screen that holds him
        {210, 144, 0, 0, 190, 130},      // the last reachable cell
        {20, 14, 0, 0, 0, 0},            // last cell of the first view
        {21, 15, 0, 0, 19, 13},          // first cell beyond it
        {10, 10, 5, 3, 5, 3},            // inside an off-grid view: kept
        {215, 148, 205, 140, 200, 136},  // clamped in; he is inside: kept
        {1, 1, 200, 136, 0, 0},
    };
    for (const Case& c : cases) {
        auto level = validLevel(1);
        level->playerX = c.playerX;
        level->playerY = c.playerY;
        level->viewX = c.viewX;
        level->viewY = c.viewY;
        write("001", *level);
        world.level = 1;
        loadLevel();
        EXPECT_EQ(world.viewX, c.wantViewX) << c.playerX << "," << c.playerY;
        EXPECT_EQ(world.viewY, c.wantViewY) << c.playerX << "," << c.playerY;
        expectAllIndicesInsideTheMap();
    }
}

TEST_F(LevelLoader, GarbageFileLoadsSafely) {
    std::string bytes(200000, '\0');
    unsigned state = 99;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    for (int i = 0; i < 40000; ++i) bytes[(i * 7919u) % bytes.size()] = "-,9\r\n.e"[i % 7];
    dir.writeFile("Data/ende.dat", bytes);
    world.deathKind = 1;
    loadLevel();
    expectAllIndicesInsideTheMap();
}

}  // namespace
