// The demonstration maker on small hand-made labyrinths: a step onto the
// view's edge is recorded twice, waits and actions become their codes, the
// walk goes on through the door, and a source that would go astray in the
// game is refused with its line.
#include "tools/levels/demo_maker.h"
#include "common/tile_codes.h"
#include "tests/levels/level_tool_test.h"
#include "tools/levels/level_source.h"
#include "tools/levels/route_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class DemoMaker : public LevelToolTest {
protected:
    std::vector<std::unique_ptr<LevelSource>> sources;
    std::vector<const LevelData*> levels;
    Demonstration demo;

    // Adds a labyrinth made of the grid.
    void addLevel(const std::string& grid) {
        sources.push_back(std::make_unique<LevelSource>());
        ASSERT_TRUE(parseWithLegend("map\n" + grid + "end\n", *sources.back())) << all();
        levels.push_back(sources.back()->level.get());
    }

    bool make(const std::string& source, int first = 1) {
        problems.clear();
        return makeDemonstration(parseRoute(source), first, levels, "demo1.txt", demo, problems);
    }

    std::string codes() const {
        std::string text;
        for (int k = 1; k <= demo.codes; ++k) text += static_cast<char>('0' + demo.moves[static_cast<std::size_t>(k)]);
        return text;
    }

    // A corridor in row 2 from column 2 to `length` + 1, the start at
    // column `start`, the door at its end.
    static std::string corridor(int start, int length) {
        std::string row = "#";
        for (int x = 2; x <= length + 1; ++x) row += x == start ? '@' : x == length + 1 ? 'D' : '.';
        row += "#\n";
        const std::string wall(row.size() - 1, '#');
        return wall + "\n" + row + wall + "\n";
    }
};

}  // namespace

TEST_F(DemoMaker, AStepOntoTheViewsEdgeIsRecordedTwice) {
    addLevel(corridor(17, 30));
    ASSERT_TRUE(make("R5 L2 W3 A")) << all();
    // 18, 19, 20 (the edge: twice, the second turns the view), 21, 22; back
    // to 21 and 20 (the edge of the new view going left: twice, turning it
    // back); three waits; the action.
    EXPECT_EQ(codes(), "222222"
                       "444"
                       "000"
                       "5");
    EXPECT_EQ(demo.screens, 2);
    EXPECT_EQ(demo.endX, 20);
    for (int k = demo.codes + 1; k <= kRecordingMoves; ++k) ASSERT_EQ(demo.moves[static_cast<std::size_t>(k)], 0) << k;

    // Down onto row 14, the last of the view: twice as well.
    std::string grid;
    for (int y = 1; y <= 20; ++y) grid += y == 2 ? "#@#\n" : y > 2 && y < 19 ? "#.#\n" : y == 19 ? "#D#\n" : "###\n";
    levels.clear();
    addLevel(grid);
    ASSERT_TRUE(make("D13")) << all();
    EXPECT_EQ(demo.codes, 14);
    EXPECT_EQ(demo.moves[12], 3);
    EXPECT_EQ(demo.moves[13], 3) << "the turn";
    EXPECT_EQ(demo.moves[14], 3);
}

TEST_F(DemoMaker, ARepeatedCodeAgainstAWallIsOnlyAFrame) {
    // Column 20 is the corridor's end: the repeated code is blocked and the
    // view stays, so the way back steps at once.
    addLevel("#####################\n"
             "#@..................#\n"
             "#..................D#\n"
             "#####################\n");
    ASSERT_TRUE(make("R18 L")) << all();
    EXPECT_EQ(demo.codes, 20);
    EXPECT_EQ(demo.screens, 1);
    EXPECT_EQ(demo.endX, 19);
}

TEST_F(DemoMaker, ASourceThatWouldGoAstrayIsRefusedWithItsLine) {
    addLevel(corridor(17, 30));
    const struct {
        const char* why;
        const char* route;
        int firstLabyrinth;
        int line;
        const char* fault;
    } kRefused[] = {
        {"back from the edge at once: the repeated code has turned the view, so the step back would only turn it again",
         "R3\nL", 1, 2, "does not step: the wizard stands at the view's edge"},
        {"into the wall", "L16", 1, 1, "RedWall at (1, 2) is in the way"},
        {"more codes than a recording holds", "W999 W2", 1, 1, "one too many"},
        {"a fault in the text", "R2 X", 1, 0, "unknown command 'X'"},
        {"a labyrinth not given", "R", 2, 0, "labyrinth 2 is not among the levels given"},
    };
    for (const auto& r : kRefused) {
        SCOPED_TRACE(r.why);
        EXPECT_FALSE(make(r.route, r.firstLabyrinth));
        EXPECT_TRUE(reported(r.line, r.fault));
    }
    EXPECT_TRUE(make("W999 W")) << "1000 codes fit, the last never played";

    levels.clear();
    addLevel("######\n#@.~D#\n######\n");
    EXPECT_FALSE(make("R2"));
    EXPECT_TRUE(reported(1, "drowns the wizard"));
}

TEST_F(DemoMaker, TheWalkGoesOnThroughTheDoorIntoTheNextLabyrinth) {
    addLevel("#####\n#@.D#\n#####\n");
    addLevel("#####\n#D@.#\n#####\n");
    ASSERT_TRUE(make("R2 L R")) << all();
    EXPECT_EQ(demo.labyrinths, 3) << "the second door leads to the first labyrinth again";
    EXPECT_EQ(demo.endLabyrinth, 1);
    EXPECT_EQ(demo.endX, 3);

    ASSERT_TRUE(make("R2 R")) << all();
    EXPECT_EQ(demo.labyrinths, 2);
    EXPECT_EQ(demo.endLabyrinth, 2);
    EXPECT_EQ(demo.endX, 4);
}

TEST_F(DemoMaker, AWeaponDrawnOnAFreeCellIsSpentAndKeysOpenBarriers) {
    // Take the axe, wait with it on a free cell (it finds its creature), take
    // the key, step off and back and act again: with the axe spent the cell
    // is empty and the key stays in hand for the barrier.
    addLevel("#########\n#@a.kK.D#\n#########\n");
    ASSERT_TRUE(make("R A R A3 R A L R A R3")) << all();
    EXPECT_EQ(demo.exchanges, 2);
    EXPECT_EQ(demo.barriersOpened, 1);
    EXPECT_EQ(demo.labyrinths, 2) << "through the door, into the only labyrinth again";
    EXPECT_EQ(demo.endX, 2);

    // Without the wait the axe is still in hand: the key's cell takes it and
    // the second action swaps them back, so the barrier stays shut.
    EXPECT_FALSE(make("R A R R A L R A R3"));
    EXPECT_TRUE(reported(1, "Barrier at (6, 2) is in the way"));
}
