// The unsteady player on small hand-made labyrinths: a key held long walks
// two cells of the way and he takes it up from there; a step too many into
// water at the end of a straight drowns some of his runs, a wall there none;
// he presses Enter again and again until his weapon finds its creature.
#include "tests/playthrough/unsteady_player.h"
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "tests/playthrough/route_player.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"
#include "tools/levels/route_text.h"

#include <string>

namespace {

class UnsteadyPlayer : public GameFixture {
protected:
    ScratchDir dir;

    // Walls everywhere; the cells given become floor.
    static LevelData walls() {
        LevelData level;
        for (int x = 1; x <= kLevelColumns; ++x)
            for (int y = 1; y <= kLevelRows; ++y) level.map[x][y] = tile::RedWall;
        return level;
    }

    // An L-shaped way: east along row 3 from (3, 3) to (10, 3), then south
    // to the door at (10, 8). `beyond` is the cell east of the turn, (11, 3).
    static LevelData bend(int beyond) {
        LevelData level = walls();
        for (int x = 3; x <= 10; ++x) level.map[x][3] = tile::Floor;
        for (int y = 4; y <= 7; ++y) level.map[10][y] = tile::Floor;
        level.map[10][8] = tile::Door;
        level.map[11][3] = beyond;
        level.playerX = 3;
        level.playerY = 3;
        return level;
    }

    // Plays the route steadily for the way, then `runs` unsteady runs.
    struct Tally {
        int finished = 0, drowned = 0, keys = 0, corrections = 0, scored = 0;
    };
    Tally play(const LevelData& level, const std::string& routeText, int runs) {
        writeLevelFile("Data\\001.dat", level);
        writeLevelFile("Data\\002.dat", walls());
        const Route route = parseRoute(routeText);
        EXPECT_EQ(route.error, "");
        startLevel(1);
        const PlayResult steady = playRoute(1, route.steps);
        EXPECT_TRUE(steady.finished) << steady.failure;
        Tally tally;
        for (int run = 0; run < runs; ++run) {
            world = World{};
            startLevel(1);
            const UnsteadyResult r = playUnsteadily(1, route.steps, steady.states, static_cast<std::uint32_t>(run));
            tally.finished += r.finished;
            tally.drowned += r.failure.find("drowned") != std::string::npos;
            tally.keys += r.keys;
            tally.corrections += r.corrections;
            tally.scored += world.score > 0;
        }
        return tally;
    }
};

}  // namespace

TEST_F(UnsteadyPlayer, LongHoldsWalkTwoCellsAndWaterAtTheEndOfAStraightDrownsSome) {
    const int runs = 12;
    // A wall beyond the turn: an overlong hold only bumps into it.
    Tally safe = play(bend(tile::RedWall), "R7 D5", runs);
    EXPECT_EQ(safe.finished, runs);
    EXPECT_LT(safe.keys, runs * 12) << "some keys walked two cells of the way";

    // Water there: some runs step into it.
    Tally wet = play(bend(tile::Water), "R7 D5", runs);
    EXPECT_GT(wet.drowned, 0);
    EXPECT_LT(wet.drowned, runs);
    EXPECT_EQ(wet.finished + wet.drowned, runs);

    // Floor there: a step too far is walked back.
    Tally floor = play(bend(tile::Floor), "R7 D5", runs);
    EXPECT_EQ(floor.finished, runs);
    EXPECT_GT(floor.corrections, 0);
}

TEST_F(UnsteadyPlayer, EnterIsPressedAgainUntilTheWeaponFindsItsCreature) {
    // The axe at (4, 3); a pig comes west along the row to the wizard, who
    // waits for it one cell on.
    LevelData level = walls();
    for (int x = 3; x <= 14; ++x) level.map[x][3] = tile::Floor;
    level.map[15][3] = tile::Door;
    level.map[4][3] = tile::Axe;
    level.playerX = 3;
    level.playerY = 3;
    level.creatures[static_cast<int>(FileCreatureKind::Pig)][1] = {8, 3, 0, 0};
    level.counts[static_cast<int>(FileCreatureKind::Pig)] = 1;
    const int runs = 12;
    Tally t = play(level, "R A R A R10", runs);
    EXPECT_EQ(t.finished, runs);
    EXPECT_EQ(t.scored, runs) << "every run killed the pig";
}
