// The shipped labyrinths: every source parses, passes the checks and can be
// finished; the level files written from them load into the game with the
// wizard and every creature on their own screens; and the levels have the
// content they promise (a gentle first, a last with everything).
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "common/wizard_walk.h"
#include "game/world/level_loader.h"
#include "game/world/world.h"
#include "tests/support/read_whole_file.h"
#include "tests/support/scratch_dir.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_source.h"
#include "tools/levels/route_text.h"
#include "tools/levels/solution_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kLevelDir = std::string(ZL_SOURCE_DIR) + "/assets/levels/";
const std::vector<std::string> kShipped = {"001", "002", "003", "004", "005", "006", "007", "008", "ende"};

// The shipped legend, parsed once per test that asks for it.
Legend shippedLegend() {
    Legend legend;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(parseLegend(readWholeFile(kLevelDir + "legend.txt"), "legend.txt", legend, problems))
        << formatProblems(problems);
    return legend;
}

// A shipped level, parsed; the test fails if it does not parse.
LevelSource shippedLevel(const std::string& name, const Legend& legend) {
    LevelSource source;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(parseLevelSource(readWholeFile(kLevelDir + name + ".txt"), name + ".txt", legend, source, problems))
        << formatProblems(problems);
    return source;
}

int countCode(const LevelData& level, int code) {
    int n = 0;
    for (int x = 1; x <= kLevelColumns; ++x)
        for (int y = 1; y <= kLevelRows; ++y) n += level.map[x][y] == code;
    return n;
}

bool inView(int x, int y, int viewX, int viewY) {
    return x > viewX && x <= viewX + kViewColumns && y > viewY && y <= viewY + kViewRows;
}

CreatureTable World::*const kTables[kCreatureKinds] = {&World::pigs, &World::flameGhosts, &World::cleaners, &World::eyes};
int World::*const kCounts[kCreatureKinds] = {&World::pigCount, &World::flameGhostCount, &World::cleanerCount,
                                             &World::eyeCount};

}  // namespace

TEST(ShippedLegend, CoversEveryPlaceableTileOnce) {
    Legend legend = shippedLegend();
    std::set<int> codes;
    int characters = 0;
    for (int c = 0; c < 256; ++c) {
        if (!legend.known[c]) continue;
        ++characters;
        codes.insert(legend.code[c]);
    }
    EXPECT_EQ(characters, 77);
    EXPECT_EQ(codes.size(), 77u) << "two characters stand for the same tile";
    for (std::size_t i = 0; i < kTileTableSize; ++i) {
        int code = kTileTable[i].code;
        bool playOnly = code >= tile::DeadEye && code <= tile::DeadPig;
        EXPECT_EQ(codes.count(code) == 1, !playOnly) << kTileTable[i].name;
    }
}

class ShippedLevel : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLevel, ParsesPassesTheChecksAndCanBeFinished) {
    Legend legend = shippedLegend();
    LevelSource source = shippedLevel(GetParam(), legend);
    std::vector<LevelProblem> problems;
    validateLevel(source, problems);
    checkSolvable(source, problems);
    EXPECT_TRUE(problems.empty()) << formatProblems(problems);

    Reachability r = exploreLevel(*source.level);
    if (GetParam() == "ende") {
        EXPECT_FALSE(source.doorRequired);
    } else {
        EXPECT_TRUE(source.doorRequired);
        EXPECT_TRUE(r.doorReached);
        // Every barrier on the way can be opened: the walk passed each one.
        for (int code = tile::Barrier; code <= tile::CrossBarrier4; ++code)
            EXPECT_EQ(r.barriersOpened[code], countCode(*source.level, code)) << "barrier code " << code;
    }
    // The start is never where the wizard would be hurt at once.
    int start = source.level->map[source.level->playerX][source.level->playerY];
    EXPECT_TRUE(start == tile::Floor || start == tile::Floor2 || start == tile::Floor3 || start == tile::Floor4) << start;
}

