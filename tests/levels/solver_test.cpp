// The solver on small hand-made levels: it carries one item at a time, opens
// barriers only from their side, keeps track of what an exchange leaves
// behind, never walks into water and counts the view's flips; its route,
// walked again, ends on the door. Its lists name what can never be reached or
// used.
#include "common/tile_codes.h"
#include "common/wizard_walk.h"
#include "tests/levels/level_tool_test.h"
#include "tools/levels/level_source.h"
#include "tools/levels/level_text.h"
#include "tools/levels/route_text.h"
#include "tools/levels/solution_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

class Solver : public LevelToolTest {
protected:
    LevelSource source;

    // The level of a grid (wall all round unless the grid says otherwise).
    const LevelData& level(const std::string& grid) {
        EXPECT_TRUE(parseWithLegend("map\n" + grid + "end\n", source)) << all();
        return *source.level;
    }

    // The route as text, for messages and comparisons.
    static std::string text(const std::vector<Command>& route) {
        std::vector<RouteCommand> commands;
        for (Command c : route) commands.push_back(routeCommandOf(c));
        return formatRoute(commands, 1000);
    }

    // Walks the route again with the game's rules: every command must do
    // something, and the last must step onto the door.
    static ::testing::AssertionResult walksToTheDoor(const LevelData& level, const std::vector<Command>& route) {
        WalkMap map(level);
        Walker w = startWalker(level);
        for (std::size_t i = 0; i < route.size(); ++i) {
            const Walker before = w;
            const WalkStep step = walkCommand(w, route[i], map, false);
            if (w == before && !step.exchanged)
                return ::testing::AssertionFailure() << "command " << i + 1 << " does nothing";
            if (step.move.drowned) return ::testing::AssertionFailure() << "command " << i + 1 << " drowns";
            if (step.move.door != (i + 1 == route.size()))
                return ::testing::AssertionFailure() << "the door at command " << i + 1 << " of " << route.size();
        }
        return ::testing::AssertionSuccess();
    }

    // The solver finishes the level along `route`, and walking that route
    // again with the game's rules reaches the door.
    static void expectSolvedAlong(const LevelData& level, const std::string& route) {
        const SolverResult r = solveLevel(level);
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(text(r.route), route);
        EXPECT_TRUE(walksToTheDoor(level, r.route));
    }
};

}  // namespace

TEST_F(Solver, KeyBehindAnotherBarrier) {
    // k opens K, behind which l waits for L.
    const LevelData& ok = level("###########\n"
                                "#@k.K.l.LD#\n"
                                "###########\n");
    SolverResult r = solveLevel(ok);
    ASSERT_TRUE(r.finished);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(text(r.route), "R A R4 A R3");
    EXPECT_TRUE(walksToTheDoor(ok, r.route));
    EXPECT_TRUE(r.itemsNeverReached.empty());
    EXPECT_TRUE(r.barriersNeverOpened.empty());

    // The key of L behind L itself: the door stays shut, and the solver says why.
    const LevelData& shut = level("###########\n"
                                  "#@k.K.L.lD#\n"
                                  "###########\n");
    r = solveLevel(shut);
    EXPECT_FALSE(r.finished);
    EXPECT_TRUE(r.complete);
    EXPECT_TRUE(r.route.empty());
    ASSERT_EQ(r.barriersNeverOpened.size(), 1u);
    EXPECT_EQ(r.barriersNeverOpened[0].code, tile::Barrier2);
    ASSERT_EQ(r.itemsNeverReached.size(), 1u);
    EXPECT_EQ(r.itemsNeverReached[0].code, tile::Key2);
    EXPECT_EQ(r.itemsNeverReached[0].x, 9);
    EXPECT_NE(describeSolution(r).find("never opened: Barrier2 at (7, 2)"), std::string::npos) << describeSolution(r);
}

