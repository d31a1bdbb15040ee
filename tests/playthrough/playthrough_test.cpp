// Recorded play through every shipped labyrinth: the route in
// assets/levels/routes/00N.route (format: assets/levels/README.md, "Routes")
// is played with held keys through the real frame loop until the wizard
// leaves by the door. Each level then yields a summary line (frames, energy
// at the end and at its lowest, score) that must match
// tests/playthrough/expected.txt, so a change in the rules, the loop's timing
// or a level shows as a difference there. The levels are the files the build
// has just made from assets/levels (its staging folder), not the copies in
// the run folder, which a player or the editor may have changed.
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "tests/playthrough/route_player.h"
#include "tests/support/read_whole_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"
#include "tools/levels/route_text.h"

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kShippedLevels = 8;

std::string levelName(int level) {
    char name[8];
    std::snprintf(name, sizeof name, "%03d", level);
    return name;
}

// The summary line of one finished level, as expected.txt holds it.
std::string summaryLine(int level, const PlayResult& r) {
    std::ostringstream s;
    s << "level " << level << ": frames " << r.frames << ", energy " << r.energy << " (lowest " << r.lowestEnergy
      << "), score " << r.score;
    return s.str();
}

// The line of expected.txt for level, or "" when it has none.
std::string expectedLine(int level) {
    return lineStartingWith(fs::path(ZL_SOURCE_DIR) / "tests/playthrough/expected.txt",
                            "level " + std::to_string(level) + ":");
}

// ---- The player on small hand-made levels ----

class RoutePlayer : public GameFixture {
protected:
    // A level of one screen: a corridor in row 3 from column 2 to 18,
    // walls all round, the wizard at (3, 3).
    static LevelData corridor() {
        LevelData level;
        for (int x = 1; x <= kLevelColumns; ++x) {
            for (int y = 1; y <= kLevelRows; ++y) level.map[x][y] = tile::RedWall;
        }
        for (int x = 2; x <= 18; ++x) level.map[x][3] = tile::Floor;
        level.playerX = 3;
        level.playerY = 3;
        return level;
    }
    PlayResult play(const LevelData& level, const std::string& route) {
        writeLevelFile("Data\\001.dat", level);
        writeLevelFile("Data\\002.dat", corridor());
        startLevel(1);
        const Route r = parseRoute(route);
        EXPECT_EQ(r.error, "");
        return playRoute(1, r.steps);
    }
    // The route failed, and the failure says each of `reasons`.
    static void expectFailure(const PlayResult& r, std::initializer_list<const char*> reasons) {
        EXPECT_FALSE(r.finished);
        for (const char* reason : reasons) EXPECT_NE(r.failure.find(reason), std::string::npos) << r.failure;
    }
    ScratchDir dir;
};

TEST_F(RoutePlayer, AWalkToTheDoorFinishesTheLevelInEightFramesACell) {
    LevelData level = corridor();
    level.map[6][3] = tile::Door;
    const PlayResult r = play(level, "R3");
    ASSERT_TRUE(r.finished) << r.failure;
    EXPECT_EQ(world.level, 2);
    EXPECT_EQ(r.frames, 3 * 8);
    EXPECT_EQ(r.energy, 99);
    EXPECT_EQ(r.trace.size(), 3u);
}

TEST_F(RoutePlayer, AMoveWithoutEffectOrARouteThatStopsShortOrRunsOnFails) {
    LevelData level = corridor();
    level.map[6][3] = tile::Door;
    PlayResult r = play(level, "R\nU");
    expectFailure(r, {"command #2 'U' (route line 2)", "no effect within 3 frames", "wizard at (4,3)"});

    r = play(level, "R2");
    expectFailure(r, {"the route ended before the door"});

    r = play(level, "R3 L");
    expectFailure(r, {"door was reached with 1 command(s) still to give"});
}

TEST_F(RoutePlayer, DrowningOrEnergyBelowTheReserveFails) {
    LevelData level = corridor();
    level.map[5][3] = tile::Water;
    PlayResult r = play(level, "R2");
    expectFailure(r, {"the wizard drowned"});

    level = corridor();
    for (int x = 4; x <= 12; ++x) level.map[x][3] = tile::Flame;
    level.map[13][3] = tile::Door;
    writeLevelFile("Data\\001.dat", level);
    startLevel(1);
    world.energy = kEnergyReserve + 3;
    r = playRoute(1, parseRoute("R10").steps);
    expectFailure(r, {"energy below the reserve"});
}

TEST_F(RoutePlayer, HoldingEnterWaitsForThePigToWalkOntoTheAxe) {
    LevelData level = corridor();
    level.map[4][3] = tile::Axe;
    level.creatures[static_cast<int>(FileCreatureKind::Pig)][1] = {7, 3, 0, 0};
    level.counts[static_cast<int>(FileCreatureKind::Pig)] = 1;
    level.map[8][3] = tile::Door;
    // Take the axe; the cell is floor then, so Enter uses it once the pig is there.
    const PlayResult r = play(level, "R A A R4");
    ASSERT_TRUE(r.finished) << r.failure;
    EXPECT_EQ(r.score, 1000);
    EXPECT_EQ(world.pigs[1].x, 0) << "the pig is dead";
}

// ---- The shipped labyrinths ----

class ShippedLevel : public GameFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ShippedLevel, TheRecordedRouteReachesTheDoorAndMatchesTheSummary) {
    const int level = GetParam();
    ScratchDir dir;
    ASSERT_TRUE(copyStagedLevels());
    const fs::path routePath = fs::path(ZL_SOURCE_DIR) / "assets/levels/routes" / (levelName(level) + ".route");
    ASSERT_TRUE(fs::exists(routePath)) << routePath;
    const Route route = parseRoute(readWholeFile(routePath));
    ASSERT_EQ(route.error, "") << routePath;

    startLevel(level);
    const PlayResult result = playRoute(level, route.steps);
    ASSERT_TRUE(result.finished) << result.failure;
    EXPECT_EQ(world.level, level % kShippedLevels + 1);

    const std::string actual = summaryLine(level, result);
    EXPECT_EQ(actual, expectedLine(level))
        << "If the change is meant, put this line into tests/playthrough/expected.txt:\n"
        << actual;
}

INSTANTIATE_TEST_SUITE_P(Routes, ShippedLevel, ::testing::Range(1, kShippedLevels + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Level" + std::to_string(info.param); });

}  // namespace