TEST_P(ShippedLevel, WrittenFileLoadsWithEveryoneOnTheirScreens) {
    Legend legend = shippedLegend();
    LevelSource source = shippedLevel(GetParam(), legend);
    const LevelData& level = *source.level;
    ScratchDir dir;
    writeLevelFile("Data\\" + GetParam() + ".dat", level);

    world = World{};
    if (GetParam() == "ende") {
        world.level = 2;
        world.deathKind = 1;
    } else {
        world.level = std::stoi(GetParam());
    }
    loadLevel();

    for (int x = 1; x <= kLevelColumns; ++x)
        for (int y = 1; y <= kLevelRows; ++y) ASSERT_EQ(world.map[x][y], level.map[x][y]) << x << "," << y;
    EXPECT_EQ(world.playerX, level.playerX);
    EXPECT_EQ(world.playerY, level.playerY);
    EXPECT_EQ(world.viewX % kViewStepX, 0);
    EXPECT_EQ(world.viewY % kViewStepY, 0);
    EXPECT_TRUE(inView(world.playerX, world.playerY, world.viewX, world.viewY));
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        ASSERT_EQ(world.*kCounts[kind], level.counts[kind]);
        const CreatureTable& table = world.*kTables[kind];
        for (int k = 1; k <= level.counts[kind]; ++k) {
            const Creature& c = table[k];
            EXPECT_EQ(c.x, level.creatures[kind][k].x);
            EXPECT_EQ(c.y, level.creatures[kind][k].y);
            EXPECT_EQ(c.homeViewX % kViewStepX, 0);
            EXPECT_EQ(c.homeViewY % kViewStepY, 0);
            EXPECT_TRUE(inView(c.x, c.y, c.homeViewX, c.homeViewY))
                << kCreatureKindNames[kind] << " " << k << " at " << c.x << "," << c.y;
        }
        EXPECT_EQ(table[0].x, 0) << "entry 0 holds no creature";
    }
}

// The labyrinths alone: the closing scene has no door.
class ShippedLabyrinth : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedLabyrinth, SolverProvesItAndItsRouteIsNoLongerThanTheRecordedOne) {
    Legend legend = shippedLegend();
    LevelSource source = shippedLevel(GetParam(), legend);
    const LevelData& level = *source.level;
    const SolverResult solved = solveLevel(level);
    ASSERT_TRUE(solved.complete) << describeSolution(solved);
    ASSERT_TRUE(solved.finished) << describeSolution(solved);
    ASSERT_FALSE(solved.route.empty()) << describeSolution(solved);
    // Everything placed has a use: every item can be reached and every
    // barrier opened.
    EXPECT_TRUE(solved.itemsNeverReached.empty()) << describeSolution(solved);
    EXPECT_TRUE(solved.barriersNeverOpened.empty()) << describeSolution(solved);

    // The solver's route, walked again by the rules, ends on the door.
    WalkMap map(level);
    Walker w = startWalker(level);
    for (std::size_t i = 0; i < solved.route.size(); ++i) {
        const WalkStep step = walkCommand(w, solved.route[i], map, false);
        ASSERT_FALSE(step.move.drowned) << "command " << i + 1;
        ASSERT_EQ(step.move.door, i + 1 == solved.route.size()) << "command " << i + 1;
    }

    // A recorded route is a way through, so no shorter than the shortest.
    const Route recorded = parseRoute(readWholeFile(kLevelDir + "routes/" + GetParam() + ".route"));
    ASSERT_EQ(recorded.error, "");
    EXPECT_LE(solved.route.size(), recorded.steps.size());
}

INSTANTIATE_TEST_SUITE_P(All, ShippedLevel, ::testing::ValuesIn(kShipped),
                         [](const ::testing::TestParamInfo<std::string>& info) { return "level_" + info.param; });
INSTANTIATE_TEST_SUITE_P(All, ShippedLabyrinth, ::testing::Values("001", "002", "003", "004", "005", "006", "007", "008"),
                         [](const ::testing::TestParamInfo<std::string>& info) { return "level_" + info.param; });