TEST_F(Solver, SideBarrierOpensSidewaysOnlyAndCrossBarrierVerticallyOnly) {
    // K met only from above stays shut.
    EXPECT_FALSE(solveLevel(level("#####\n"
                                  "#@k.#\n"
                                  "###K#\n"
                                  "###D#\n"))
                     .finished);
    // The cross barrier opens from above...
    const LevelData& cross = level("#####\n"
                                   "#@k.#\n"
                                   "###1#\n"
                                   "###D#\n");
    expectSolvedAlong(cross, "R A R D2");
    // ... but not from the side.
    EXPECT_FALSE(solveLevel(level("######\n"
                                  "#@k1D#\n"
                                  "######\n"))
                     .finished);
    // K from the side, reached round a corner.
    const LevelData& side = level("######\n"
                                  "#@k..#\n"
                                  "####.#\n"
                                  "##DK.#\n"
                                  "######\n");
    expectSolvedAlong(side, "R A R2 D2 L2");
}

TEST_F(Solver, ExchangeLeavesTheKeyBehindAndTheRouteFetchesIt) {
    // The crown opens R, the key K beyond it; both lie before R. The shortest
    // way takes the key, leaves it where the crown lay, opens R and comes back
    // for it.
    const LevelData& l = level("###########\n"
                               "#@kr.R.K.D#\n"
                               "###########\n");
    expectSolvedAlong(l, "R A R A R2 L2 A R6");
}

TEST_F(Solver, WaterOnTheOnlyWayDrowns) {
    EXPECT_FALSE(solveLevel(level("#######\n"
                                  "#@.~.D#\n"
                                  "#######\n"))
                     .finished);
    // Across the view's edge: the move at column 20 only turns the view toward
    // the water, which is no harm; the step after it would drown.
    std::string row = "#@" + std::string(18, '.') + "~.D#\n";
    std::string wall(row.size() - 1, '#');
    EXPECT_FALSE(solveLevel(level(wall + "\n" + row + wall + "\n")).finished);
    // Flames cost energy but are no end: the solver walks through them.
    const LevelData& flames = level("#######\n"
                                    "#@.f.D#\n"
                                    "#######\n");
    SolverResult r = solveLevel(flames);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(text(r.route), "R4");
    // A way round the water is taken.
    const LevelData& round = level("#######\n"
                                   "#@.~.D#\n"
                                   "#.....#\n"
                                   "#######\n");
    r = solveLevel(round);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.route.size(), 6u) << text(r.route);
    EXPECT_TRUE(walksToTheDoor(round, r.route));
}

TEST_F(Solver, DoorBehindTheViewsEdgeTakesOneMoreMove) {
    // Start in column 18, door in column 21: two steps, the flip, one step.
    std::string row = "#" + std::string(16, '#') + "@..D#\n";
    std::string wall(row.size() - 1, '#');
    const LevelData& l = level(wall + "\n" + row + wall + "\n");
    expectSolvedAlong(l, "R4");

    // Below row 14 likewise: the door in row 15, the start in row 13.
    std::string grid;
    for (int y = 1; y <= 16; ++y) grid += y == 13 ? "#@#\n" : y == 14 ? "#.#\n" : y == 15 ? "#D#\n" : "###\n";
    const LevelData& down = level(grid);
    expectSolvedAlong(down, "D3");
}

TEST_F(Solver, ListsWhatIsNeverReachedOrUsed) {
    // The sword is walled in, R has no crown, and the second key fits nothing.
    const LevelData& l = level("##########\n"
                               "#@k.K.l.D#\n"
                               "######R###\n"
                               "#s#####..#\n"
                               "##########\n");
    SolverResult r = solveLevel(l);
    ASSERT_TRUE(r.finished);
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.itemsNeverReached.size(), 1u);
    EXPECT_EQ(r.itemsNeverReached[0].code, tile::Sword);
    ASSERT_EQ(r.barriersNeverOpened.size(), 1u);
    EXPECT_EQ(r.barriersNeverOpened[0].code, tile::TreasureBarrier);
    ASSERT_EQ(r.keysNeverUsed.size(), 1u);
    EXPECT_EQ(r.keysNeverUsed[0].code, tile::Key2);
    const std::string text = describeSolution(r);
    EXPECT_NE(text.find("never reached: Sword at (2, 4)"), std::string::npos) << text;
    EXPECT_NE(text.find("never opening a barrier: Key2 at (7, 2)"), std::string::npos) << text;
}

