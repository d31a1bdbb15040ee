// Cursor and page moves: the edges of the reachable area, the page turns
// that keep or move the map cell, and views a loaded file brought off the
// 19 / 13 grid.
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"

namespace {

using CursorMoves = EditorTest;

struct Place {
    int viewX, viewY, cursorX, cursorY;
    bool operator==(const Place&) const = default;
};

Place now() { return {editor.viewX, editor.viewY, editor.cursorX, editor.cursorY}; }

void standAt(Place p) {
    editor.viewX = p.viewX;
    editor.viewY = p.viewY;
    editor.cursorX = p.cursorX;
    editor.cursorY = p.cursorY;
}

TEST_F(CursorMoves, NothingMovesPastRow144Column210OrRowAndColumn1) {
    standAt({190, 130, 20, 14});  // map cell (210, 144)
    cursorDown();
    cursorRight();
    EXPECT_EQ(now(), (Place{190, 130, 20, 14}));
    standAt({0, 0, 1, 1});
    cursorUp();
    cursorLeft();
    EXPECT_EQ(now(), (Place{0, 0, 1, 1}));
}

TEST_F(CursorMoves, DownAndRightTurnThePageOnTheSameCellUpAndLeftMoveOnBack) {
    standAt({0, 0, 20, 14});
    cursorDown();
    EXPECT_EQ(now(), (Place{0, 13, 20, 1})) << "map row 14 now on screen row 1";
    cursorRight();
    EXPECT_EQ(now(), (Place{19, 13, 1, 1})) << "map column 20 now on screen column 1";
    cursorUp();
    EXPECT_EQ(now(), (Place{19, 0, 1, 13})) << "one map row up, screen row 13";
    cursorLeft();
    EXPECT_EQ(now(), (Place{0, 0, 19, 13}));

    // Walking down the whole map ends on row 144 of view 130.
    for (int i = 0; i < 200; ++i) cursorDown();
    EXPECT_EQ(now(), (Place{0, 130, 19, 14}));
}

TEST_F(CursorMoves, ALoadedOddViewTurnsBackOnlyAFullPageAndNeverLeavesTheMap) {
    standAt({0, 5, 3, 1});  // view rows 1..12: no full page above
    cursorUp();
    EXPECT_EQ(now(), (Place{0, 5, 3, 1}));
    standAt({0, 20, 3, 1});
    cursorUp();
    EXPECT_EQ(now(), (Place{0, 7, 3, 13}));

    // A page turn from an odd view stops at the last view inside the map and
    // keeps the cursor's map cell.
    standAt({189, 129, 20, 14});  // map cell (209, 143)
    cursorRight();
    EXPECT_EQ(now(), (Place{200, 129, 9, 14}));
    cursorDown();
    EXPECT_EQ(now(), (Place{200, 136, 9, 7}));
    cursorRight();
    cursorDown();
    EXPECT_EQ(cursorMapX(), 210);
    EXPECT_EQ(cursorMapY(), 144);
    for (int i = 0; i < 20; ++i) {
        cursorRight();
        cursorDown();
    }
    EXPECT_EQ(now(), (Place{200, 136, 10, 8}));
}

}  // namespace