TEST(ShippedLevels, EachLabyrinthSpansSeveralScreensAndTheSceneOne) {
    Legend legend = shippedLegend();
    for (const std::string& name : kShipped) {
        LevelSource source = shippedLevel(name, legend);
        std::set<std::pair<int, int>> screens;
        const LevelData& level = *source.level;
        for (int kind = 0; kind < kCreatureKinds; ++kind)
            for (int k = 1; k <= level.counts[kind]; ++k)
                screens.insert({level.creatures[kind][k].homeViewX, level.creatures[kind][k].homeViewY});
        screens.insert({level.viewX, level.viewY});
        if (name == "ende") {
            EXPECT_EQ(source.gridColumns, kViewColumns);
            EXPECT_EQ(source.gridRows, kViewRows);
            EXPECT_EQ(level.viewX, 0);
            EXPECT_EQ(level.viewY, 0);
        } else {
            EXPECT_GE(source.gridColumns, 2 * kViewStepX + 1) << name;
            EXPECT_GE(source.gridRows, 2 * kViewStepY + 1) << name;
            EXPECT_GE(screens.size(), 3u) << name << ": creatures and start on too few screens";
        }
    }
}

TEST(ShippedLevels, TogetherUseEveryPlaceableTile) {
    Legend legend = shippedLegend();
    std::set<int> used;
    for (const std::string& name : kShipped) {
        LevelSource source = shippedLevel(name, legend);
        for (int x = 1; x <= source.gridColumns; ++x)
            for (int y = 1; y <= source.gridRows; ++y) used.insert(source.level->map[x][y]);
    }
    for (int c = 0; c < 256; ++c) {
        if (!legend.known[c]) continue;
        EXPECT_EQ(used.count(legend.code[c]), 1u) << "no level uses '" << char(c) << "'";
    }
}

TEST(ShippedLevels, FirstIsGentleAndLastHasEverything) {
    Legend legend = shippedLegend();
    LevelSource first = shippedLevel("001", legend);
    const LevelData& a = *first.level;
    EXPECT_GT(a.counts[static_cast<int>(FileCreatureKind::Pig)], 0);
    EXPECT_LE(a.counts[0] + a.counts[1] + a.counts[2] + a.counts[3], 4);
    EXPECT_GE(countCode(a, tile::Key), 1);
    EXPECT_GE(countCode(a, tile::Barrier), 1);
    EXPECT_EQ(countCode(a, tile::Door), 1);

    LevelSource last = shippedLevel("008", legend);
    const LevelData& z = *last.level;
    for (int kind = 0; kind < kCreatureKinds; ++kind) EXPECT_GE(z.counts[kind], 3) << kCreatureKindNames[kind];
    EXPECT_GT(countCode(z, tile::Flame) + countCode(z, tile::Flame2), 0);
    EXPECT_GT(countCode(z, tile::Water), 0);
    EXPECT_GT(countCode(z, tile::Embers), 0);
    EXPECT_EQ(countCode(z, tile::ShootingStar), 1);
    int keys = 0, treasures = 0;
    for (int code = tile::Key; code <= tile::MossKey; ++code) keys += countCode(z, code) > 0;
    for (int code = tile::Crown; code <= tile::CandleStand; ++code) treasures += countCode(z, code) > 0;
    EXPECT_GE(keys, 3);
    EXPECT_GE(treasures, 2);

    // Later labyrinths are larger and more crowded than the first.
    auto creatures = [](const LevelData& l) { return l.counts[0] + l.counts[1] + l.counts[2] + l.counts[3]; };
    for (const char* name : {"002", "003", "004", "005", "006", "007"}) {
        LevelSource mid = shippedLevel(name, legend);
        EXPECT_GT(creatures(*mid.level), creatures(a)) << name;
        EXPECT_LT(creatures(*mid.level), creatures(z)) << name;
    }
}