TEST_F(Solver, OddStartsAndTheStateLimit) {
    // A start on water leads nowhere, one on the door is done at once.
    LevelData l = level("####\n#@D#\n####\n");
    l.map[2][2] = tile::Water;
    EXPECT_FALSE(solveLevel(l).finished);
    l.map[2][2] = tile::Door;
    SolverResult r = solveLevel(l);
    EXPECT_TRUE(r.finished);
    EXPECT_TRUE(r.route.empty());
    // A start beyond the reachable cells finds nothing.
    l.playerX = 215;
    EXPECT_FALSE(solveLevel(l).finished);

    // A search that hits its limit says so instead of answering.
    const LevelData& big = level("###########\n"
                                 "#@k.K.l.LD#\n"
                                 "###########\n");
    SolverOptions tight;
    tight.stateLimit = 2;
    r = solveLevel(big, tight);
    EXPECT_FALSE(r.complete);
    EXPECT_FALSE(r.finished);
    EXPECT_NE(describeSolution(r).find("gave up"), std::string::npos);
}

TEST_F(Solver, DamagedLevelsNeverLeadOutsideATable) {
    // Random codes (items, barriers, water, doors and odd values) on a small
    // patch, odd starts and views: the searches and the text writer must
    // answer without touching memory outside their tables (the sanitizer
    // build watches), and the text must read back to the same level.
    std::mt19937 rng(99);
    const int rare[] = {14, 29, 30, 33, 40, 41, 44, 50, 51, 54, 60, 61, 12, 10, -2, 17, 49, 999, -77};
    for (int round = 0; round < 12; ++round) {
        LevelData l;
        for (int x = 0; x < kMapColumns; ++x) {
            for (int y = 0; y < kMapRows; ++y) {
                const unsigned roll = rng() % 20;
                const int code = roll < 13 ? tile::Floor : roll < 18 ? tile::RedWall : rare[rng() % std::size(rare)];
                l.map[x][y] = x >= 1 && x <= 40 && y >= 1 && y <= 30 ? code : tile::RedWall;
            }
        }
        l.playerX = static_cast<int>(rng() % 45) - 2;
        l.playerY = static_cast<int>(rng() % 35) - 2;
        l.viewX = static_cast<int>(rng() % 400) - 200;
        l.viewY = static_cast<int>(rng() % 400) - 200;
        l.counts[0] = static_cast<int>(rng() % 300) - 100;
        SolverOptions options;
        options.stateLimit = 20000;
        const SolverResult r = solveLevel(l, options);
        if (r.finished && !r.route.empty()) {
            // The route found walks to the door by the rules.
            WalkMap map(l);
            Walker w = startWalker(l);
            bool door = false;
            for (Command c : r.route) door = walkCommand(w, c, map, false).move.door;
            EXPECT_TRUE(door) << round;
        }
        describeSolution(r);

        // Back to text: the same file again, but for entries that are no
        // creatures and values that cannot stand in a file the editor writes.
        const LevelText text = levelToText(l, legend, "fuzz", "fuzz.dat");
        LevelSource back;
        ASSERT_TRUE(parseWithLegend(text.text, back)) << text.text << all();
        for (int x = 1; x <= kLevelColumns; ++x)
            for (int y = 1; y <= kLevelRows; ++y) ASSERT_EQ(back.level->map[x][y], l.map[x][y]) << x << "," << y;
    }
}
